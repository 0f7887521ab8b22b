#include "document/MainWindow.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/LayoutRows.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/StandardToolbarItem.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Timer.h"
#include "framework/ui/ToolbarItem.h"

namespace {

const unsigned kLeftRight = LockLeft | LockRight;
const unsigned kAllEdges = LockLeft | LockTop | LockRight | LockBottom;

const QVariantMap kEditorProps{{"LimitText", MainWindow::kCellLimit}, {"TextSize", 12}};

}  // namespace

WindowSpec MainWindow::Layout() {
    WindowSpec spec = WindowRow(FrameKind::Document, 639, 376, QStringLiteral("Brimel"));
    spec.minWidth = spec.width;
    spec.minHeight = spec.height;
    spec.visible = false;
    return spec;
}

std::vector<ControlSpec> MainWindow::CreateControls() {
    return _CreateControls0();
}

std::vector<ControlSpec> MainWindow::_CreateControls0() {
    const QString copy = QStringLiteral("Copy");
    const QString copyTag = QStringLiteral("Copy to clipboard");
    const QVariantMap passwordProps = WithProps(kEditorProps, {{"Password", true}});

    std::vector<ControlSpec> c;
    c.reserve(21);

    c.push_back(ControlRow(ControlKind::Listbox, "ListBox1", "", 17, 20, 265, 336, LockLeft | LockTop | LockBottom, 0,
                           {},
                           QStringLiteral("Content of selected entry is shown on the right hand side.\r"
                                          "To search for a specific entry, click here and type what you're "
                                          "searching for."),
                           // Its focus passes to the search field at once: Tab does not land on it, so
                           // the notes never lead into the search; Shift+Tab from the title comes back
                           // to it, the keyboard's way to the list.
                           {{"TextSize", 12}, {"TabStop", false}, {"BacktabStop", true}}));
    c.back().bind = BindAs<Listbox>([this](Listbox& list) {
        list.GotFocus = [this](Listbox& sender) { ListBox1_GotFocus(sender); };
        list.Change = [this](Listbox& sender) { ListBox1_Change(sender); };
    });

    // The group box has no caption, so its size 12 would show only through the
    // labels and buttons inside it, which take the default size; the editors
    // set their 12 themselves.
    c.push_back(ControlRow(ControlKind::GroupBox, "GroupBox1", "", 299, 20, 320, 338, kAllEdges, 1));

    c.push_back(ControlRow(ControlKind::Label, "StaticText2", "GroupBox1", 314, 31, 290, 20, LockNone, 0,
                           QStringLiteral("Name of Entry")));

    c.push_back(ControlRow(ControlKind::TextField, "EditField1", "GroupBox1", 314, 54, 290, 22, kLeftRight, 1, {},
                           QStringLiteral("Content is shown in the listbox on the left"), kEditorProps));
    c.back().bind = BindAs<TextField>([this](TextField& field) {
        field.TextChange = [this](TextField& sender) { EditField1_TextChange(sender); };
        field.LostFocus = [this](TextField& sender) { EditField1_LostFocus(sender); };
    });

    c.push_back(ControlRow(ControlKind::Label, "StaticText5", "GroupBox1", 314, 208, 290, 20, LockNone, 8,
                           QStringLiteral("URL")));

    c.push_back(ControlRow(ControlKind::TextField, "EditField2", "GroupBox1", 314, 231, 238, 22, kLeftRight, 9, {},
                           QStringLiteral("Enter a URL, e.g. http://www.example.com"), kEditorProps));
    c.back().bind = BindAs<TextField>(
        [this](TextField& field) { field.TextChange = [this](TextField& sender) { EditField2_TextChange(sender); }; });

    c.push_back(ControlRow(ControlKind::BevelButton, "BevelButton1", "GroupBox1", 564, 231, 40, 22, LockRight, 10,
                           QStringLiteral("Visit"),
                           QStringLiteral("Opens URL in default browser set in Safari > Preferences > General > "
                                          "Default web browser")));
    c.back().bind = BindAs<BevelButton>(
        [this](BevelButton& button) { button.Action = [this](BevelButton& sender) { BevelButton1_Action(sender); }; });

    c.push_back(ControlRow(ControlKind::Label, "StaticText6", "GroupBox1", 314, 267, 290, 20, LockNone, 11,
                           QStringLiteral("Notes")));

    c.push_back(ControlRow(ControlKind::TextArea, "EditField5", "GroupBox1", 314, 290, 290, 50, kAllEdges, 12, {},
                           QStringLiteral("This field - like all other fields - is limited to 255 characters. "
                                          "Brimel will only save the first 255 characters entered."),
                           kEditorProps));
    c.back().bind = BindAs<TextArea>([this](TextArea& area) {
        area.TextChange = [this](TextArea& sender) { EditField5_TextChange(sender); };
        area.LostFocus = [this](TextArea& sender) { EditField5_LostFocus(sender); };
    });

    c.push_back(ControlRow(ControlKind::Label, "StaticText3", "GroupBox1", 314, 149, 290, 20, LockNone, 5,
                           QStringLiteral("Password, Serial Number, PIN")));

    c.push_back(ControlRow(ControlKind::TextField, "EditField4", "GroupBox1", 314, 172, 238, 22, kLeftRight, 6, {},
                           QStringLiteral("Move mouse over this field to show its content in cleartext"),
                           passwordProps));
    c.back().bind = BindAs<TextField>([this](TextField& field) {
        field.GotFocus = [this](TextField& sender) { EditField4_GotFocus(sender); };
        field.MouseExit = [this](TextField& sender) { EditField4_MouseExit(sender); };
        field.MouseEnter = [this](TextField& sender) { EditField4_MouseEnter(sender); };
        field.LostFocus = [this](TextField& sender) { EditField4_LostFocus(sender); };
        field.TextChange = [this](TextField& sender) { EditField4_TextChange(sender); };
    });

    c.push_back(ControlRow(ControlKind::BevelButton, "BevelButton4", "GroupBox1", 564, 172, 40, 22, LockRight, 7, copy,
                           copyTag));
    c.back().bind = BindAs<BevelButton>(
        [this](BevelButton& button) { button.Action = [this](BevelButton& sender) { BevelButton4_Action(sender); }; });

    c.push_back(ControlRow(ControlKind::Label, "StaticText4", "GroupBox1", 314, 90, 290, 20, LockNone, 2,
                           QStringLiteral("User ID, Name, Login")));

    c.push_back(ControlRow(ControlKind::TextField, "EditField3", "GroupBox1", 314, 113, 238, 22, kLeftRight, 3, {}, {},
                           kEditorProps));
    c.back().bind = BindAs<TextField>(
        [this](TextField& field) { field.TextChange = [this](TextField& sender) { EditField3_TextChange(sender); }; });

    c.push_back(ControlRow(ControlKind::BevelButton, "BevelButton3", "GroupBox1", 564, 113, 40, 22, LockRight, 4, copy,
                           copyTag));
    c.back().bind = BindAs<BevelButton>(
        [this](BevelButton& button) { button.Action = [this](BevelButton& sender) { BevelButton3_Action(sender); }; });

    c.push_back(ControlRow(ControlKind::ToolbarItem, "ToolbarItem2", "", 0, 0, 0, 0, LockNone, 0, QStringLiteral("Add"),
                           QStringLiteral("Add new entry")));
    c.back().bind = BindAs<ToolbarItem>([this](ToolbarItem& item) {
        item.Open = [this](ToolbarItem& sender) { ToolbarItem2_Open(sender); };
        item.Action = [this](ToolbarItem& sender) { ToolbarItem2_Action(sender); };
    });

    c.push_back(ControlRow(ControlKind::ToolbarItem, "ToolbarItem3", "", 0, 0, 0, 0, LockNone, 0,
                           QStringLiteral("Delete"), QStringLiteral("Delete entry")));
    c.back().bind = BindAs<ToolbarItem>([this](ToolbarItem& item) {
        item.Open = [this](ToolbarItem& sender) { ToolbarItem3_Open(sender); };
        item.Action = [this](ToolbarItem& sender) { ToolbarItem3_Action(sender); };
    });

    c.push_back(ControlRow(ControlKind::StandardToolbarItem, "StandardToolbarItem1", "", 0, 0, 0, 0, LockNone, 0, {},
                           {}, {{"Type", 1}}));

    c.push_back(ControlRow(ControlKind::ToolbarItem, "ToolbarItem4", "", 0, 0, 0, 0, LockNone, 0, {},
                           QStringLiteral("Switch write protection on or off")));
    c.back().bind = BindAs<ToolbarItem>([this](ToolbarItem& item) {
        item.Action = [this](ToolbarItem& sender) { ToolbarItem4_Action(sender); };
        item.Open = [this](ToolbarItem& sender) { ToolbarItem4_Open(sender); };
    });

    // The search buffer lies above the content area: never seen, yet it can
    // hold the focus. Meanwhile the list shows the focus and passes on what is
    // typed into it; Tab and Shift+Tab leave it for the first and last editor,
    // and never land on it.
    c.push_back(ControlRow(ControlKind::TextField, "EditField6", "", 52, -64, 170, 22, LockNone, 8, {}, {},
                           {{"LimitText", 0}, {"TabStop", false}}));
    c.back().bind = BindAs<TextField>([this](TextField& field) {
        field.SetFocusShownBy(ListBox1());
        field.LostFocus = [this](TextField& sender) { EditField6_LostFocus(sender); };
        field.TextChange = [this](TextField& sender) { EditField6_TextChange(sender); };
        field.GotFocus = [this](TextField& sender) { EditField6_GotFocus(sender); };
        field.KeyDown = [this](TextField& sender, const QString& key) { return EditField6_KeyDown(sender, key); };
    });

    // The search field's focus switches the timer on; until then it rests.
    c.push_back(ControlRow(ControlKind::Timer, "Timer1", "", 0, 0, 0, 0, LockNone, 0, {}, {},
                           {{"Mode", 2}, {"Period", 500}, {"Enabled", false}}));
    c.back().bind =
        BindAs<::Timer>([this](::Timer& timer) { timer.Action = [this](::Timer& sender) { Timer1_Action(sender); }; });

    return c;
}

