// Saves that cannot be completed: the old file stays as it was, the window
// stays modified and keeps its file and password, and the user is told why.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "document/MainWindowSaveTestSupport.h"
#include "document/SaveMessages.h"

using namespace savetest;

namespace {

const QString kSnowman = QString(QChar(0x2603));  // not in MacRoman

// Runs body in a child process (so that limits and identities set there stay
// there) and returns its exit code, -1 when it did not exit normally.
int InChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class MainWindowSaveFailureTest : public ::testing::Test {
protected:
    // A window saved as name (a path inside the temporary folder) under "pw",
    // then edited.
    void SavedAndEdited(const QString& name, int entries = 2, int fieldLength = 10) {
        std::vector<EntryRow> rows;
        for (int i = 0; i < entries; ++i) {
            const QString fill(fieldLength, QChar('a' + i % 26));
            rows.push_back(Entry(QStringLiteral("Entry %1").arg(i, 5, 10, QChar('0')), fill, fill, fill, fill));
        }
        window = NewDocumentWindow(rows);
        SaveNew(*window, *desktop, name, "pw");
        path = desktop->TempPath(name);
        saved = FileBytes(path);
        ASSERT_FALSE(saved.isEmpty());
        EditNotes(*window, "!");
        ASSERT_TRUE(window->TextHasChanged);
    }

    // The window as the failed save must leave it; 0 when it is so.
    int CheckUnsaved(const QString& name) {
        const bool told = desktop->messages.size() == 1 &&
                          desktop->messages[0].startsWith(SaveMessages::SaveFailed(name, QString())) &&
                          desktop->messages[0].size() > SaveMessages::SaveFailed(name, QString()).size();
        if (!told)
            std::fprintf(stderr, "messages: %s\n", qPrintable(desktop->messages.join(" | ")));
        const bool kept = window->TextHasChanged && window->Modified() && window->Title() == name &&
                          window->Document == FolderItem(path) && window->key == "pw";
        return told && kept ? 0 : 1;
    }

    void ExpectOldFileIntact() {
        EXPECT_EQ(FileBytes(path), saved);
        // No temporary file left behind.
        EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
    }

    FakeDesktop::Guard desktop;
    MainWindow* window = nullptr;
    QString path;
    QByteArray saved;
};

TEST_F(MainWindowSaveFailureTest, AFullDiskLeavesTheOldFileIntact) {
    SavedAndEdited("Big.brimel", 300, 200);  // about 300 KB
    ASSERT_GT(saved.size(), 200 * 1024);
    const int code = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{64 * 1024, 64 * 1024};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
        window->RunMenuHandler("FileSave");
        return CheckUnsaved("Big.brimel");
    });
    EXPECT_EQ(code, 0);
    ExpectOldFileIntact();
}

TEST_F(MainWindowSaveFailureTest, AnUnwritableFolderLeavesTheOldFileIntact) {
    ASSERT_TRUE(QDir(desktop->TempPath("")).mkdir("locked"));
    SavedAndEdited("locked/Doc.brimel");
    const QByteArray folder = QFile::encodeName(desktop->TempPath("locked"));
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    // The owner of every file (root) could still write there: the child saves
    // as an ordinary user, who may pass through the temporary folder.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chmod(QFile::encodeName(desktop->TempPath("")).constData(), 0755), 0);
    }

    const int code = InChild([&] {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return 2;
        window->RunMenuHandler("FileSave");
        return CheckUnsaved("Doc.brimel");
    });
    EXPECT_EQ(code, 0);
    ::chmod(folder.constData(), 0755);
    ExpectOldFileIntact();
}

TEST_F(MainWindowSaveFailureTest, AFileWhoseFolderVanishedIsReportedAndTheWindowStaysModified) {
    ASSERT_TRUE(QDir(desktop->TempPath("")).mkdir("share"));
    SavedAndEdited("share/Doc.brimel");
    ASSERT_TRUE(QDir(desktop->TempPath("share")).removeRecursively());

    window->RunMenuHandler("FileSave");
    EXPECT_EQ(CheckUnsaved("Doc.brimel"), 0);
    EXPECT_FALSE(QFileInfo::exists(path));

    // Once the folder is back, Save writes the document.
    ASSERT_TRUE(QDir(desktop->TempPath("")).mkdir("share"));
    window->RunMenuHandler("FileSave");
    EXPECT_FALSE(window->TextHasChanged);
    EXPECT_EQ(ReadDocument(path, "pw").rows.size(), 2u);
}

