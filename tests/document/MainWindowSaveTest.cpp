#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "document/MainWindowSaveTestSupport.h"
#include "support/TestNames.h"

using namespace savetest;

namespace {

const std::vector<EntryRow> kEntries = {
    Entry("Bank", "https://bank.example", "jo", "1234", "note"),
    Entry("Mail", "", "jo@example.org", "pw\tx*", ""),
};

class MainWindowSaveTest : public ::testing::Test {
protected:
    MainWindow& NewWindow(const std::vector<EntryRow>& rows = kEntries, const QString& title = "untitled1") {
        window = NewDocumentWindow(rows, title);
        return *window;
    }
    // A window with a file and a password.
    MainWindow& SavedWindow(const QString& name = "Bank.brimel", const QString& password = "old") {
        NewWindow();
        SaveNew(*window, *desktop, name, password);
        return *window;
    }
    QString Path(const QString& name) const { return desktop->TempPath(name); }

    FakeDesktop::Guard desktop;
    MainWindow* window = nullptr;
};

// Which dialogs each road asks, and where the document ends up.
struct Road {
    const char* name;
    bool saved;           // the window has a file and the password "old"
    const char* command;  // the menu item chosen
    bool asksPassword;    // the gate of Save As
    bool asksNewPassword;
    bool asksFile;
};

const Road kRoads[] = {
    {"NewWindowSave", false, "FileSave", false, true, true},
    {"SavedWindowSave", true, "FileSave", false, false, false},
    {"SavedWindowSaveAs", true, "FileSaveAs", true, true, true},
    {"NewWindowSaveAs", false, "FileSaveAs", false, true, true},
};

class MainWindowSaveRoad : public MainWindowSaveTest, public ::testing::WithParamInterface<Road> {};

TEST_P(MainWindowSaveRoad, AsksWhatItNeedsAndWritesTheDocument) {
    const Road& road = GetParam();
    road.saved ? SavedWindow() : NewWindow();
    const QByteArray before = FileBytes(Path("Bank.brimel"));
    desktop->saveNames.clear();
    EditNotes(*window, "!");
    ASSERT_TRUE(window->TextHasChanged);

    if (road.asksPassword)
        AnswerPassword("old");
    if (road.asksNewPassword)
        AnswerNewPassword("new");
    if (road.asksFile)
        desktop->AnswerSave("Other.brimel");
    window->RunMenuHandler(road.command);

    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
    EXPECT_EQ(desktop->saveNames.size(), road.asksFile ? 1 : 0);
    EXPECT_TRUE(desktop->messages.isEmpty()) << desktop->messages.join("; ").toStdString();
    const QString file = road.asksFile ? "Other.brimel" : "Bank.brimel";
    const QString password = road.asksNewPassword ? "new" : "old";
    EXPECT_EQ(window->Title(), file);
    EXPECT_EQ(window->Document, FolderItem(Path(file)));
    EXPECT_EQ(window->key, password);
    EXPECT_FALSE(window->TextHasChanged);
    EXPECT_FALSE(window->Modified());
    EXPECT_FALSE(window->getNewKey);

    const DocumentReadResult read = ReadDocument(Path(file), password);
    ASSERT_EQ(read.format, DocumentFormat::Current);
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0][4], "note!");
    if (road.saved && road.asksFile) {
        EXPECT_EQ(FileBytes(Path("Bank.brimel")), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Roads, MainWindowSaveRoad, ::testing::ValuesIn(kRoads),
                         [](const auto& info) { return std::string(info.param.name); });

struct Proposal {
    const char* title;
    const char* proposed;
};

class MainWindowSaveProposal : public MainWindowSaveTest, public ::testing::WithParamInterface<Proposal> {};

TEST_P(MainWindowSaveProposal, ProposesTheTitleWithTheExtensionWhenItHasNone) {
    NewWindow(kEntries, GetParam().title);
    AnswerNewPassword("pw");
    desktop->CancelSave();
    window->RunMenuHandler("FileSave");
    EXPECT_EQ(desktop->saveNames, QStringList{GetParam().proposed});
}

const Proposal kProposals[] = {
    {"untitled1", "untitled1.brimel"},
    {"Bank.brimel", "Bank.brimel"},
    {"Bank.BRIMEL", "Bank.BRIMEL"},
    // Any character before the six letters counts as the dot.
    {"xbrimel", "xbrimel"},
    {"brimel", "brimel.brimel"},
};

INSTANTIATE_TEST_SUITE_P(Titles, MainWindowSaveProposal, ::testing::ValuesIn(kProposals),
                         [](const auto& info) { return TestName(info.param.title); });

// Each way of not saving leaves the window, its file and its password as they were.
struct Cancel {
    const char* name;
    bool saved;
    const char* command;
    std::function<void(FakeDesktop&)> answer;
    QStringList messages;
};

const Cancel kCancels[] = {
    {"NewPasswordCancelled", false, "FileSave", [](FakeDesktop&) { CancelNewPassword(); }, {}},
    {"SaveDialogCancelled",
     false,
     "FileSave",
     [](FakeDesktop& d) {
         AnswerNewPassword("new");
         d.CancelSave();
     },
     {}},
    {"SaveAsPasswordCancelled", true, "FileSaveAs", [](FakeDesktop&) { CancelPassword(); }, {}},
    {"SaveAsWrongPassword", true, "FileSaveAs", [](FakeDesktop&) { AnswerPassword("Old"); }, {"Wrong Password!"}},
    {"SaveAsNewPasswordCancelled",
     true,
     "FileSaveAs",
     [](FakeDesktop&) {
         AnswerPassword("old");
         CancelNewPassword();
     },
     {}},
    {"SaveAsSaveDialogCancelled",
     true,
     "FileSaveAs",
     [](FakeDesktop& d) {
         AnswerPassword("old");
         AnswerNewPassword("new");
         d.CancelSave();
     },
     {}},
};

class MainWindowSaveCancel : public MainWindowSaveTest, public ::testing::WithParamInterface<Cancel> {};

TEST_P(MainWindowSaveCancel, WritesNothingAndChangesNothing) {
    const Cancel& c = GetParam();
    c.saved ? SavedWindow() : NewWindow();
    const QString title = window->Title();
    const FolderItem document = window->Document;
    const QString key = window->key;
    const QByteArray before = FileBytes(Path("Bank.brimel"));
    EditNotes(*window, "!");

    c.answer(*desktop);
    window->RunMenuHandler(c.command);

    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
    EXPECT_EQ(desktop->messages, c.messages);
    EXPECT_EQ(window->Title(), title);
    EXPECT_EQ(window->Document, document);
    EXPECT_EQ(window->key, key);
    EXPECT_TRUE(window->TextHasChanged);
    EXPECT_TRUE(window->Modified());
    EXPECT_FALSE(window->getNewKey);
    EXPECT_EQ(FileBytes(Path("Bank.brimel")), before);
    EXPECT_EQ(QDir(Path("")).entryList(QDir::Files), c.saved ? QStringList{"Bank.brimel"} : QStringList{});

    // A later Save goes on as before: to the old file under the old password,
    // without a question, or with both questions for a window that has none.
    if (c.saved) {
        window->RunMenuHandler("FileSave");
        EXPECT_EQ(ReadDocument(Path("Bank.brimel"), "old").rows.at(0)[4], "note!");
    }
}

INSTANTIATE_TEST_SUITE_P(Cancels, MainWindowSaveCancel, ::testing::ValuesIn(kCancels),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowSaveTest, EndsTheTitleEditFirstSoTheFileHoldsTheEntriesInOrder) {
    SavedWindow();
    UiDriver::Click(window->EditField1());
    window->EditField1().SetSelStart(0);
    UiDriver::Type(window->EditField1(), "Z");  // "ZBank" now sorts after "Mail"
    ASSERT_TRUE(window->EditField1().HasFocus());
    window->RunMenuHandler("FileSave");
    const DocumentReadResult read = ReadDocument(Path("Bank.brimel"), "old");
    ASSERT_EQ(read.rows.size(), 2u);
    EXPECT_EQ(read.rows[0][0], "Mail");
    EXPECT_EQ(read.rows[1][0], "ZBank");
}

TEST_F(MainWindowSaveTest, RoundTripKeepsEveryEntryAndSavingAgainGivesTheSameBytes) {
    const QString longest(255, QChar(0xE9));  // "é" 255 times: 255 MacRoman bytes
    const std::vector<EntryRow> rows = {
        Entry("Alpha", "a*b", "\t", "\r", "\n"),
        Entry("", "", "", "", ""),
        Entry("Beta \u00FC\u20AC", longest, "x", "y", "line1\r\nline2"),
    };
    NewWindow(rows);
    SaveNew(*window, *desktop, "Round.brimel", "pass word");
    const QByteArray first = FileBytes(Path("Round.brimel"));

    const DocumentReadResult read = ReadDocument(Path("Round.brimel"), "pass word");
    ASSERT_EQ(read.format, DocumentFormat::Current);
    ASSERT_EQ(read.rows.size(), rows.size());
    for (size_t r = 0; r < rows.size(); ++r)
        EXPECT_EQ(read.rows[r], rows[r]) << "row " << r;
    EXPECT_EQ(read.geometry.LeftPixels(), window->Left());
    EXPECT_EQ(read.geometry.WidthPixels(), window->Width());

    window->RunMenuHandler("FileSave");
    EXPECT_EQ(FileBytes(Path("Round.brimel")), first);
}

TEST_F(MainWindowSaveTest, ATableWithoutEntriesGivesAnEmptyFile) {
    NewWindow({});
    SaveNew(*window, *desktop, "Empty.brimel", "pw");
    EXPECT_TRUE(QFileInfo(Path("Empty.brimel")).exists());
    EXPECT_EQ(FileBytes(Path("Empty.brimel")), QByteArray());
}

TEST_F(MainWindowSaveTest, ANewDocumentIsForItsOwnerOnlyAndAReplacedOneKeepsItsMode) {
    SavedWindow();
    EXPECT_EQ(FileMode(Path("Bank.brimel")), 0600);

    ASSERT_EQ(::chmod(QFile::encodeName(Path("Bank.brimel")).constData(), 0644), 0);
    EditNotes(*window, "!");
    window->RunMenuHandler("FileSave");
    EXPECT_FALSE(window->TextHasChanged);
    EXPECT_EQ(FileMode(Path("Bank.brimel")), 0644);
}

TEST_F(MainWindowSaveTest, SavingClearsTheModifiedMarkAndAnEditSetsItAgain) {
    SavedWindow();
    EXPECT_FALSE(window->Modified());
    EditNotes(*window, "!");
    EXPECT_TRUE(window->Modified());
    window->RunMenuHandler("FileSave");
    EXPECT_FALSE(window->Modified());
}

}  // namespace
