#include "MainWindowFixture.h"

#include "framework/ui/Timer.h"

#include <QApplication>
#include <QListView>
#include <QThread>
#include <QTimer>

namespace {

class MainWindowSearch : public MainWindowTest {
protected:
    MainWindow& OpenForSearch(const QStringList& titles) {
        MainWindow& w = OpenTitles(titles);
        UiDriver::ClickRow(w.ListBox1(), 0);
        EXPECT_EQ(w.FocusControl(), &w.EditField6());
        return w;
    }
    // What the user typed so far is forgotten.
    static void Pause(MainWindow& w) { w.Timer1_Action(w.Timer1()); }
    static int Selected(MainWindow& w) { return w.ListBox1().ListIndex(); }
};

TEST_F(MainWindowSearch, FindsTheStartOfABlankSeparatedWord) {
    MainWindow& w = OpenForSearch({"Alpha Beta", "Banana", "Cabal"});
    UiDriver::Type(w.EditField6(), "b");
    EXPECT_EQ(Selected(w), 0);
    EXPECT_EQ(w.EditField1().Text(), "Alpha Beta");
    UiDriver::Type(w.EditField6(), "a");
    EXPECT_EQ(Selected(w), 1);
    EXPECT_EQ(w.EditField1().Text(), "Banana");
    EXPECT_EQ(w.ListBox1().SelCount(), 1);
    Pause(w);
    UiDriver::Type(w.EditField6(), "C");
    EXPECT_EQ(Selected(w), 2);
    Pause(w);
    UiDriver::Type(w.EditField6(), "B");
    EXPECT_EQ(Selected(w), 0);
}

// The list shows the search field's focus, and what is typed at it searches.
TEST_F(MainWindowSearch, TheListLooksFocusedAndTypingAtItSearches) {
    MainWindow& w = OpenForSearch({"Alpha Beta", "Banana", "Cabal"});
    EXPECT_EQ(QApplication::focusWidget(), w.ListBox1().View());
    UiDriver::PressKey(w, Qt::Key_C, "c");
    EXPECT_EQ(w.EditField6().Text(), "c");
    EXPECT_EQ(Selected(w), 2);
    // The list's own keys are the search field's too: Down moves nothing.
    UiDriver::PressKey(w, Qt::Key_Down);
    EXPECT_EQ(Selected(w), 2);
    EXPECT_EQ(w.FocusControl(), &w.EditField6());
}

// Tab and Shift+Tab leave the search field for the first and the last editor,
// and Tab from the notes goes round to the title, never into the search field.
TEST_F(MainWindowSearch, TabAndShiftTabLeaveTheSearchFieldForTheEditors) {
    MainWindow& w = OpenForSearch({"Alpha Beta", "Banana", "Cabal"});
    UiDriver::PressTab(w);
    EXPECT_EQ(w.FocusControl(), &w.EditField1());
    EXPECT_EQ(QApplication::focusWidget(), w.EditField1().Widget());
    const std::vector<RectControl*> forward{&w.EditField3(), &w.EditField4(), &w.EditField2(), &w.EditField5(),
                                            &w.EditField1()};
    for (RectControl* next : forward) {
        UiDriver::PressTab(w);
        EXPECT_EQ(w.FocusControl(), next) << next->Name().toStdString();
    }

    UiDriver::ClickRow(w.ListBox1(), 1);
    ASSERT_EQ(w.FocusControl(), &w.EditField6());
    UiDriver::PressShiftTab(w);
    EXPECT_EQ(w.FocusControl(), &w.EditField5());
    UiDriver::PressTab(w);
    EXPECT_EQ(w.FocusControl(), &w.EditField1());
    // Typed now, a letter edits the title; the selected entry stays.
    UiDriver::PressKey(w, Qt::Key_Q, "q");
    EXPECT_EQ(Selected(w), 1);
    EXPECT_EQ(w.EditField1().Text(), "q") << "Tab selected the title's text, the letter replaced it";
    EXPECT_EQ(w.EditField6().Text(), "");
}

TEST_F(MainWindowSearch, PauseStartsANewSearch) {
    MainWindow& w = OpenForSearch({"Alpha Beta", "Banana", "Cabal"});
    UiDriver::Type(w.EditField6(), "b");
    Pause(w);
    EXPECT_EQ(w.EditField6().Text(), "");
    UiDriver::Type(w.EditField6(), "a");
    EXPECT_EQ(Selected(w), 0);  // "a" alone: Alpha Beta
}

TEST_F(MainWindowSearch, NoHitKeepsTheSelection) {
    MainWindow& w = OpenForSearch({"Alpha Beta", "Banana", "Cabal"});
    w.ListBox1().SetListIndex(2);
    UiDriver::Type(w.EditField6(), "x");
    EXPECT_EQ(Selected(w), 2);
    EXPECT_EQ(w.ListBox1().SelCount(), 1);
    EXPECT_EQ(w.EditField1().Text(), "Cabal");
    // Emptying the buffer searches nothing; the selection stays.
    UiDriver::PressKey(w, Qt::Key_Backspace);
    EXPECT_EQ(w.EditField6().Text(), "");
    EXPECT_EQ(Selected(w), 2);
}

TEST_F(MainWindowSearch, EveryMetacharacterIsFoundLiterally) {
    const QString specials = QStringLiteral("\"'$()\\?*+.^-[]|{}");
    QStringList titles{"plain"};
    for (QChar c : specials)
        titles << QString("x %1y").arg(c);
    MainWindow& w = OpenForSearch(titles);
    for (int i = 0; i < specials.size(); ++i) {
        Pause(w);
        w.ListBox1().SetListIndex(0);
        w.EditField6().SetText(QString(specials[i]));
        EXPECT_EQ(Selected(w), i + 1) << QString(specials[i]).toStdString();
    }
    EXPECT_EQ(w.EscapeSpecialCharacters(specials).size(), 2 * specials.size());
    EXPECT_EQ(w.EscapeSpecialCharacters("a.b"), "a\\.b");
    EXPECT_EQ(w.EscapeSpecialCharacters("#&!"), "#&!");
}

TEST_F(MainWindowSearch, DotFindsOnlyAWordStartingWithADot) {
    MainWindow& w = OpenForSearch({"abc", "a.b", "x .dot"});
    w.EditField6().SetText(".");
    EXPECT_EQ(Selected(w), 2);
}

TEST_F(MainWindowSearch, LeadingBlankFindsTwoBlanksOrALeadingOne) {
    MainWindow& w = OpenForSearch({"a b", "a  b"});
    w.EditField6().SetText(" ");
    EXPECT_EQ(Selected(w), 1);
}

TEST_F(MainWindowSearch, TimerRunsWhileTheSearchFieldHasTheFocus) {
    MainWindow& w = OpenForSearch({"Alpha Beta", "Banana"});
    EXPECT_TRUE(w.Timer1().Enabled());
    UiDriver::Type(w.EditField6(), "ba");
    UiDriver::Click(w.EditField3());
    EXPECT_FALSE(w.Timer1().Enabled());
    EXPECT_EQ(w.EditField6().Text(), "");
    EXPECT_EQ(Selected(w), 1);  // the entry found stays selected
    EXPECT_FALSE(w.EditField6_KeyDown(w.EditField6(), "a"));
}

// Keys that type nothing still restart the period: the buffer is forgotten
// only 500 ms after the last key of any kind.
TEST_F(MainWindowSearch, EveryKeyRestartsTheTimerWithoutSearching) {
    MainWindow& w = OpenForSearch({"Alpha Beta", "Banana", "Cabal"});
    UiDriver::Type(w.EditField6(), "ba");
    ASSERT_EQ(Selected(w), 1);
    auto* timer = w.Timer1().findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    timer->setTimerType(Qt::PreciseTimer);
    w.Timer1().SetPeriod(10000);  // long enough never to fire during the test
    for (int key : {Qt::Key_Left, Qt::Key_Down, Qt::Key_F5}) {
        QThread::msleep(20);
        const int before = timer->remainingTime();
        UiDriver::PressKey(w, key);
        EXPECT_GT(timer->remainingTime(), before) << key;
        EXPECT_EQ(w.EditField6().Text(), "ba");
        EXPECT_EQ(Selected(w), 1);
        EXPECT_EQ(w.ListBox1().SelCount(), 1);
    }
}

TEST_F(MainWindowSearch, WithoutEntriesNothingIsSelected) {
    MainWindow& w = Open({});
    w.EditField6().SetText("a");
    EXPECT_EQ(Selected(w), -1);
}

}  // namespace