TEST_F(MainWindowSaveFailureTest, AVanishedFileInItsFolderIsWrittenAnewForItsOwnerOnly) {
    SavedAndEdited("Doc.brimel");
    ASSERT_TRUE(QFile::remove(path));
    window->RunMenuHandler("FileSave");
    EXPECT_TRUE(desktop->messages.isEmpty());
    EXPECT_FALSE(window->TextHasChanged);
    EXPECT_EQ(FileMode(path), 0600);
    EXPECT_EQ(ReadDocument(path, "pw").rows.at(0)[4].right(1), "!");
}

TEST_F(MainWindowSaveFailureTest, AFailedFirstSaveDoesNotPointTheWindowAtTheUnwrittenFile) {
    window = NewDocumentWindow({Entry("Bank", "", "", "1234")});
    EditNotes(*window, "!");
    AnswerNewPassword("pw");
    desktop->AnswerSave("missing/New.brimel");
    window->RunMenuHandler("FileSave");

    ASSERT_EQ(desktop->messages.size(), 1);
    EXPECT_TRUE(desktop->messages[0].startsWith(SaveMessages::SaveFailed("New.brimel", QString())));
    EXPECT_EQ(window->Title(), "untitled1");
    EXPECT_TRUE(window->Document.IsNull());
    EXPECT_EQ(window->key, QString());
    EXPECT_TRUE(window->TextHasChanged);

    // The next Save asks for both again.
    AnswerNewPassword("pw2");
    desktop->AnswerSave("New.brimel");
    window->RunMenuHandler("FileSave");
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
    EXPECT_EQ(window->Title(), "New.brimel");
    EXPECT_EQ(window->key, "pw2");
    EXPECT_FALSE(window->TextHasChanged);
}

struct BadCell {
    const char* name;
    EntryColumn column;
    const char* field;
};

const BadCell kBadCells[] = {
    {"Title", EntryColumn::Title, "Name of Entry"},
    {"URL", EntryColumn::URL, "URL"},
    {"User", EntryColumn::User, "User ID, Name, Login"},
    {"Password", EntryColumn::Password, "Password, Serial Number, PIN"},
    {"Notes", EntryColumn::Notes, "Notes"},
};

class MainWindowSaveBadCell : public MainWindowSaveFailureTest, public ::testing::WithParamInterface<BadCell> {};

TEST_P(MainWindowSaveBadCell, IsRefusedNamingTheEntryAndTheFieldAndNothingIsWritten) {
    SavedAndEdited("Doc.brimel");
    const int col = int(GetParam().column);
    window->WriteInArray(1, col, window->myArray[1][size_t(col)] + kSnowman);
    const QString title = window->myArray[1][0];

    window->RunMenuHandler("FileSave");

    ASSERT_EQ(desktop->messages.size(), 1);
    EXPECT_EQ(desktop->messages[0],
              QStringLiteral("The document \u201CDoc.brimel\u201D could not be saved: these fields hold characters "
                             "that cannot be stored in it:\n\u2022 \u201C%1\u201D of the entry \u201C%2\u201D: "
                             "\u201C%3\u201D (U+2603)\nReplace those characters and try again.")
                  .arg(GetParam().field, title, kSnowman));
    EXPECT_EQ(CheckUnsaved("Doc.brimel"), 0);
    ExpectOldFileIntact();
}

INSTANTIATE_TEST_SUITE_P(Fields, MainWindowSaveBadCell, ::testing::ValuesIn(kBadCells),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowSaveFailureTest, ABadCellInANewDocumentIsReportedBeforeAnyQuestion) {
    window = NewDocumentWindow({Entry("Snow", "", "", "", kSnowman)});
    window->RunMenuHandler("FileSave");  // no dialog is answered: none may be shown
    EXPECT_EQ(desktop->saveNames, QStringList());
    ASSERT_EQ(desktop->messages.size(), 1);
    EXPECT_TRUE(desktop->messages[0].contains("\u201CSnow\u201D"));
    EXPECT_FALSE(window->getNewKey);
    EXPECT_TRUE(window->Document.IsNull());
}

}  // namespace
