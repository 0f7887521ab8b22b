#include "dialogs/Password.h"

#include "dialogs/DialogLayout.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/ImplicitInstance.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"

Password& Password::Instance() {
    return ImplicitInstance<Password>();
}

Password::Password() {
    Build(Layout(), CreateControls());
}

WindowSpec Password::Layout() {
    return DialogWindow(FrameKind::MovableModal);
}

std::vector<ControlSpec> Password::CreateControls() {
    return {
        IconCanvasRow([this](Canvas& sender, Graphics& g) { Canvas1_Paint(sender, g); }),
        LayoutRow(ControlKind::Label, QStringLiteral("StaticText1"), 104, 15, 239, 20, 1,
                  QStringLiteral("Enter Document Password"), {{"Bold", true}}),
        LayoutRow(ControlKind::TextField, QStringLiteral("EditField1"), 104, 42, 296, 22, 2, QString(),
                  {{"Password", true}, {"TextSize", 12}, {"LimitText", 0}}),
        ButtonRow(QStringLiteral("PushButton2"), 250, 95, 69, 3, QStringLiteral("Cancel"),
                  {{"Cancel", true}, {"TextSize", 12}}, [this](PushButton& sender) { PushButton2_Action(sender); }),
        ButtonRow(QStringLiteral("PushButton1"), 331, 95, 69, 4, QStringLiteral("Enter"), {{"Default", true}},
                  [this](PushButton& sender) { PushButton1_Action(sender); }),
    };
}

Canvas& Password::Canvas1() const {
    return *FindControl<Canvas>(QStringLiteral("Canvas1"));
}

Label& Password::StaticText1() const {
    return *FindControl<Label>(QStringLiteral("StaticText1"));
}

TextField& Password::EditField1() const {
    return *FindControl<TextField>(QStringLiteral("EditField1"));
}

PushButton& Password::PushButton2() const {
    return *FindControl<PushButton>(QStringLiteral("PushButton2"));
}

PushButton& Password::PushButton1() const {
    return *FindControl<PushButton>(QStringLiteral("PushButton1"));
}

void Password::Canvas1_Paint(Canvas&, Graphics& g) {
    PaintApplicationIcon(g);
}

void Password::PushButton2_Action(PushButton&) {
    ButtonPressed = QStringLiteral("Cancel");
    EditField1().SetText(QString());
    Hide();
}

void Password::PushButton1_Action(PushButton&) {
    if (EditField1().Text().isEmpty()) {
        // The prompt is never set back for the life of the dialog.
        StaticText1().SetText(QStringLiteral("Please enter a Password!"));
        EditField1().SetText(QString());
        EditField1().SetFocus();
        return;
    }
    ButtonPressed = QStringLiteral("yes");
    Hide();
}

bool Password::Event_CancelClose(bool appQuitting) {
    // A close from the window manager while a caller waits in ShowModal must not
    // leave the caller reading the word of an earlier question: it answers as
    // Cancel does and keeps the dialog for the caller to read. The caller's own
    // Close comes after ShowModal has returned and goes through.
    if (!IsModal())
        return false;
    PushButton2_Action(PushButton2());
    return !appQuitting;
}
