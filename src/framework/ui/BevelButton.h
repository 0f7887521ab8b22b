#pragma once

#include <functional>

#include "RectControl.h"

class QToolButton;

// A small command button that never takes the keyboard focus.
class BevelButton : public RectControl {
public:
    BevelButton(::Window* window, const QString& name, QWidget* parent);

    QString Caption() const;
    void SetCaption(const QString& caption);
    void Push();

    bool AcceptsFocus() const override { return false; }
    void ApplyText(const QString& text) override { SetCaption(text); }
    void RunOpen() override;

    std::function<void(BevelButton&)> Open;
    std::function<void(BevelButton&)> Action;

private:
    QToolButton* button_;
};
