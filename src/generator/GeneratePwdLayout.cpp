#include "generator/GeneratePwd.h"

#include <vector>

#include "app/MenuItems.h"
#include "framework/core/Strings.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/DesktopServices.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/ImplicitInstance.h"
#include "framework/ui/Label.h"
#include "framework/ui/LayoutRows.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/TextField.h"
#include "framework/ui/UpDownArrows.h"

namespace {

// Every control that shows text uses the system font at size 12.
QVariantMap Props(const QVariantMap& props = {}) {
    return WithProps(props, {{"TextSize", 12}});
}

const QString kGroup = QStringLiteral("GroupBox1");

}  // namespace

GeneratePwd::GeneratePwd() {
    auto radio = [this](void (GeneratePwd::*handler)()) {
        return BindAs<RadioButton>([this, handler](RadioButton& button) {
            button.Action = [this, handler](RadioButton&) { (this->*handler)(); };
        });
    };
    const std::vector<ControlSpec> controls = {
        {ControlKind::GroupBox, "GroupBox1", "", 15, 14, 236, 313, LockLeft | LockTop, 0, "", "", {}, {}},
        {ControlKind::Label,
         "StaticText1",
         kGroup,
         20,
         24,
         65,
         20,
         LockLeft | LockTop,
         0,
         "Type:",
         "",
         Props({{"Alignment", "right"}}),
         {}},
        {ControlKind::RadioButton, "RadioButton1", kGroup, 97, 24, 148, 20, LockLeft | LockTop, 1, "Alphabetic", "",
         Props({{"Value", false}}), radio(&GeneratePwd::RadioButton1_Action)},
        {ControlKind::RadioButton, "RadioButton2", kGroup, 97, 46, 148, 20, LockLeft | LockTop, 2, "Numeric", "",
         Props({{"Value", false}}), radio(&GeneratePwd::RadioButton2_Action)},
        {ControlKind::RadioButton, "RadioButton3", kGroup, 97, 68, 148, 20, LockLeft | LockTop, 3, "Alphanumeric", "",
         Props({{"Value", true}}), radio(&GeneratePwd::RadioButton3_Action)},
        {ControlKind::RadioButton, "RadioButton4", kGroup, 97, 90, 148, 20, LockLeft | LockTop, 4, "Hexadecimal", "",
         Props({{"Value", false}}), radio(&GeneratePwd::RadioButton4_Action)},
        {ControlKind::Label,
         "StaticText2",
         kGroup,
         20,
         152,
         65,
         20,
         LockLeft | LockTop,
         5,
         "Options:",
         "",
         Props({{"Alignment", "right"}}),
         {}},
        {ControlKind::CheckBox,
         "CheckBox1",
         kGroup,
         97,
         152,
         148,
         20,
         LockLeft | LockTop,
         6,
         "Mixed Case",
         "",
         Props({{"Value", true}}),
         {}},
        {ControlKind::CheckBox,
         "CheckBox2",
         kGroup,
         97,
         174,
         148,
         20,
         LockLeft | LockTop,
         7,
         "Allow Duplicates",
         "",
         Props({{"Value", true}}),
         {}},
        {ControlKind::Label,
         "StaticText3",
         kGroup,
         20,
         257,
         65,
         20,
         LockLeft | LockTop,
         8,
         "Length:",
         "",
         Props({{"Alignment", "right"}}),
         {}},
        {ControlKind::TextField,
         "EditField1",
         kGroup,
         97,
         256,
         31,
         22,
         LockLeft | LockTop,
         9,
         "14",
         "",
         Props({{"LimitText", 3}, {"Alignment", "right"}, {"ReadOnly", false}, {"Password", false}}),
         {}},
        {ControlKind::UpDownArrows,
         "UpDownArrows1",
         kGroup,
         134,
         256,
         13,
         23,
         LockLeft | LockTop,
         10,
         "",
         "",
         {},
         BindAs<UpDownArrows>([this](UpDownArrows& arrows) {
             arrows.Down = [this](UpDownArrows&) { UpDownArrows1_Down(); };
             arrows.Up = [this](UpDownArrows&) { UpDownArrows1_Up(); };
         })},
        {ControlKind::Label,
         "StaticText4",
         kGroup,
         155,
         257,
         86,
         20,
         LockLeft | LockTop,
         11,
         "Characters",
         "",
         Props({{"Alignment", "left"}}),
         {}},
        {ControlKind::PushButton, "PushButton1", kGroup, 97, 294, 138, 20, LockLeft | LockTop, 12, "Generate Password",
         "", Props({{"Default", true}, {"Cancel", false}}), BindAs<PushButton>([this](PushButton& button) {
             button.Action = [this](PushButton&) { PushButton1_Action(); };
         })},
        {ControlKind::CheckBox,
         "CheckBox3",
         kGroup,
         97,
         196,
         148,
         20,
         LockLeft | LockTop,
         13,
         "Include Symbols",
         "",
         Props({{"Value", false}}),
         {}},
        {ControlKind::TextField,
         "EditField3",
         kGroup,
         119,
         222,
         116,
         22,
         LockLeft | LockTop,
         14,
         "!@#$%",
         "",
         Props({{"ReadOnly", true}}),
         {}},
        {ControlKind::RadioButton, "RadioButton5", kGroup, 97, 112, 148, 20, LockLeft | LockTop, 15, "Speakable", "",
         Props({{"Value", false}}), radio(&GeneratePwd::RadioButton5_Action)},
        {ControlKind::Label,
         "StaticText5",
         "",
         15,
         341,
         65,
         20,
         LockLeft | LockTop,
         1,
         "Password",
         "",
         Props({{"Alignment", "left"}}),
         {}},
        {ControlKind::TextField,
         "EditField2",
         "",
         75,
         341,
         129,
         20,
         LockLeft | LockTop,
         2,
         "",
         "",
         Props({{"ReadOnly", true}}),
         {}},
        {ControlKind::BevelButton, "BevelButton1", "", 211, 340, 40, 22, LockLeft | LockTop, 3, "Copy", "", Props(),
         BindAs<BevelButton>(
             [this](BevelButton& button) { button.Action = [this](BevelButton&) { BevelButton1_Action(); }; })},
    };
    const WindowSpec window =
        ToolWindowRow(266, 376, QStringLiteral("Generate Password"), CloseButton | MinimizeButton);
    Build(window, controls);
}

