#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QListView>
#include <QWidget>

#include "TableWindow.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "support/UiDriver.h"

namespace {

// A list that passes the focus on to a hidden field, and three fields in a
// group box, each logging its focus events.
class FocusWindow : public testing::Test {
protected:
    void SetUp() override {
        auto logField = Bind<TextField>([this](TextField& f) {
            f.GotFocus = [this](TextField& c) { log.push_back("got " + c.Name()); };
            f.LostFocus = [this](TextField& c) { log.push_back("lost " + c.Name()); };
        });
        window = new TableWindow(
            HiddenSpec(),
            {
                {ControlKind::Listbox,
                 "List",
                 "",
                 10,
                 10,
                 100,
                 200,
                 LockLeft | LockTop,
                 0,
                 "",
                 "",
                 {},
                 Bind<Listbox>([this](Listbox& l) {
                     l.GotFocus = [this](Listbox&) {
                         log.push_back("got List");
                         if (passOn)
                             window->FindControl<TextField>("Search")->SetFocus();
                     };
                     l.LostFocus = [this](Listbox&) { log.push_back("lost List"); };
                 })},
                {ControlKind::GroupBox, "Group", "", 120, 10, 250, 200, LockLeft | LockTop, 1, "", "", {}, {}},
                {ControlKind::Label, "Caption", "Group", 130, 20, 100, 20, LockNone, 0, "Title", "", {}, {}},
                {ControlKind::TextField, "Title", "Group", 130, 40, 200, 22, LockNone, 1, "", "", {}, logField},
                {ControlKind::BevelButton, "Copy", "Group", 130, 70, 40, 22, LockNone, 2, "Copy", "", {}, {}},
                {ControlKind::TextField, "User", "Group", 130, 100, 200, 22, LockNone, 3, "", "", {}, logField},
                {ControlKind::TextArea,
                 "Notes",
                 "Group",
                 130,
                 130,
                 200,
                 50,
                 LockNone,
                 4,
                 "",
                 "",
                 {},
                 Bind<TextArea>([this](TextArea& a) {
                     a.GotFocus = [this](TextArea& c) { log.push_back("got " + c.Name()); };
                     a.LostFocus = [this](TextArea& c) { log.push_back("lost " + c.Name()); };
                 })},
                {ControlKind::TextField, "Search", "", 52, -64, 170, 22, LockNone, 8, "", "", {}, logField},
            });
    }

    TextField& Field(const char* name) { return *window->FindControl<TextField>(name); }

