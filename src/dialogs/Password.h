#pragma once

#include <QString>
#include <vector>

#include "framework/ui/Window.h"

class Canvas;
class Graphics;
class Label;
class PushButton;
class TextField;

// Asks for the password of a document. Enter ("yes") refuses an empty field
// with a prompt in the dialog itself; Cancel ("Cancel") empties the field.
// The dialog only hides: its caller reads the word and the field, then closes
// it or leaves it hidden for the next question.
//
// Password::Instance() is the implicit instance: the dialog that exists, shown
// or hidden as it was left, or a newly built one (never built, or closed since).
class Password : public Window {
public:
    static Password& Instance();

    Password();

    // The word of the last button that answered; empty in a newly built dialog.
    QString ButtonPressed;

    static WindowSpec Layout();
    std::vector<ControlSpec> CreateControls();

    Canvas& Canvas1() const;
    Label& StaticText1() const;
    TextField& EditField1() const;
    PushButton& PushButton2() const;
    PushButton& PushButton1() const;

    void Canvas1_Paint(Canvas& sender, Graphics& g);
    void PushButton2_Action(PushButton& sender);
    void PushButton1_Action(PushButton& sender);

    // A close while it asks (the window manager's) answers as Cancel does.
    bool Event_CancelClose(bool appQuitting) override;
};
