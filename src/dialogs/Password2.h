#pragma once

#include <QString>
#include <vector>

#include "framework/ui/Window.h"

class Label;
class PushButton;
class TextField;

// Asks for a new document password, typed twice. Enter ("Enter") takes it
// only when both fields hold the same non-empty text, else it says why in a
// message box and empties both fields; Cancel ("Cancel") leaves them as they
// are. The dialog only hides: its caller reads the word and EditField1, then
// closes it.
//
// Password2::Instance() is the implicit instance: the dialog that exists,
// shown or hidden as it was left, or a newly built one.
class Password2 : public Window {
public:
    static Password2& Instance();

    Password2();

    // The word of the last button that answered; empty in a newly built dialog.
    QString ButtonPressed;

    static WindowSpec Layout();
    std::vector<ControlSpec> CreateControls();

    TextField& EditField1() const;
    TextField& EditField2() const;
    PushButton& PushButton2() const;
    PushButton& PushButton1() const;
    Label& StaticText1() const;
    Label& StaticText2() const;

    void PushButton2_Action(PushButton& sender);
    void PushButton1_Action(PushButton& sender);

    // A close while it asks (the window manager's) answers as Cancel does.
    bool Event_CancelClose(bool appQuitting) override;
};
