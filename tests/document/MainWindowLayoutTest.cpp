#include "MainWindowFixture.h"

#include "framework/ui/BevelButton.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/StandardToolbarItem.h"
#include "framework/ui/Timer.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QListView>
#include <QToolBar>
#include <QToolTip>
#include <QWidget>

namespace {

struct Placed {
    const char* name;
    QRect rect;
    unsigned anchors;
    int tab;
};

const Placed kControls[] = {
    {"ListBox1", {17, 20, 265, 336}, LockLeft | LockTop | LockBottom, 0},
    {"GroupBox1", {299, 20, 320, 338}, LockLeft | LockTop | LockRight | LockBottom, 1},
    {"StaticText2", {314, 31, 290, 20}, LockNone, 0},
    {"EditField1", {314, 54, 290, 22}, LockLeft | LockRight, 1},
    {"StaticText5", {314, 208, 290, 20}, LockNone, 8},
    {"EditField2", {314, 231, 238, 22}, LockLeft | LockRight, 9},
    {"BevelButton1", {564, 231, 40, 22}, LockRight, 10},
    {"StaticText6", {314, 267, 290, 20}, LockNone, 11},
    {"EditField5", {314, 290, 290, 50}, LockLeft | LockTop | LockRight | LockBottom, 12},
    {"StaticText3", {314, 149, 290, 20}, LockNone, 5},
    {"EditField4", {314, 172, 238, 22}, LockLeft | LockRight, 6},
    {"BevelButton4", {564, 172, 40, 22}, LockRight, 7},
    {"StaticText4", {314, 90, 290, 20}, LockNone, 2},
    {"EditField3", {314, 113, 238, 22}, LockLeft | LockRight, 3},
    {"BevelButton3", {564, 113, 40, 22}, LockRight, 4},
    {"EditField6", {52, -64, 170, 22}, LockNone, 8},
};

// Where each control should be after the window grew by dw, dh.
QRect Anchored(const Placed& p, int dw, int dh) {
    QRect r = p.rect;
    if (p.anchors & LockRight) {
        if (p.anchors & LockLeft)
            r.setWidth(r.width() + dw);
        else
            r.translate(dw, 0);
    }
    if (p.anchors & LockBottom) {
        if (p.anchors & LockTop)
            r.setHeight(r.height() + dh);
        else
            r.translate(0, dh);
    }
    return r;
}

class MainWindowLayout : public MainWindowTest, public testing::WithParamInterface<Placed> {};

TEST_P(MainWindowLayout, PlacedAsLaidOutAndAnchoredOnResize) {
    MainWindow& w = OpenTitles({"a"});
    const Placed& p = GetParam();
    auto* control = w.FindControl<RectControl>(QString::fromLatin1(p.name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Rect(), p.rect);
    EXPECT_EQ(control->Anchors(), p.anchors);
    EXPECT_EQ(control->TabIndex(), p.tab);
    w.SetWidth(639 + 200);
    w.SetHeight(376 + 100);
    EXPECT_EQ(control->Rect(), Anchored(p, 200, 100));
}

INSTANTIATE_TEST_SUITE_P(Controls, MainWindowLayout, testing::ValuesIn(kControls),
                         [](const testing::TestParamInfo<Placed>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, WindowKeepsItsFirstSizeAsMinimum) {
    MainWindow& w = OpenTitles({"a"});
    EXPECT_EQ(w.Width(), 639);
    EXPECT_EQ(w.Height(), 376);
    EXPECT_EQ(w.MinWidth(), 639);
    EXPECT_EQ(w.MinHeight(), 376);
    EXPECT_EQ(w.MaxWidth(), 32000);
    EXPECT_EQ(w.MaxHeight(), 32000);
    w.SetWidth(300);
    w.SetHeight(200);
    EXPECT_EQ(w.Width(), 639);
    EXPECT_EQ(w.Height(), 376);
}

TEST_F(MainWindowTest, NewWindowIsEmptyHiddenAndLocked) {
    window_ = new MainWindow();
    MainWindow& w = *window_;
    EXPECT_FALSE(w.Visible());
    EXPECT_EQ(w.Title(), "Brimel");
    EXPECT_EQ(w.entry, 0);
    EXPECT_EQ(w.ListBox1().ListCount(), 0);
    ASSERT_EQ(w.myArray.size(), std::size_t(MainWindow::kInitialRows));
    EXPECT_EQ(w.myArray.back(), EntryRow{});
    EXPECT_TRUE(w.Document.IsNull());
    EXPECT_FALSE(w.TextHasChanged);
    EXPECT_FALSE(w.getNewKey);
    EXPECT_TRUE(w.key.isEmpty());
    EXPECT_EQ(w.inrc4, nullptr);
    EXPECT_TRUE(w.EntriesAreLocked);
    EXPECT_EQ(w.ToolbarItem4().Caption(), "Edit Off");
    for (TextField* f : {&w.EditField1(), &w.EditField2(), &w.EditField3(), &w.EditField4()}) {
        EXPECT_TRUE(f->ReadOnly()) << f->Name().toStdString();
        EXPECT_EQ(f->LimitText(), 255);
    }
    EXPECT_TRUE(w.EditField5().ReadOnly());
    EXPECT_EQ(w.EditField5().LimitText(), 255);
    EXPECT_EQ(w.EditField6().LimitText(), 0);
    EXPECT_TRUE(w.EditField4().Password());
    EXPECT_FALSE(w.EditField1().Password());
    EXPECT_EQ(w.Timer1().Mode(), 2);
    EXPECT_EQ(w.Timer1().Period(), 500);
}

// Hovering a row shows the list's help tag, with its hint that typing searches
// the list, also when the rows fill the list and their titles are cut short.
TEST_F(MainWindowTest, TheListShowsItsHelpTagOverItsRows) {
    QStringList titles;
    for (int i = 0; i < 40; ++i)  // more than the list shows
        titles << QStringLiteral("Entry %1 with a title too long for the list to show whole").arg(i);
    MainWindow& w = OpenTitles(titles);
    QListView* view = w.ListBox1().View();
    const QString expected = QString(w.ListBox1().HelpTag()).replace('\r', '\n');
    for (const QPoint at : {view->visualRect(view->model()->index(0, 0)).center(),
                            view->visualRect(view->model()->index(5, 0)).center()}) {
        QToolTip::hideText();
        QHelpEvent hover(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &hover);
        EXPECT_EQ(QToolTip::text(), expected);
    }
    QToolTip::hideText();
}

TEST_F(MainWindowTest, CaptionsAndHelpTags) {
    MainWindow& w = OpenTitles({"a"});
    EXPECT_EQ(w.StaticText2().Text(), "Name of Entry");
    EXPECT_EQ(w.StaticText4().Text(), "User ID, Name, Login");
    EXPECT_EQ(w.StaticText3().Text(), "Password, Serial Number, PIN");
    EXPECT_EQ(w.StaticText5().Text(), "URL");
    EXPECT_EQ(w.StaticText6().Text(), "Notes");
    EXPECT_EQ(w.BevelButton1().Caption(), "Visit");
    EXPECT_EQ(w.BevelButton3().Caption(), "Copy");
    EXPECT_EQ(w.BevelButton4().Caption(), "Copy");
    EXPECT_EQ(w.ToolbarItem2().Caption(), "Add");
    EXPECT_EQ(w.ToolbarItem3().Caption(), "Delete");
    EXPECT_EQ(w.ToolbarItem2().HelpTag(), "Add new entry");
    EXPECT_EQ(w.ToolbarItem3().HelpTag(), "Delete entry");
    EXPECT_EQ(w.ToolbarItem4().HelpTag(), "Switch write protection on or off");
    EXPECT_EQ(w.BevelButton4().HelpTag(), "Copy to clipboard");
    EXPECT_EQ(w.EditField4().HelpTag(), "Move mouse over this field to show its content in cleartext");
    EXPECT_TRUE(w.ListBox1().HelpTag().contains("hand side.\rTo search"));
    EXPECT_EQ(w.StandardToolbarItem1().Type(), 1);
}

struct Tagged {
    const char* name;
    QString helpTag;  // exactly; empty: none
    bool size12;      // font size 12, else the default size
};

const Tagged kTagged[] = {
    {"ListBox1",
     "Content of selected entry is shown on the right hand side.\r"
     "To search for a specific entry, click here and type what you're searching for.",
     true},
    {"GroupBox1", "", false},
    {"StaticText2", "", false},
    {"EditField1", "Content is shown in the listbox on the left", true},
    {"StaticText5", "", false},
    {"EditField2", "Enter a URL, e.g. http://www.example.com", true},
    {"BevelButton1", "Opens URL in default browser set in Safari > Preferences > General > Default web browser", false},
    {"StaticText6", "", false},
    {"EditField5",
     "This field - like all other fields - is limited to 255 characters. Brimel will only save the first 255 "
     "characters entered.",
     true},
    {"StaticText3", "", false},
    {"EditField4", "Move mouse over this field to show its content in cleartext", true},
    {"BevelButton4", "Copy to clipboard", false},
    {"StaticText4", "", false},
    {"EditField3", "", true},
    {"BevelButton3", "Copy to clipboard", false},
    {"EditField6", "", false},
};

class MainWindowHelpTags : public MainWindowTest, public testing::WithParamInterface<Tagged> {};

TEST_P(MainWindowHelpTags, HelpTagAndFontSizeAsLaidOut) {
    MainWindow& w = OpenTitles({"a"});
    auto* control = w.FindControl<RectControl>(QString::fromLatin1(GetParam().name));
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->HelpTag(), GetParam().helpTag);
    // On screen a carriage return in a help tag breaks the tool tip's line.
    EXPECT_EQ(control->Widget()->toolTip(), QString(GetParam().helpTag).replace('\r', '\n'));
    // The labels and buttons inside the group box must not take its size.
    const QFont font = control->Widget()->font();
    if (GetParam().size12)
        EXPECT_EQ(font.pixelSize(), 12);
    else
        EXPECT_EQ(font, QApplication::font(control->Widget()));
}

INSTANTIATE_TEST_SUITE_P(Controls, MainWindowHelpTags, testing::ValuesIn(kTagged),
                         [](const testing::TestParamInfo<Tagged>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, ToolbarItemsInOrderWithTheirTags) {
    MainWindow& w = OpenTitles({"a"});
    EXPECT_EQ(w.ToolbarItem2().HelpTag(), "Add new entry");
    EXPECT_EQ(w.ToolbarItem3().HelpTag(), "Delete entry");
    EXPECT_EQ(w.StandardToolbarItem1().HelpTag(), "");
    EXPECT_EQ(w.ToolbarItem4().HelpTag(), "Switch write protection on or off");
    const QList<QAction*> actions = w.Toolbar()->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0], w.ToolbarItem2().NativeAction());
    EXPECT_EQ(actions[1], w.ToolbarItem3().NativeAction());
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions[3], w.ToolbarItem4().NativeAction());
    EXPECT_EQ(actions[0]->toolTip(), "Add new entry");
}

TEST_F(MainWindowTest, TabGoesThroughTheFieldsInScreenOrder) {
    MainWindow& w = OpenTitles({"a"});
    UiDriver::Click(w.EditField1());
    ASSERT_EQ(w.FocusControl(), &w.EditField1());
    const std::vector<RectControl*> order = {&w.EditField3(), &w.EditField4(), &w.EditField2(), &w.EditField5()};
    for (RectControl* next : order) {
        UiDriver::PressTab(w);
        EXPECT_EQ(w.FocusControl(), next) << next->Name().toStdString();
    }
}

TEST_F(MainWindowTest, ModifiedMarkFollowsSetWindowModified) {
    MainWindow& w = OpenTitles({"a"});
    w.SetWindowModified(w, true);
    EXPECT_TRUE(w.Modified());
    w.SetWindowModified(w, false);
    EXPECT_FALSE(w.Modified());
    EXPECT_FALSE(w.TextHasChanged);
}

}  // namespace
