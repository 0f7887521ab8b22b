// Saves that cannot be completed: the old file stays as it was, the window
// stays modified and keeps its file and password, and the user is told why.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

#include "document/MainWindowSaveTestSupport.h"
#include "document/SaveMessages.h"
#include "support/FileFaults.h"

using namespace savetest;

namespace {

const QString kSnowman = QString(QChar(0x2603));  // not in MacRoman

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

    // The window as the failed save must leave it, having told why (reason,
    // when given, is the whole of it); 0 when it is so.
    int CheckUnsaved(const QString& name, const QString& reason = QString()) {
        const QString message = desktop->messages.value(0);
        const QString start = SaveMessages::SaveFailed(name, QString());
        const bool told = desktop->messages.size() == 1 &&
                          (reason.isEmpty() ? message.startsWith(start) && message.size() > start.size()
                                            : message == SaveMessages::SaveFailed(name, reason));
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

// A document of about 650 bytes, 20 KB or 300 KB, saved where a file-size
// limit stops the write at its first byte, its second, its 101st, halfway, or
// at its last: whatever the size, the save says why and loses nothing.
struct Stop {
    const char* name;
    int entries;
    int fieldLength;
    qint64 (*limit)(qint64 size);  // of the new file's size
};

class MainWindowSaveStopped : public MainWindowSaveFailureTest, public ::testing::WithParamInterface<Stop> {};

TEST_P(MainWindowSaveStopped, LeavesTheOldFileIntactAndTheWindowModified) {
    SavedAndEdited("Doc.brimel", GetParam().entries, GetParam().fieldLength);
    const qint64 size = saved.size() + 1;  // the edit adds one character
    const int code = filefaults::WithFileSizeLimit(GetParam().limit(size), [&] {
        window->RunMenuHandler("FileSave");
        return CheckUnsaved("Doc.brimel", filefaults::SystemReason(EFBIG));
    });
    EXPECT_EQ(code, 0);
    ExpectOldFileIntact();

    // Without the limit, the same save writes the whole document.
    window->RunMenuHandler("FileSave");
    EXPECT_FALSE(window->TextHasChanged);
    EXPECT_EQ(FileBytes(path).size(), size);
}

qint64 Nothing(qint64) {
    return 0;
}
qint64 OneByte(qint64) {
    return 1;
}
qint64 HundredBytes(qint64) {
    return 100;
}
qint64 Half(qint64 size) {
    return size / 2;
}
qint64 AllButOne(qint64 size) {
    return size - 1;
}

const Stop kStops[] = {
    {"Small0", 3, 40, Nothing},           {"Small1", 3, 40, OneByte},           {"Small100", 3, 40, HundredBytes},
    {"SmallHalf", 3, 40, Half},           {"SmallLast", 3, 40, AllButOne},      {"Medium0", 20, 200, Nothing},
    {"Medium1", 20, 200, OneByte},        {"Medium100", 20, 200, HundredBytes}, {"MediumHalf", 20, 200, Half},
    {"MediumLast", 20, 200, AllButOne},   {"Large0", 300, 200, Nothing},        {"Large1", 300, 200, OneByte},
    {"Large100", 300, 200, HundredBytes}, {"LargeHalf", 300, 200, Half},        {"LargeLast", 300, 200, AllButOne},
};

INSTANTIATE_TEST_SUITE_P(Limits, MainWindowSaveStopped, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

// A real file system with no room left, as the document lives on it.
TEST_F(MainWindowSaveFailureTest, AFullFileSystemLeavesTheOldFileIntact) {
    ASSERT_TRUE(QDir(desktop->TempPath("")).mkdir("disk"));
    SavedAndEdited("disk/Doc.brimel");
    const QString disk = desktop->TempPath("disk");
    const int code = filefaults::OnTmpfs(disk, 256 * 1024, [&] {
        // The document as it was saved, on the new file system, then no room.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(saved) != saved.size() || !file.flush() ||
            !filefaults::FillUp(disk))
            return filefaults::kNotSetUp;
        window->RunMenuHandler("FileSave");
        const bool kept = FileBytes(path) == saved &&
                          QDir(disk).entryList(QDir::Files | QDir::Hidden) == QStringList{"Doc.brimel", "filler"};
        return CheckUnsaved("Doc.brimel", filefaults::SystemReason(ENOSPC)) == 0 && kept ? 0 : 1;
    });
    if (code == filefaults::kNotSetUp)
        SKIP_UNLESS_CI("no tmpfs can be mounted here: that takes root");
    EXPECT_EQ(code, 0);
}

// Save As onto a named pipe: nothing waits on it and nothing replaces it.
TEST_F(MainWindowSaveFailureTest, ANamedPipeIsNeverWrittenNorReplaced) {
    SavedAndEdited("Doc.brimel");
    const QString pipe = desktop->TempPath("pipe.brimel");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    AnswerPassword("pw");
    AnswerNewPassword("new");
    desktop->AnswerSave("pipe.brimel");
    ::alarm(20);  // a wait on the pipe ends the test rather than hang it
    window->RunMenuHandler("FileSaveAs");
    ::alarm(0);
    EXPECT_EQ(desktop->messages,
              QStringList{SaveMessages::SaveFailed("pipe.brimel", "it is a named pipe, not a file.")});
    EXPECT_EQ(window->Title(), "Doc.brimel");
    EXPECT_EQ(window->Document, FolderItem(path));
    EXPECT_EQ(window->key, "pw");
    EXPECT_TRUE(window->TextHasChanged);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(FileBytes(path), saved);
}

TEST_F(MainWindowSaveFailureTest, AnUnwritableFolderLeavesTheOldFileIntact) {
    ASSERT_TRUE(QDir(desktop->TempPath("")).mkdir("locked"));
    SavedAndEdited("locked/Doc.brimel");
    const QByteArray folder = QFile::encodeName(desktop->TempPath("locked"));
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0666), 0);  // the folder alone stops the save
    // Rights do not bind root: the save is made by an ordinary user.
    const int code = filefaults::AsOrdinaryUser(desktop->TempPath(""), [&] {
        window->RunMenuHandler("FileSave");
        return CheckUnsaved("Doc.brimel", filefaults::SystemReason(EACCES));
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
