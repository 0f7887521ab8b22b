#pragma once

#include <QString>
#include <vector>

#include "framework/ui/Window.h"

class Canvas;
class Graphics;
class Label;
class PushButton;

// Asks to confirm deleting the selected entry: "yes" (a click on Yes only)
// or "No" (Return and Esc). Every button stores its word and hides the
// dialog; its caller reads the word and closes it.
//
// DeleteEntry::Instance() is the implicit instance: the dialog that exists,
// shown or hidden as it was left, or a newly built one.
class DeleteEntry : public Window {
public:
    static DeleteEntry& Instance();

    DeleteEntry();

    // The word of the last button that answered; empty in a newly built dialog.
    QString ButtonPressed;

    static WindowSpec Layout();
    std::vector<ControlSpec> CreateControls();

    Canvas& Canvas1() const;
    Label& StaticText1() const;
    PushButton& PushButton2() const;
    PushButton& PushButton1() const;
    Label& StaticText2() const;

    void Canvas1_Paint(Canvas& sender, Graphics& g);
    void PushButton2_Action(PushButton& sender);
    void PushButton1_Action(PushButton& sender);

    // Every showing starts with the focus on the default button (No), so
    // that Space, which presses the focused button, never answers with a loss
    // of data.
    void Event_Open() override;

    // A close while it asks (the window manager's) answers as No does.
    bool Event_CancelClose(bool appQuitting) override;
};
