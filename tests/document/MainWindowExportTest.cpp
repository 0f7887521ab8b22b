#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include "document/MainWindowSaveTestSupport.h"
#include "document/SaveMessages.h"
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

TEST_F(MainWindowExportTest, ConvertToExportFormatBlanksEveryLineBreak) {
    NewWindow({});
    EXPECT_EQ(window->ConvertToExportFormat("a\r\nb\rc\nd\te"), "a  b c d\te");
    EXPECT_EQ(window->ConvertToExportFormat(""), "");
    EXPECT_EQ(window->ConvertToExportFormat("\n\n"), "  ");
}

}  // namespace
