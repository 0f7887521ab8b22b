#include "dialogs/DeleteEntry.h"

#include "dialogs/DialogLayout.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/ImplicitInstance.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"

DeleteEntry& DeleteEntry::Instance() {
    return ImplicitInstance<DeleteEntry>();
}

DeleteEntry::DeleteEntry() {
    Build(Layout(), CreateControls());
}

WindowSpec DeleteEntry::Layout() {
    return DialogWindow(FrameKind::Sheet);
}

std::vector<ControlSpec> DeleteEntry::CreateControls() {
    return {
        IconCanvasRow([this](Canvas& sender, Graphics& g) { Canvas1_Paint(sender, g); }),
        LayoutRow(ControlKind::Label, QStringLiteral("StaticText1"), 104, 15, 296, 20, 1,
                  QStringLiteral("Do you want to delete this Entry?"), {{"Bold", true}, {"Multiline", true}}),
        ButtonRow(QStringLiteral("PushButton2"), 250, 95, 69, 2, QStringLiteral("Yes"), {},
                  [this](PushButton& sender) { PushButton2_Action(sender); }),
        // Both keys answer No: only a click on Yes deletes.
        ButtonRow(QStringLiteral("PushButton1"), 331, 95, 69, 3, QStringLiteral("No"),
                  {{"Default", true}, {"Cancel", true}}, [this](PushButton& sender) { PushButton1_Action(sender); }),
        LayoutRow(ControlKind::Label, QStringLiteral("StaticText2"), 104, 47, 296, 20, 4,
                  QStringLiteral("This cannot be undone."), {{"TextSize", 11}, {"Bold", false}}),
    };
}

Canvas& DeleteEntry::Canvas1() const {
    return *FindControl<Canvas>(QStringLiteral("Canvas1"));
}

Label& DeleteEntry::StaticText1() const {
    return *FindControl<Label>(QStringLiteral("StaticText1"));
}

PushButton& DeleteEntry::PushButton2() const {
    return *FindControl<PushButton>(QStringLiteral("PushButton2"));
}

PushButton& DeleteEntry::PushButton1() const {
    return *FindControl<PushButton>(QStringLiteral("PushButton1"));
}

Label& DeleteEntry::StaticText2() const {
    return *FindControl<Label>(QStringLiteral("StaticText2"));
}

void DeleteEntry::Canvas1_Paint(Canvas&, Graphics& g) {
    PaintApplicationIcon(g);
}

void DeleteEntry::PushButton2_Action(PushButton&) {
    ButtonPressed = QStringLiteral("yes");
    Hide();
}

void DeleteEntry::PushButton1_Action(PushButton&) {
    ButtonPressed = QStringLiteral("No");
    Hide();
}

void DeleteEntry::Event_Open() {
    PushButton1().SetFocus();
}

bool DeleteEntry::Event_CancelClose(bool appQuitting) {
    // A close while a caller waits answers No, so that no earlier word is read
    // as this answer.
    if (!IsModal())
        return false;
    PushButton1_Action(PushButton1());
    return !appQuitting;
}
