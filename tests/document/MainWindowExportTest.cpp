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
#include "support/TestNames.h"

using namespace savetest;

namespace {

class MainWindowExportTest : public ::testing::Test {
protected:
    MainWindow& NewWindow(const std::vector<EntryRow>& rows, const QString& title = "untitled1") {
        window = NewDocumentWindow(rows, title);
        return *window;
    }
    QString Path(const QString& name) const { return desktop->TempPath(name); }

    FakeDesktop::Guard desktop;
    MainWindow* window = nullptr;
};

struct ExportName {
    const char* title;
    const char* proposed;
};

class MainWindowExportProposal : public MainWindowExportTest, public ::testing::WithParamInterface<ExportName> {};

TEST_P(MainWindowExportProposal, DropsTheDocumentExtensionAndAddsTsv) {
    NewWindow({Entry("A")}, GetParam().title);
    desktop->CancelSave();
    window->RunMenuHandler("FileExport");
    EXPECT_EQ(desktop->saveNames, QStringList{GetParam().proposed});
    EXPECT_TRUE(QDir(Path("")).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(desktop->messages.isEmpty());
}

const ExportName kNames[] = {
    {"Bank.brimel", "Bank.tsv"},
    {"untitled3", "untitled3.tsv"},
    {"Bank.brimel old", "Bank old.tsv"},
    {"xbrimel", ".tsv"},
};

INSTANTIATE_TEST_SUITE_P(Titles, MainWindowExportProposal, ::testing::ValuesIn(kNames),
                         [](const auto& info) { return TestName(info.param.title); });

TEST_F(MainWindowExportTest, WritesOneLineOfFiveFieldsPerEntryInMacRoman) {
    NewWindow({
        Entry("Bank", "https://b.example", "jo", "12\t34", "two\r\nlines\nand\rmore"),
        Entry("", "", "", "", ""),
        Entry("Caf\u00E9 \u20AC", "*", "", "", ""),
    });
    desktop->AnswerSave("out.tsv");
    window->RunMenuHandler("FileExport");

    EXPECT_TRUE(desktop->messages.isEmpty());
    const QByteArray expected =
        "Bank\thttps://b.example\tjo\t12\t34\ttwo  lines and more\r"
        "\t\t\t\t\r"
        "Caf\x8E \xDB\t*\t\t\t\r";
    EXPECT_EQ(FileBytes(Path("out.tsv")), expected);
    EXPECT_EQ(FileMode(Path("out.tsv")), 0600);
}

TEST_F(MainWindowExportTest, CountsThreeLineEndsAndTwelveTabsForThreeEntries) {
    NewWindow({Entry("a", "b", "c", "d", "e"), Entry("f"), Entry("g", "", "", "", "h")});
    desktop->AnswerSave("out.tsv");
    window->RunMenuHandler("FileExport");
    const QByteArray bytes = FileBytes(Path("out.tsv"));
    EXPECT_EQ(bytes.count('\r'), 3);
    EXPECT_EQ(bytes.count('\t'), 12);
    EXPECT_TRUE(bytes.endsWith('\r'));
}

TEST_F(MainWindowExportTest, ATableWithoutEntriesGivesAnEmptyFile) {
    NewWindow({});
    desktop->AnswerSave("out.tsv");
    window->RunMenuHandler("FileExport");
    EXPECT_TRUE(QFileInfo::exists(Path("out.tsv")));
    EXPECT_EQ(FileBytes(Path("out.tsv")), QByteArray());
}

TEST_F(MainWindowExportTest, ExportsTheEditInProgress) {
    NewWindow({Entry("Bank")});
    EditNotes(*window, "new");
    desktop->AnswerSave("out.tsv");
    window->RunMenuHandler("FileExport");
    EXPECT_EQ(FileBytes(Path("out.tsv")), QByteArray("Bank\t\t\t\tnew\r"));
}

// The password gate of a document that has a password ("pw").
struct Gate {
    const char* name;
    std::function<void()> answer;
    bool exported;
    QStringList messages;
};

const Gate kGates[] = {
    {"RightPassword", [] { AnswerPassword("pw"); }, true, {}},
    {"WrongPassword", [] { AnswerPassword("PW"); }, false, {"Wrong Password!"}},
    {"Cancelled", [] { CancelPassword(); }, false, {}},
};

class MainWindowExportGate : public MainWindowExportTest, public ::testing::WithParamInterface<Gate> {};

TEST_P(MainWindowExportGate, AsksForTheDocumentPasswordFirst) {
    NewWindow({Entry("Bank", "", "", "1234")});
    SaveNew(*window, *desktop, "Bank.brimel", "pw");
    EditNotes(*window, "!");
    desktop->saveNames.clear();

    GetParam().answer();
    if (GetParam().exported)
        desktop->AnswerSave("Bank.tsv");
    window->RunMenuHandler("FileExport");

    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
    EXPECT_EQ(desktop->messages, GetParam().messages);
    EXPECT_EQ(desktop->saveNames.size(), GetParam().exported ? 1 : 0);
    EXPECT_EQ(QFileInfo::exists(Path("Bank.tsv")), GetParam().exported);
    // The gate's dialog is closed on every road: the next one is built anew.
    EXPECT_EQ(Password::Instance().ButtonPressed, QString());

    // Exporting is not saving: the window keeps its file and its mark.
    EXPECT_EQ(window->Document, FolderItem(Path("Bank.brimel")));
    EXPECT_TRUE(window->TextHasChanged);
    EXPECT_TRUE(window->Modified());
    window->RunMenuHandler("FileSave");
    EXPECT_EQ(ReadDocument(Path("Bank.brimel"), "pw").rows.at(0)[4], "!");
}

INSTANTIATE_TEST_SUITE_P(Gates, MainWindowExportGate, ::testing::ValuesIn(kGates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowExportTest, ADocumentWithoutPasswordExportsWithoutAsking) {
    NewWindow({Entry("A")});
    desktop->AnswerSave("a.tsv");
    window->RunMenuHandler("FileExport");  // a Password dialog would fail: none is answered
    EXPECT_EQ(FileBytes(Path("a.tsv")), QByteArray("A\t\t\t\t\r"));
    EXPECT_TRUE(window->Document.IsNull());
}

TEST_F(MainWindowExportTest, AReplacedFileIsForItsOwnerOnlyAndStartsAtByteZero) {
    QFile old(Path("out.tsv"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1000, 'x'));
    old.close();
    ASSERT_EQ(::chmod(QFile::encodeName(Path("out.tsv")).constData(), 0644), 0);

    NewWindow({Entry("A")});
    desktop->AnswerSave("out.tsv");
    window->RunMenuHandler("FileExport");
    EXPECT_EQ(FileBytes(Path("out.tsv")), QByteArray("A\t\t\t\t\r"));
    EXPECT_EQ(FileMode(Path("out.tsv")), 0600);
}

TEST_F(MainWindowExportTest, ACharacterOutsideMacRomanIsRefusedBeforeAFileIsChosen) {
    NewWindow({Entry("Bank"), Entry("Snow", "", "\u2603")});
    window->RunMenuHandler("FileExport");  // no save dialog is answered: none may be shown
    EXPECT_EQ(desktop->saveNames, QStringList());
    ASSERT_EQ(desktop->messages.size(), 1);
    EXPECT_EQ(desktop->messages[0],
              SaveMessages::ExportFailed("untitled1.tsv",
                                         "these fields hold characters that cannot be stored in it:\n"
                                         "\u2022 \u201CUser ID, Name, Login\u201D of the entry "
                                         "\u201CSnow\u201D: \u201C\u2603\u201D (U+2603)\n"
                                         "Replace those characters and try again."));
    EXPECT_TRUE(QDir(Path("")).entryList(QDir::Files).isEmpty());
}

TEST_F(MainWindowExportTest, AFileThatCannotBeCreatedIsReported) {
    NewWindow({Entry("A")});
    desktop->AnswerSave("missing/out.tsv");
    window->RunMenuHandler("FileExport");
    ASSERT_EQ(desktop->messages.size(), 1);
    EXPECT_TRUE(desktop->messages[0].startsWith(SaveMessages::ExportFailed("out.tsv", QString())));
    EXPECT_GT(desktop->messages[0].size(), SaveMessages::ExportFailed("out.tsv", QString()).size());
}

TEST_F(MainWindowExportTest, NeverWritesCleartextOverTheDocumentItself) {
    NewWindow({Entry("Bank", "", "", "1234")});
    SaveNew(*window, *desktop, "Bank.brimel", "pw");
    const QByteArray document = FileBytes(Path("Bank.brimel"));
    AnswerPassword("pw");
    desktop->AnswerSave("Bank.brimel");
    window->RunMenuHandler("FileExport");
    ASSERT_EQ(desktop->messages.size(), 1);
    EXPECT_TRUE(desktop->messages[0].startsWith(SaveMessages::ExportFailed("Bank.brimel", QString())));
    EXPECT_EQ(FileBytes(Path("Bank.brimel")), document);
}

// Every other name of the document's own file: refused like its path, and
// the document stays enciphered.
TEST_F(MainWindowExportTest, NeverWritesCleartextOverTheDocumentThroughAnotherName) {
    ASSERT_TRUE(QDir(Path("")).mkdir("docs"));
    NewWindow({Entry("Bank", "", "", "1234")});
    SaveNew(*window, *desktop, "docs/Bank.brimel", "pw");
    const QByteArray document = FileBytes(Path("docs/Bank.brimel"));
    ASSERT_TRUE(QFile::link(Path("docs"), Path("docs-link")));
    ASSERT_TRUE(QFile::link(Path("docs/Bank.brimel"), Path("Bank-link.tsv")));
    ASSERT_EQ(::link(QFile::encodeName(Path("docs/Bank.brimel")).constData(),
                     QFile::encodeName(Path("Bank-hard.tsv")).constData()),
              0);
    for (const char* name : {"docs-link/Bank.brimel", "Bank-link.tsv", "Bank-hard.tsv"}) {
        desktop->messages.clear();
        AnswerPassword("pw");
        desktop->AnswerSave(name);
        window->RunMenuHandler("FileExport");
        EXPECT_EQ(desktop->messages,
                  QStringList{SaveMessages::ExportFailed(QFileInfo(name).fileName(),
                                                         "that is the document itself. Choose another file.")})
            << name;
        EXPECT_EQ(FileBytes(Path("docs/Bank.brimel")), document) << name;
    }
    EXPECT_TRUE(QFileInfo(Path("Bank-link.tsv")).isSymLink());
    EXPECT_EQ(FileBytes(Path("Bank-hard.tsv")), document);
}

// A file-size limit that stops the export anywhere, or a file system with no
// room: the file it was to replace keeps its content and its mode, no
// temporary file is left, and the user is told the system's reason.
TEST_F(MainWindowExportTest, AFailedExportLeavesTheOldFileAsItWas) {
    NewWindow({Entry("Bank", "https://bank.example", "anna", "s3cret", QString(200, 'n')), Entry("Mail")});
    const QByteArray exported =
        "Bank\thttps://bank.example\tanna\ts3cret\t" + QByteArray(200, 'n') + "\rMail\t\t\t\t\r";
    const qint64 size = exported.size();
    ASSERT_TRUE(QDir(Path("")).mkdir("disk"));
    const QString disk = Path("disk");
    const QByteArray old(300, 'x');
    const auto putOld = [&] {
        QFile file(disk + "/out.tsv");
        const bool put = file.open(QIODevice::WriteOnly) && file.write(old) == old.size() && file.flush();
        return put && ::chmod(QFile::encodeName(file.fileName()).constData(), 0644) == 0;
    };
    // What the export must leave; 0 when it is so.
    const auto exportFails = [&](const QString& reason) {
        desktop->AnswerSave("disk/out.tsv");
        window->RunMenuHandler("FileExport");
        const bool told = desktop->messages == QStringList{SaveMessages::ExportFailed("out.tsv", reason)};
        const bool kept = FileBytes(disk + "/out.tsv") == old && FileMode(disk + "/out.tsv") == 0644;
        if (!told)
            std::fprintf(stderr, "messages: %s\n", qPrintable(desktop->messages.join(" | ")));
        return told && kept ? 0 : 1;
    };

    for (const qint64 limit : {qint64(0), qint64(1), qint64(100), size / 2, size - 1}) {
        ASSERT_TRUE(putOld());
        const int code =
            filefaults::WithFileSizeLimit(limit, [&] { return exportFails(filefaults::SystemReason(EFBIG)); });
        EXPECT_EQ(code, 0) << "limit " << limit;
        EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden), QStringList{"out.tsv"});
    }

    const int code = filefaults::OnTmpfs(disk, 256 * 1024, [&] {
        if (!putOld() || !filefaults::FillUp(disk))
            return filefaults::kNotSetUp;
        const int result = exportFails(filefaults::SystemReason(ENOSPC));
        return QDir(disk).entryList(QDir::Files | QDir::Hidden) == QStringList{"filler", "out.tsv"} ? result : 2;
    });
    if (code == filefaults::kNotSetUp)
        SKIP_UNLESS_CI("no tmpfs can be mounted here: that takes root");
    EXPECT_EQ(code, 0);

    // Where there is room, the whole export replaces the old file.
    desktop->AnswerSave("disk/out.tsv");
    window->RunMenuHandler("FileExport");
    EXPECT_EQ(FileBytes(disk + "/out.tsv"), exported);
    EXPECT_EQ(FileMode(disk + "/out.tsv"), 0600);
}

TEST_F(MainWindowExportTest, ANamedPipeIsNeverWrittenNorReplaced) {
    NewWindow({Entry("Bank", "", "", "1234")});
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("out.tsv")).constData(), 0600), 0);
    desktop->AnswerSave("out.tsv");
    ::alarm(20);  // a wait on the pipe ends the test rather than hang it
    window->RunMenuHandler("FileExport");
    ::alarm(0);
    EXPECT_EQ(desktop->messages, QStringList{SaveMessages::ExportFailed("out.tsv", "it is a named pipe, not a file.")});
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(Path("out.tsv")).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(MainWindowExportTest, ConvertToExportFormatBlanksEveryLineBreak) {
    NewWindow({});
    EXPECT_EQ(window->ConvertToExportFormat("a\r\nb\rc\nd\te"), "a  b c d\te");
    EXPECT_EQ(window->ConvertToExportFormat(""), "");
    EXPECT_EQ(window->ConvertToExportFormat("\n\n"), "  ");
}

}  // namespace
