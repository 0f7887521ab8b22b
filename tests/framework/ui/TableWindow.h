#pragma once

#include <functional>
#include <vector>

#include "framework/ui/Window.h"

// A window built from a layout table given by the test, with its window
// events open to the test.
class TableWindow : public Window {
public:
    TableWindow(const WindowSpec& spec, const std::vector<ControlSpec>& controls) { Build(spec, controls); }

    std::function<bool(bool)> cancelClose;
    std::function<bool(int, int)> mouseDown;
    int openCount = 0;

    bool Event_CancelClose(bool appQuitting) override { return cancelClose ? cancelClose(appQuitting) : false; }
    bool Event_MouseDown(int x, int y) override { return mouseDown ? mouseDown(x, y) : false; }
    void Event_Open() override { ++openCount; }
};

// A spec for a window hidden when built, so tests show it when they mean to.
inline WindowSpec HiddenSpec(int width = 400, int height = 300) {
    WindowSpec spec;
    spec.width = width;
    spec.height = height;
    spec.title = "Test";
    spec.visible = false;
    return spec;
}

template <class T>
std::function<void(Control&)> Bind(std::function<void(T&)> binder) {
    return [binder](Control& control) { binder(static_cast<T&>(control)); };
}
