#pragma once

#include "framework/ui/Window.h"

class Canvas;
class Graphics;
class Label;
class RoundRectangle;

// The About window: icon, name, version, description, the donation panel with
// its two payment buttons, and the credit notice. A click on its background,
// its close box or File > Close closes it.
//
// One implicit instance, shared by About and Pay for Brimel > Information:
// Instance().Show() builds it when needed (placed on the main screen) and
// otherwise only brings it to the front, where it stays.
class About : public Window {
public:
    About();

    static About& Instance();

    // The control accessors.
    RoundRectangle* RoundRectangle1() const;
    Canvas* Canvas2() const;
    Canvas* Canvas3() const;
    Label* StaticText5() const;
    Label* StaticText1() const;
    Label* StaticText2() const;
    Label* StaticText3() const;
    Label* StaticText4() const;
    Canvas* Canvas1() const;

    // The payment buttons: each opens its page.
    bool Canvas2_MouseDown(Canvas& canvas, int x, int y);
    bool Canvas3_MouseDown(Canvas& canvas, int x, int y);
    // The application icon, masked, whole at the canvas's origin.
    void Canvas1_Paint(Canvas& canvas, Graphics& g);

    void AddMenuHandlers() override;
    void Event_EnableMenuItems() override;
    bool Event_MouseDown(int x, int y) override;
    void Event_Open() override;
    bool _FileClose_Action();
};
