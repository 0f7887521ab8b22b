#include "dialogs/Password2.h"

#include "dialogs/DialogLayout.h"
#include "framework/core/StrComp.h"
#include "framework/ui/DesktopServices.h"
#include "framework/ui/ImplicitInstance.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"

Password2& Password2::Instance() {
    return ImplicitInstance<Password2>();
}

Password2::Password2() {
    Build(Layout(), CreateControls());
}

WindowSpec Password2::Layout() {
    return DialogWindow(FrameKind::Sheet);
}

std::vector<ControlSpec> Password2::CreateControls() {
    const QVariantMap passwordField{{"Password", true}, {"TextSize", 12}, {"LimitText", 0}};
    return {
        LayoutRow(ControlKind::TextField, QStringLiteral("EditField1"), 179, 15, 221, 22, 0, QString(), passwordField),
        LayoutRow(ControlKind::TextField, QStringLiteral("EditField2"), 179, 45, 221, 22, 1, QString(), passwordField),
        ButtonRow(QStringLiteral("PushButton2"), 250, 95, 69, 2, QStringLiteral("Cancel"), {{"Cancel", true}},
                  [this](PushButton& sender) { PushButton2_Action(sender); }),
        ButtonRow(QStringLiteral("PushButton1"), 331, 95, 69, 3, QStringLiteral("Enter"), {{"Default", true}},
                  [this](PushButton& sender) { PushButton1_Action(sender); }),
        LayoutRow(ControlKind::Label, QStringLiteral("StaticText1"), 24, 15, 143, 20, 4,
                  QStringLiteral("Enter new Password"), {{"Bold", true}}),
        LayoutRow(ControlKind::Label, QStringLiteral("StaticText2"), 24, 45, 143, 20, 5,
                  QStringLiteral("Retype Password"), {{"Bold", true}}),
    };
}

TextField& Password2::EditField1() const {
    return *FindControl<TextField>(QStringLiteral("EditField1"));
}

TextField& Password2::EditField2() const {
    return *FindControl<TextField>(QStringLiteral("EditField2"));
}

PushButton& Password2::PushButton2() const {
    return *FindControl<PushButton>(QStringLiteral("PushButton2"));
}

PushButton& Password2::PushButton1() const {
    return *FindControl<PushButton>(QStringLiteral("PushButton1"));
}

Label& Password2::StaticText1() const {
    return *FindControl<Label>(QStringLiteral("StaticText1"));
}

Label& Password2::StaticText2() const {
    return *FindControl<Label>(QStringLiteral("StaticText2"));
}

void Password2::PushButton2_Action(PushButton&) {
    ButtonPressed = QStringLiteral("Cancel");
    Hide();
}

void Password2::PushButton1_Action(PushButton&) {
    const QString first = EditField1().Text();
    const QString second = EditField2().Text();
    if (TextEquals(first, second) && !first.isEmpty()) {
        ButtonPressed = QStringLiteral("Enter");
        Hide();
        return;
    }
    // Emptiness first: one empty field is not a mismatch.
    if (first.isEmpty() || second.isEmpty())
        MsgBox(QStringLiteral("Please enter a Password!"));
    else
        MsgBox(QStringLiteral("The two Passwords do not match!"));
    EditField1().SetText(QString());
    EditField2().SetText(QString());
    EditField1().SetFocus();
}

bool Password2::Event_CancelClose(bool appQuitting) {
    // As in Password: a close while a caller waits answers Cancel, so that no
    // earlier word is read as this answer.
    if (!IsModal())
        return false;
    PushButton2_Action(PushButton2());
    return !appQuitting;
}