Listbox& MainWindow::ListBox1() const {
    return *FindControl<Listbox>(QStringLiteral("ListBox1"));
}
GroupBox& MainWindow::GroupBox1() const {
    return *FindControl<GroupBox>(QStringLiteral("GroupBox1"));
}
Label& MainWindow::StaticText2() const {
    return *FindControl<Label>(QStringLiteral("StaticText2"));
}
TextField& MainWindow::EditField1() const {
    return *FindControl<TextField>(QStringLiteral("EditField1"));
}
Label& MainWindow::StaticText5() const {
    return *FindControl<Label>(QStringLiteral("StaticText5"));
}
TextField& MainWindow::EditField2() const {
    return *FindControl<TextField>(QStringLiteral("EditField2"));
}
BevelButton& MainWindow::BevelButton1() const {
    return *FindControl<BevelButton>(QStringLiteral("BevelButton1"));
}
Label& MainWindow::StaticText6() const {
    return *FindControl<Label>(QStringLiteral("StaticText6"));
}
TextArea& MainWindow::EditField5() const {
    return *FindControl<TextArea>(QStringLiteral("EditField5"));
}
Label& MainWindow::StaticText3() const {
    return *FindControl<Label>(QStringLiteral("StaticText3"));
}
TextField& MainWindow::EditField4() const {
    return *FindControl<TextField>(QStringLiteral("EditField4"));
}
BevelButton& MainWindow::BevelButton4() const {
    return *FindControl<BevelButton>(QStringLiteral("BevelButton4"));
}
Label& MainWindow::StaticText4() const {
    return *FindControl<Label>(QStringLiteral("StaticText4"));
}
TextField& MainWindow::EditField3() const {
    return *FindControl<TextField>(QStringLiteral("EditField3"));
}
BevelButton& MainWindow::BevelButton3() const {
    return *FindControl<BevelButton>(QStringLiteral("BevelButton3"));
}
ToolbarItem& MainWindow::ToolbarItem2() const {
    return *FindControl<ToolbarItem>(QStringLiteral("ToolbarItem2"));
}
ToolbarItem& MainWindow::ToolbarItem3() const {
    return *FindControl<ToolbarItem>(QStringLiteral("ToolbarItem3"));
}
StandardToolbarItem& MainWindow::StandardToolbarItem1() const {
    return *FindControl<StandardToolbarItem>(QStringLiteral("StandardToolbarItem1"));
}
ToolbarItem& MainWindow::ToolbarItem4() const {
    return *FindControl<ToolbarItem>(QStringLiteral("ToolbarItem4"));
}
TextField& MainWindow::EditField6() const {
    return *FindControl<TextField>(QStringLiteral("EditField6"));
}
::Timer& MainWindow::Timer1() const {
    return *FindControl<::Timer>(QStringLiteral("Timer1"));
}