GeneratePwd& GeneratePwd::Instance() {
    return ImplicitInstance<GeneratePwd>();
}

GroupBox* GeneratePwd::GroupBox1() const {
    return FindControl<GroupBox>("GroupBox1");
}
Label* GeneratePwd::StaticText1() const {
    return FindControl<Label>("StaticText1");
}
RadioButton* GeneratePwd::RadioButton1() const {
    return FindControl<RadioButton>("RadioButton1");
}
RadioButton* GeneratePwd::RadioButton2() const {
    return FindControl<RadioButton>("RadioButton2");
}
RadioButton* GeneratePwd::RadioButton3() const {
    return FindControl<RadioButton>("RadioButton3");
}
RadioButton* GeneratePwd::RadioButton4() const {
    return FindControl<RadioButton>("RadioButton4");
}
Label* GeneratePwd::StaticText2() const {
    return FindControl<Label>("StaticText2");
}
CheckBox* GeneratePwd::CheckBox1() const {
    return FindControl<CheckBox>("CheckBox1");
}
CheckBox* GeneratePwd::CheckBox2() const {
    return FindControl<CheckBox>("CheckBox2");
}
Label* GeneratePwd::StaticText3() const {
    return FindControl<Label>("StaticText3");
}
TextField* GeneratePwd::EditField1() const {
    return FindControl<TextField>("EditField1");
}
UpDownArrows* GeneratePwd::UpDownArrows1() const {
    return FindControl<UpDownArrows>("UpDownArrows1");
}
Label* GeneratePwd::StaticText4() const {
    return FindControl<Label>("StaticText4");
}
PushButton* GeneratePwd::PushButton1() const {
    return FindControl<PushButton>("PushButton1");
}
CheckBox* GeneratePwd::CheckBox3() const {
    return FindControl<CheckBox>("CheckBox3");
}
TextField* GeneratePwd::EditField3() const {
    return FindControl<TextField>("EditField3");
}
RadioButton* GeneratePwd::RadioButton5() const {
    return FindControl<RadioButton>("RadioButton5");
}
Label* GeneratePwd::StaticText5() const {
    return FindControl<Label>("StaticText5");
}
TextField* GeneratePwd::EditField2() const {
    return FindControl<TextField>("EditField2");
}
BevelButton* GeneratePwd::BevelButton1() const {
    return FindControl<BevelButton>("BevelButton1");
}

void GeneratePwd::AddMenuHandlers() {
    AddMenuHandler(QStringLiteral("FileClose"), [this] { return _FileClose_Action(); });
}

void GeneratePwd::Event_EnableMenuItems() {
    if (MenuItem* item = FileClose())
        item->Enable();
}

// Centred across the main screen, its middle at a third of the screen's height.
void GeneratePwd::Event_Open() {
    const DesktopServices::ScreenArea screen = Screen(0);
    SetLeft(DoubleToInt32(screen.Width() / 2.0 - Width() / 2.0));
    SetTop(DoubleToInt32(screen.Height() / 3.0 - Height() / 2.0));
}

bool GeneratePwd::_FileClose_Action() {
    Close();
    return false;
}
