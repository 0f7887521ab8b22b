#include "dialogs/SaveChanges.h"

#include "dialogs/DialogLayout.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/ImplicitInstance.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"

SaveChanges& SaveChanges::Instance() {
    return ImplicitInstance<SaveChanges>();
}

SaveChanges::SaveChanges() {
    Build(Layout(), CreateControls());
}

WindowSpec SaveChanges::Layout() {
    return DialogWindow(FrameKind::Sheet);
}

std::vector<ControlSpec> SaveChanges::CreateControls() {
    return {
        IconCanvasRow([this](Canvas& sender, Graphics& g) { Canvas1_Paint(sender, g); }),
        LayoutRow(ControlKind::Label, QStringLiteral("StaticText1"), 104, 15, 296, 34, 1,
                  QStringLiteral("Do you want to save changes to this document before closing?"),
                  {{"Bold", true}, {"Multiline", true}}),
        ButtonRow(QStringLiteral("PushButton1"), 104, 95, 90, 2, QStringLiteral("Don't Save"), {},
                  [this](PushButton& sender) { PushButton1_Action(sender); }),
        ButtonRow(QStringLiteral("PushButton2"), 250, 95, 69, 3, QStringLiteral("Cancel"), {{"Cancel", true}},
                  [this](PushButton& sender) { PushButton2_Action(sender); }),
        ButtonRow(QStringLiteral("PushButton3"), 331, 95, 69, 4, QStringLiteral("Save"), {{"Default", true}},
                  [this](PushButton& sender) { PushButton3_Action(sender); }),
        LayoutRow(ControlKind::Label, QStringLiteral("StaticText2"), 104, 53, 296, 20, 5,
                  QStringLiteral("If you don't save, your changes will be lost."), {{"TextSize", 11}, {"Bold", false}}),
    };
}

Canvas& SaveChanges::Canvas1() const {
    return *FindControl<Canvas>(QStringLiteral("Canvas1"));
}

Label& SaveChanges::StaticText1() const {
    return *FindControl<Label>(QStringLiteral("StaticText1"));
}

PushButton& SaveChanges::PushButton1() const {
    return *FindControl<PushButton>(QStringLiteral("PushButton1"));
}

PushButton& SaveChanges::PushButton2() const {
    return *FindControl<PushButton>(QStringLiteral("PushButton2"));
}

PushButton& SaveChanges::PushButton3() const {
    return *FindControl<PushButton>(QStringLiteral("PushButton3"));
}

Label& SaveChanges::StaticText2() const {
    return *FindControl<Label>(QStringLiteral("StaticText2"));
}

void SaveChanges::Canvas1_Paint(Canvas&, Graphics& g) {
    PaintApplicationIcon(g);
}

void SaveChanges::PushButton1_Action(PushButton&) {
    ButtonPressed = QStringLiteral("DontSave");
    Hide();
}

void SaveChanges::PushButton2_Action(PushButton&) {
    ButtonPressed = QStringLiteral("Cancel");
    Hide();
}

void SaveChanges::PushButton3_Action(PushButton&) {
    ButtonPressed = QStringLiteral("Save");
    Hide();
}

void SaveChanges::Event_Open() {
    PushButton3().SetFocus();
}

bool SaveChanges::Event_CancelClose(bool appQuitting) {
    // A dialog left hidden after "DontSave" still holds that word: a close while
    // the next question waits must not pass it on as the answer (the changes
    // would be lost), so it answers Cancel.
    if (!IsModal())
        return false;
    PushButton2_Action(PushButton2());
    return !appQuitting;
}
