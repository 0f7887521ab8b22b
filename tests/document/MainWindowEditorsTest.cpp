#include "MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <ostream>

#include "dialogs/DeleteEntry.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/PushButton.h"
#include "support/InputEvents.h"
#include "framework/ui/Label.h"

namespace {

TEST_F(MainWindowTest, SelectingAnEntryShowsItAndStoresNothing) {
    MainWindow& w = OpenTitles({"a", "b"});
    const auto table = w.myArray;
    UiDriver::ClickRow(w.ListBox1(), 1);
    EXPECT_EQ(w.ListBox1().ListIndex(), 1);
    EXPECT_EQ(Shown(w), (EntryRow{"b", "url b", "user b", "pw b", "notes b"}));
    EXPECT_EQ(w.myArray, table);
    EXPECT_FALSE(w.TextHasChanged);
    EXPECT_FALSE(w.Modified());
}

TEST_F(MainWindowTest, ClickingTheListHandsTheFocusToTheSearchField) {
    MainWindow& w = OpenTitles({"a", "b"});
    UiDriver::Click(w.EditField3());
    UiDriver::ClickRow(w.ListBox1(), 1);
    EXPECT_EQ(w.FocusControl(), &w.EditField6());
}

TEST_F(MainWindowTest, EmptiedSelectionFallsBackToTheFirstEntry) {
    MainWindow& w = OpenTitles({"a", "b"});
    w.ListBox1().SetListIndex(1);
    w.ListBox1().SetSelected(1, false);
    EXPECT_EQ(w.ListBox1().ListIndex(), 0);
    EXPECT_EQ(w.EditField1().Text(), "a");
}

TEST_F(MainWindowTest, ClickOnTheListsFreeAreaShowsTheFirstEntry) {
    MainWindow& w = OpenTitles({"a", "b"});
    UiDriver::ClickRow(w.ListBox1(), 1);
    ASSERT_EQ(w.EditField1().Text(), "b");
    UiDriver::ClickAt(w.ListBox1(), QPoint(20, w.ListBox1().Height() - 20));
    EXPECT_EQ(w.ListBox1().ListIndex(), 0);
    EXPECT_EQ(w.ListBox1().SelCount(), 1);
    EXPECT_EQ(Shown(w), (EntryRow{"a", "url a", "user a", "pw a", "notes a"}));
    EXPECT_FALSE(w.TextHasChanged);
}

// A click on the list while a title is being edited ends the edit, which
// sorts the entries, and selects the entry that was under the pointer,
// wherever the sort took it; a Delete next removes that entry.
struct ClickAfterRename {
    const char* name;
    QStringList titles;  // in order
    int renamed;
    const char* newTitle;
    int clicked;  // the row clicked, as the list showed it
};

QStringList Numbered(int count) {
    QStringList titles;
    for (int i = 0; i < count; ++i)
        titles << QString("t%1").arg(i, 4, 10, QChar(u'0'));
    return titles;
}

const ClickAfterRename kClicks[] = {
    {"FirstRenamedPastTheOthers", {"a", "b", "c", "d"}, 0, "z", 1},
    {"LastRenamedToTheTop", {"Bank", "Mail", "Shop", "Zoo"}, 3, "Art", 2},
    {"TheEditedEntryItself", {"a", "b", "c", "d"}, 0, "z", 0},
    {"TitleThatStaysInPlace", {"a", "b", "c", "d"}, 1, "bb", 2},
    {"200Entries", Numbered(200), 0, "u", 150},
    {"6000Entries", Numbered(6000), 5999, "a", 10},
};

void PrintTo(const ClickAfterRename& c, std::ostream* os) {
    *os << c.name;
}

class MainWindowClickAfterRename : public MainWindowTest, public testing::WithParamInterface<ClickAfterRename> {};

TEST_P(MainWindowClickAfterRename, SelectsTheEntryUnderThePointer) {
    const ClickAfterRename& c = GetParam();
    MainWindow& w = OpenTitles(c.titles);
    UiDriver::ClickRow(w.ListBox1(), c.renamed);
    TextField& title = w.EditField1();
    UiDriver::Click(title);
    title.SetSelStart(0);
    title.SetSelLength(int(title.Text().size()));
    UiDriver::Type(title, c.newTitle);
    const QString clicked = c.clicked == c.renamed ? QString(c.newTitle) : c.titles[c.clicked];
    const QString clickedUser = "user " + c.titles[c.clicked];
    ASSERT_EQ(w.ListBox1().List(c.clicked), clicked);

    UiDriver::ClickRow(w.ListBox1(), c.clicked);
    const QStringList sorted = Titles(w);
    EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
    ASSERT_GE(w.ListBox1().ListIndex(), 0);
    EXPECT_EQ(sorted[w.ListBox1().ListIndex()], clicked);
    EXPECT_EQ(w.EditField1().Text(), clicked);
    EXPECT_EQ(w.EditField3().Text(), clickedUser);

    UiDriver::AnswerNextModal([](Window& dialog) { static_cast<DeleteEntry&>(dialog).PushButton2().Push(); });
    w.ToolbarItem3().Push();
    EXPECT_EQ(w.entry, c.titles.size() - 1);
    EXPECT_FALSE(Titles(w).contains(clicked));
}

INSTANTIATE_TEST_SUITE_P(Cases, MainWindowClickAfterRename, testing::ValuesIn(kClicks),
                         [](const auto& info) { return std::string(info.param.name); });

// The keyboard's way to the list after an edit: Shift+Tab ends the edit and
// type-to-search then selects the entry typed.
TEST_F(MainWindowTest, TypeToSearchAfterATitleEditSelectsTheEntryTyped) {
    MainWindow& w = OpenTitles({"a", "b", "c", "d"});
    UiDriver::Click(w.EditField1());
    w.EditField1().SetSelStart(0);
    w.EditField1().SetSelLength(1);
    UiDriver::Type(w.EditField1(), "z");
    UiDriver::PressKey(w, Qt::Key_Backtab);
    ASSERT_EQ(w.FocusControl(), &w.EditField6());
    EXPECT_EQ(Titles(w), (QStringList{"b", "c", "d", "z"}));
    EXPECT_EQ(w.ListBox1().ListIndex(), 3);
    UiDriver::Type(w.EditField6(), "c");
    EXPECT_EQ(w.ListBox1().ListIndex(), 1);
    EXPECT_EQ(Shown(w), (EntryRow{"c", "url c", "user c", "pw c", "notes c"}));
}

struct FieldCase {
    const char* name;
    int column;
    bool refreshesList;
};

class MainWindowFieldEdit : public MainWindowTest, public testing::WithParamInterface<FieldCase> {
protected:
    TextField& Field(MainWindow& w) {
        switch (GetParam().column) {
            case 0:
                return w.EditField1();
            case 1:
                return w.EditField2();
            case 2:
                return w.EditField3();
            default:
                return w.EditField4();
        }
    }
};

TEST_P(MainWindowFieldEdit, TypingStoresTheWholeTextAndMarksModified) {
    MainWindow& w = OpenTitles({"b", "c"});
    const int col = GetParam().column;
    TextField& field = Field(w);
    UiDriver::Click(field);
    UiDriver::Type(field, "x");
    const QString expected = (col == 0 ? QString("b") : QStringList{"", "url b", "user b", "pw b"}[col]) + "x";
    EXPECT_EQ(w.myArray[0][std::size_t(col)], expected);
    EXPECT_EQ(w.myArray[1][std::size_t(col)], QStringList({"c", "url c", "user c", "pw c"})[col]);
    EXPECT_TRUE(w.TextHasChanged);
    EXPECT_TRUE(w.Modified());
    EXPECT_EQ(w.ListBox1().List(0), GetParam().refreshesList ? expected : QString("b"));
}

TEST_P(MainWindowFieldEdit, PasteBeyond255IsCutInFieldAndCell) {
    MainWindow& w = OpenTitles({"a"});
    TextField& field = Field(w);
    field.SetText(QString(300, QChar(u'p')));
    EXPECT_EQ(field.Text(), QString(255, QChar(u'p')));
    EXPECT_EQ(w.myArray[0][std::size_t(GetParam().column)], QString(255, QChar(u'p')));
}

TEST_P(MainWindowFieldEdit, EditWithoutSelectionIsIgnored) {
    MainWindow& w = OpenTitles({"a", "b"});
    const auto table = w.myArray;
    w.EditField6().SetText("zzz");
    w.ListBox1().SetListIndex(-1);
    Field(w).SetText("changed");
    EXPECT_EQ(w.myArray, table);
    EXPECT_FALSE(w.TextHasChanged);
}

TEST_P(MainWindowFieldEdit, ACharacterMacRomanLacksIsStoredNotTakenForItsStandIn) {
    MainWindow& w = OpenTitles({"a"});
    const int col = GetParam().column;
    w.WriteInArray(0, col, "x?");
    Field(w).SetText("x\u0142");  // MacRoman has no l with stroke
    EXPECT_EQ(w.myArray[0][std::size_t(col)], "x\u0142");
    EXPECT_TRUE(w.TextHasChanged);
}

INSTANTIATE_TEST_SUITE_P(Fields, MainWindowFieldEdit,
                         testing::Values(FieldCase{"Title", 0, true}, FieldCase{"URL", 1, false},
                                         FieldCase{"User", 2, false}, FieldCase{"Password", 3, false}),
                         [](const testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, EqualTextStoresNothing) {
    MainWindow& w = OpenTitles({"a"});
    w.EditField2().SetText("url a");
    w.EditField5().SetText("notes a");
    EXPECT_FALSE(w.TextHasChanged);
    EXPECT_EQ(w.StaticText6().Text(), "Notes");
}

TEST_F(MainWindowTest, TitleIsSortedOnlyWhenItsFieldLosesTheFocus) {
    MainWindow& w = OpenTitles({"b", "c"});
    UiDriver::Click(w.EditField1());
    w.EditField1().SetText("z");
    EXPECT_EQ(ListTexts(w), (QStringList{"z", "c"}));
    UiDriver::Click(w.EditField3());
    EXPECT_EQ(ListTexts(w), (QStringList{"c", "z"}));
    EXPECT_EQ(w.ListBox1().ListIndex(), 1);
    EXPECT_EQ(w.EditField1().Text(), "z");
    EXPECT_EQ(w.EditField3().Text(), "user b");
}

TEST_F(MainWindowTest, NotesCountCharactersLeftWhileEdited) {
    MainWindow& w = OpenTitles({"a"});
    UiDriver::Click(w.EditField5());
    w.EditField5().SetText(QString(200, QChar(u'n')));
    EXPECT_EQ(w.StaticText6().Text(), "Notes (55 characters left)");
    w.EditField5().SetText(QString());
    EXPECT_EQ(w.StaticText6().Text(), "Notes (255 characters left)");
    EXPECT_EQ(w.myArray[0][4], QString());
    EXPECT_TRUE(w.TextHasChanged);
    UiDriver::Click(w.EditField3());
    EXPECT_EQ(w.StaticText6().Text(), "Notes");
}

TEST_F(MainWindowTest, OverlongNotesAreCutWithOneMessage) {
    MainWindow& w = OpenTitles({"a"});
    const QString note = QString(255, QChar(u'n'));
    w.WriteInArray(0, 4, note);  // even the stored note equal to the first 255
    w.EditField5().SetText(note + QString(45, QChar(u'x')));
    EXPECT_EQ(desktop_->messages,
              QStringList{"Text in Notes field too long! Only 255 Characters allowed. Text will be truncated."});
    EXPECT_EQ(w.EditField5().Text(), note);
    EXPECT_EQ(w.myArray[0][4], note);
    EXPECT_EQ(w.StaticText6().Text(), "Notes (0 characters left)");
    EXPECT_TRUE(w.Modified());
}

// A note as the file gave it (a no-break space, both kinds of line break, a
// tab) is stored back exactly, with only what the user typed added.
TEST_F(MainWindowTest, TypingInTheNotesKeepsEveryOtherCharacterAsItWas) {
    const QString note = QString("PIN\u00a01234\rline\nnext\tcol\r\nend");
    MainWindow& w = Open({{"Bank", "", "", "", note}});
    TextArea& notes = w.EditField5();
    UiDriver::Click(notes);
    static_cast<QPlainTextEdit*>(notes.Widget())->moveCursor(QTextCursor::End);
    UiDriver::Type(notes, "!");
    EXPECT_EQ(w.myArray[0][4], note + "!");
    EXPECT_TRUE(w.TextHasChanged);
    UiDriver::PressKey(w, Qt::Key_Backspace, "\b");
    EXPECT_EQ(w.myArray[0][4], note);
}

// However long the paste, the notes editor never holds more than the note can
// keep and one character: the message comes at once, and the note keeps its
// first 255 characters.
struct NotesPaste {
    const char* name;
    QString note;
    int at;  // where the cursor stands in the note
    int pasted;
};

void PrintTo(const NotesPaste& c, std::ostream* os) {
    *os << c.name;
}

const NotesPaste kPastes[] = {
    {"300IntoAnEmptyNote", "", 0, 300},
    {"20KBIntoTheMiddle", "head tail", 5, 20 * 1024},
    {"1MBOnOneLine", "x", 1, 1 << 20},
    {"1MBIntoAFullNote", QString(255, QChar(u'n')), 100, 1 << 20},
};

class MainWindowNotesPaste : public MainWindowTest, public testing::WithParamInterface<NotesPaste> {};

TEST_P(MainWindowNotesPaste, IsCutBeforeTheEditorLaysItOut) {
    const NotesPaste& c = GetParam();
    MainWindow& w = Open({{"Bank", "", "", "", c.note}});
    TextArea& notes = w.EditField5();
    auto* edit = static_cast<QPlainTextEdit*>(notes.Widget());
    QString pasted;
    while (pasted.size() < c.pasted)
        pasted += "0123456789";
    pasted.truncate(c.pasted);
    QApplication::clipboard()->setText(pasted);
    int heldAtMessage = -1;
    desktop_->onMsgBox = [&](const QString&) { heldAtMessage = edit->document()->characterCount(); };

    UiDriver::Click(notes);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(c.at);
    edit->setTextCursor(cursor);
    InputEvents::Key(edit, Qt::Key_V, QString(), Qt::ControlModifier);

    const QString expected = (c.note.left(c.at) + pasted + c.note.mid(c.at)).left(MainWindow::kCellLimit);
    EXPECT_EQ(desktop_->messages,
              QStringList{"Text in Notes field too long! Only 255 Characters allowed. Text will be truncated."});
    EXPECT_LE(heldAtMessage, 2 * (MainWindow::kCellLimit + 1));
    EXPECT_EQ(notes.Text(), expected);
    EXPECT_EQ(w.myArray[0][4], expected);
    EXPECT_EQ(edit->document()->characterCount(), MainWindow::kCellLimit + 1);
    EXPECT_EQ(w.StaticText6().Text(), "Notes (0 characters left)");
    EXPECT_TRUE(w.Modified());
}

INSTANTIATE_TEST_SUITE_P(Sizes, MainWindowNotesPaste, testing::ValuesIn(kPastes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, PasswordShownInClearUnderTheMouseOrWithTheFocus) {
    MainWindow& w = OpenTitles({"a"});
    TextField& pw = w.EditField4();
    EXPECT_TRUE(pw.Password());
    UiDriver::MouseEnter(pw);
    EXPECT_FALSE(pw.Password());
    UiDriver::MouseExit(pw);
    EXPECT_TRUE(pw.Password());
    UiDriver::Click(pw);
    EXPECT_FALSE(pw.Password());
    UiDriver::MouseEnter(pw);
    UiDriver::MouseExit(pw);
    EXPECT_TRUE(pw.Password());  // leaving masks it, focus or not
    UiDriver::MouseEnter(pw);
    UiDriver::Click(w.EditField3());
    EXPECT_TRUE(pw.Password());
}

TEST_F(MainWindowTest, CopyPutsTheRealTextOnTheClipboard) {
    MainWindow& w = Open({{"t", "u", "", "s3cr3t", ""}}, false);
    w.BevelButton4().Push();
    w.BevelButton3().Push();
    EXPECT_EQ(desktop_->clipboardTexts, (QStringList{"s3cr3t", ""}));
}

TEST_F(MainWindowTest, VisitOpensAnAddressWithoutASchemeAsHttps) {
    const struct {
        const char* typed;
        const char* opened;
    } cases[] = {
        {"www.example.org", "https://www.example.org"},
        {"www.example.com/a b", "https://www.example.com/a b"},
        {"  example.org/login ", "https://example.org/login"},
        {"example.org:8080/a", "https://example.org:8080/a"},
        {"localhost:8080", "https://localhost:8080"},
        {"http://example.org", "http://example.org"},
        {"HTTPS://Example.org/?q=1#x", "HTTPS://Example.org/?q=1#x"},
        {"mailto:x@example.com", "mailto:x@example.com"},
        {"ftp://files.example.org", "ftp://files.example.org"},
        {"tel:5551234", "tel:5551234"},
    };
    MainWindow& w = OpenTitles({"a"}, false);  // write-protected: Visit still works
    for (const auto& c : cases) {
        w.EditField2().SetText(c.typed);
        w.BevelButton1().Push();
        EXPECT_EQ(desktop_->urls.back(), c.opened) << c.typed;
    }
    EXPECT_TRUE(desktop_->messages.isEmpty());

    // Nothing typed, nothing to open.
    const int handed = desktop_->urls.size();
    for (const char* blank : {"", "   "}) {
        w.EditField2().SetText(blank);
        w.BevelButton1().Push();
    }
    EXPECT_EQ(desktop_->urls.size(), handed);
    EXPECT_TRUE(desktop_->messages.isEmpty());
}

TEST_F(MainWindowTest, VisitSaysSoWhenTheDesktopCannotOpenTheAddress) {
    MainWindow& w = OpenTitles({"a"});
    desktop_->opensUrls = false;
    w.EditField2().SetText("www.example.org");
    w.BevelButton1().Push();
    ASSERT_EQ(desktop_->messages.size(), 1);
    EXPECT_TRUE(desktop_->messages[0].contains("\u201Chttps://www.example.org\u201D could not be opened"))
        << qPrintable(desktop_->messages[0]);
}

}  // namespace