    TableWindow* window = nullptr;
    std::vector<QString> log;
    bool passOn = true;
};

TEST_F(FocusWindow, SetFocusDeliversLostThenGotInsideTheCallInAHiddenWindow) {
    Field("Title").SetFocus();
    EXPECT_EQ(log, (std::vector<QString>{"got Title"}));
    Field("User").SetFocus();
    EXPECT_EQ(log, (std::vector<QString>{"got Title", "lost Title", "got User"}));
    EXPECT_EQ(window->FocusControl(), &Field("User"));
    Field("User").SetFocus();  // already there: nothing
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(FocusWindow, FocusPassedOnByAGotFocusHandlerEndsOnTheLastTarget) {
    Field("Title").SetFocus();
    log.clear();
    window->FindControl<Listbox>("List")->SetFocus();
    EXPECT_EQ(log, (std::vector<QString>{"lost Title", "got List", "lost List", "got Search"}));
    EXPECT_EQ(window->FocusControl(), &Field("Search"));
    window->Show();
    UiDriver::Activate(*window);
    EXPECT_EQ(QApplication::focusWidget(), Field("Search").Widget());
}

// A control that is no tab stop is never landed on by Tab; from it, Tab and
// Shift+Tab go on from its place.
TEST(TabStops, AreSkippedAndLeftFromTheirPlace) {
    auto field = [](const char* name, const char* parent, int tab, bool tabStop) {
        return ControlSpec{ControlKind::TextField, name, parent, 10, 10 + 30 * tab, 100, 22, LockNone, tab, "", "",
                           {{"TabStop", tabStop}}, {}};
    };
    auto* window = new TableWindow(HiddenSpec(), {field("A", "", 0, true), field("Skipped", "", 1, false),
                                                  field("B", "", 2, true), field("C", "", 3, true)});
    window->Show();
    UiDriver::Activate(*window);
    auto& skipped = *window->FindControl<TextField>("Skipped");
    skipped.SetFocus();
    UiDriver::PressTab(*window);
    EXPECT_EQ(window->FocusControl()->Name(), "B");
    skipped.SetFocus();
    UiDriver::PressShiftTab(*window);
    EXPECT_EQ(window->FocusControl()->Name(), "A");
    UiDriver::PressTab(*window);
    EXPECT_EQ(window->FocusControl()->Name(), "B");
    UiDriver::PressTab(*window);
    UiDriver::PressTab(*window);
    EXPECT_EQ(window->FocusControl()->Name(), "A") << "round past the end, over the skipped one";
    EXPECT_EQ(skipped.Widget()->focusPolicy(), Qt::ClickFocus);
}

// A hidden field that holds a list's focus: the list shows the focus with the
// frame of a focused field, and what is typed at it reaches the field.
TEST(FocusShownBy, TheListLooksFocusedAndPassesTheKeysOn) {
    auto* window = new TableWindow(
        HiddenSpec(), {{ControlKind::Listbox, "List", "", 10, 10, 100, 200, LockNone, 0, "", "", {}, {}},
                       {ControlKind::TextField, "Field", "", 120, 10, 100, 22, LockNone, 1, "", "", {}, {}},
                       {ControlKind::TextField, "Hidden", "", 52, -64, 100, 22, LockNone, 2, "", "", {}, {}}});
    auto& list = *window->FindControl<Listbox>("List");
    auto& field = *window->FindControl<TextField>("Field");
    auto& hidden = *window->FindControl<TextField>("Hidden");
    hidden.SetFocusShownBy(list);
    window->Show();
    UiDriver::Activate(*window);
    // The left edge of a frame, half way down.
    const auto edge = [](QWidget* widget) { return widget->grab().toImage().pixelColor(0, widget->height() / 2); };

    field.SetFocus();
    const QColor focusedField = edge(field.Widget());
    const QColor unfocusedList = edge(list.View());
    hidden.SetFocus();
    EXPECT_EQ(QApplication::focusWidget(), list.View());
    EXPECT_EQ(window->FocusControl(), &hidden);
    EXPECT_EQ(edge(list.View()), focusedField);
    EXPECT_NE(edge(list.View()), unfocusedList);

    UiDriver::PressKey(*window, Qt::Key_X, "x");
    EXPECT_EQ(hidden.Text(), "x");
    EXPECT_EQ(window->FocusControl(), &hidden);
}

TEST_F(FocusWindow, LabelsAndBevelButtonsNeverTakeTheFocus) {
    Field("Title").SetFocus();
    log.clear();
    window->FindControl<RectControl>("Copy")->SetFocus();
    window->FindControl<RectControl>("Caption")->SetFocus();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(window->FocusControl(), &Field("Title"));
}

TEST_F(FocusWindow, FirstShowFocusesTheFirstControlInTabOrder) {
    passOn = false;
    window->Show();
    EXPECT_EQ(log, (std::vector<QString>{"got List"}));
}

TEST_F(FocusWindow, UserClicksAndTabsReachTheHandlersExactlyOnce) {
    passOn = false;
    window->Show();
    UiDriver::Activate(*window);
    log.clear();
    UiDriver::Click(Field("User"));
    UiDriver::ProcessEvents();
    EXPECT_EQ(log, (std::vector<QString>{"lost List", "got User"}));
    log.clear();
    UiDriver::PressTab(*window);  // User -> Notes (the bevel button is skipped)
    UiDriver::ProcessEvents();
    EXPECT_EQ(log, (std::vector<QString>{"lost User", "got Notes"}));
    log.clear();
    UiDriver::PressTab(*window);  // Notes -> Search: across the group box's end
    UiDriver::ProcessEvents();
    EXPECT_EQ(log, (std::vector<QString>{"lost Notes", "got Search"}));
    EXPECT_EQ(window->FocusControl(), &Field("Search"));
}

TEST_F(FocusWindow, TabOrderFollowsTabIndicesAcrossGroupBoxes) {
    passOn = false;
    window->Show();
    UiDriver::Activate(*window);
    Field("Title").SetFocus();
    std::vector<QString> visited;
    for (int i = 0; i < 5; ++i) {
        UiDriver::PressTab(*window);
        visited.push_back(window->FocusControl()->Name());
    }
    EXPECT_EQ(visited, (std::vector<QString>{"User", "Notes", "Search", "List", "Title"}));
}

TEST_F(FocusWindow, ClickingTheListHandsTheFocusToTheSearchField) {
    window->Show();
    UiDriver::Activate(*window);
    Field("Title").SetFocus();
    log.clear();
    UiDriver::Click(*window->FindControl<Listbox>("List"));
    UiDriver::ProcessEvents();
    EXPECT_EQ(log, (std::vector<QString>{"lost Title", "got List", "lost List", "got Search"}));
    EXPECT_EQ(QApplication::focusWidget(), Field("Search").Widget());
    UiDriver::Type(Field("Search"), "ab");
    EXPECT_EQ(Field("Search").Text(), "ab");
}

}  // namespace
