#include "MainWindowFixture.h"

#include "framework/core/RegEx.h"
#include "framework/ui/Timer.h"

#include <QApplication>
#include <QListView>
#include <QThread>
#include <QTimer>
#include <random>

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

TEST_F(MainWindowSearch, FindsEveryWordOfALongTitle) {
    MainWindow& w = OpenForSearch({"first", "one two three four five six seven", "Sixty", "x"});
    w.ListBox1().SetListIndex(3);
    w.EditField6().SetText("sev");
    EXPECT_EQ(Selected(w), 1);
    Pause(w);
    w.EditField6().SetText("six");
    EXPECT_EQ(Selected(w), 1);
    Pause(w);
    w.EditField6().SetText("sixt");
    EXPECT_EQ(Selected(w), 2);
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

// Pieces of titles and typed texts that trip a search looking at titles in
// place: letters with three cases (k, K and the Kelvin sign; s, S and the long
// s; the micro sign and mu; omega and the ohm sign), accents composed and
// decomposed, blanks and tabs, pattern characters, punctuation and letters
// beyond Latin, a lone surrogate, a character outside the BMP.
const QStringList kPieces{"a",
                          "B",
                          "k",
                          "K",
                          QString::fromUtf8("\u212A"),
                          "s",
                          QString::fromUtf8("\u017F"),
                          QString::fromUtf8("\u00E9"),
                          QString::fromUtf8("e\u0301"),
                          QString::fromUtf8("\u00C9"),
                          " ",
                          "  ",
                          "\t",
                          ".",
                          "(",
                          QString::fromUtf8("\u00B5"),
                          QString::fromUtf8("\u03BC"),
                          QString::fromUtf8("\u00DF"),
                          QString::fromUtf8("\u0130"),
                          "i",
                          QString::fromUtf8("\u0131"),
                          QString(QChar(0xD800)),
                          QString::fromUcs4(U"\U0001F600"),
                          QString::fromUtf8("\u01C5"),
                          QString::fromUtf8("\u2019"),
                          QString::fromUtf8("\u20AC"),
                          QString::fromUtf8("\u03C9"),
                          QString::fromUtf8("\u03A9"),
                          QString::fromUtf8("\u2126"),
                          "ab",
                          "Ab cd"};

QString RandomText(std::mt19937& random, int most) {
    QString text;
    for (int n = 1 + int(random() % unsigned(most)); n > 0; --n)
        text += kPieces[int(random() % unsigned(kPieces.size()))];
    return text;
}

// The first entry the search pattern finds in " " and the title's stored form,
// or the one selected before when none.
int FirstHit(MainWindow& w, const QString& typed, int before) {
    RegEx re;
    re.Options.CaseSensitive = false;
    re.SearchPattern = " " + w.EscapeSpecialCharacters(typed);
    for (int i = 0; i < w.entry; ++i)
        if (re.Search(" " + w.myArray[std::size_t(i)][0].normalized(QString::NormalizationForm_C)))
            return i;
    return before;
}

// Whatever the titles hold, and however they were edited, moved or removed
// since the last search, the search selects the entry the pattern finds first,
// and the list shows every title where it stands.
TEST_F(MainWindowSearch, SelectsTheFirstEntryThePatternFinds) {
    std::mt19937 random(16);
    QStringList titles;
    for (int i = 0; i < 150; ++i)
        titles << RandomText(random, 6);
    MainWindow& w = OpenForSearch(titles);
    w.LearnTitles();
    for (int trial = 0; trial < 600; ++trial) {
        const unsigned change = random() % 8;
        switch (change) {
            case 0: {
                // As a title edit does: the entry and its row of the list.
                const int row = int(random() % unsigned(w.entry));
                w.WriteInArray(row, 0, RandomText(random, 6));
                w.ListBox1().SetCell(row, 0, w.myArray[std::size_t(row)][0]);
                break;
            }
            case 1:
                w.ListBox1().SetListIndex(int(random() % unsigned(w.entry)));
                w.DeleteInArray();
                break;
            case 2:
                w.SortEntries();
                break;
            default:
                break;
        }
        const QString typed = RandomText(random, 3);
        const int before = int(random() % unsigned(w.entry));
        Pause(w);
        w.ListBox1().SetListIndex(before);
        w.EditField6().SetText(typed);
        ASSERT_EQ(Selected(w), FirstHit(w, typed, before)) << "trial " << trial;
        // A delete or a sort rewrites the list: every row shows its title.
        if (change == 1 || change == 2) {
            ASSERT_EQ(ListTexts(w), Titles(w)) << "trial " << trial;
        }
    }
}

TEST_F(MainWindowSearch, WithoutEntriesNothingIsSelected) {
    MainWindow& w = Open({});
    w.EditField6().SetText("a");
    EXPECT_EQ(Selected(w), -1);
}

}  // namespace
