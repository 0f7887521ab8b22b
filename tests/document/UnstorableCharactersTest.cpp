// Characters a document cannot store: one refused save or export names every
// field that holds them, so that one round of fixes is enough.
#include <gtest/gtest.h>

#include <QDir>

#include "document/MainWindowSaveTestSupport.h"
#include "document/SaveMessages.h"

using namespace savetest;

namespace {

const QString kIntro = QStringLiteral("these fields hold characters that cannot be stored in it:\n");
const QString kOutro = QStringLiteral("\nReplace those characters and try again.");

class UnstorableCharactersTest : public ::testing::Test {
protected:
    // A document saved as Doc.brimel under "pw", then given the bad cells.
    void Saved(const std::vector<EntryRow>& rows) {
        window = NewDocumentWindow(rows);
        SaveNew(*window, *desktop, "Doc.brimel", "pw");
        saved = FileBytes(desktop->TempPath("Doc.brimel"));
    }
    void Put(int row, EntryColumn col, const QString& text) {
        window->WriteInArray(row, int(col), text);
        window->TextHasChanged = true;
    }

    FakeDesktop::Guard desktop;
    MainWindow* window = nullptr;
    QByteArray saved;
};

TEST_F(UnstorableCharactersTest, OneRefusedSaveNamesEveryFieldThenOneRoundOfFixesSaves) {
    Saved({Entry("Bank"), Entry(""), Entry("Mail")});
    Put(0, EntryColumn::Title, QString::fromUtf8("Caf\u00E9 Zo\u00EB \u2013 \u0141\u00F3d\u017A"));
    Put(0, EntryColumn::Notes, QString::fromUtf8("\u2603 \u65E5\u672C \u2603"));
    Put(1, EntryColumn::Password, QString::fromUtf8("x\u200By"));  // a zero-width space
    Put(2, EntryColumn::URL, QString::fromUtf8("https://q\u0331.example"));

    window->RunMenuHandler("FileSave");

    ASSERT_EQ(desktop->messages.size(), 1);
    EXPECT_EQ(desktop->messages[0],
              SaveMessages::SaveFailed(
                  "Doc.brimel",
                  kIntro +
                      QString::fromUtf8("\u2022 \u201CName of Entry\u201D of the entry \u201CCaf\u00E9 Zo\u00EB \u2013 "
                                        "\u0141\u00F3d\u017A\u201D: \u201C\u0141\u201D (U+0141), \u201C\u017A\u201D "
                                        "(U+017A)\n"
                                        "\u2022 \u201CNotes\u201D of the entry \u201CCaf\u00E9 Zo\u00EB \u2013 "
                                        "\u0141\u00F3d\u017A\u201D: \u201C\u2603\u201D (U+2603), \u201C\u65E5\u201D "
                                        "(U+65E5), \u201C\u672C\u201D (U+672C)\n"
                                        "\u2022 \u201CPassword, Serial Number, PIN\u201D of the entry without a name "
                                        "(number 2 in the list): \u201C\u200B\u201D (U+200B)\n"
                                        "\u2022 \u201CURL\u201D of the entry \u201CMail\u201D: \u201Cq\u0331\u201D "
                                        "(U+0071 U+0331)") +
                      kOutro));
    EXPECT_EQ(FileBytes(desktop->TempPath("Doc.brimel")), saved);
    EXPECT_TRUE(window->TextHasChanged);

    // Everything named, fixed at once: the next save goes through.
    Put(0, EntryColumn::Title, QString::fromUtf8("Caf\u00E9 Zo\u00EB \u2013 Lodz"));
    Put(0, EntryColumn::Notes, "snow");
    Put(1, EntryColumn::Password, "xy");
    Put(2, EntryColumn::URL, "https://q.example");
    window->RunMenuHandler("FileSave");
    EXPECT_EQ(desktop->messages.size(), 1);
    EXPECT_FALSE(window->TextHasChanged);
    EXPECT_NE(FileBytes(desktop->TempPath("Doc.brimel")), saved);
}

TEST_F(UnstorableCharactersTest, PastTheBoundTheMessageSaysHowManyMore) {
    struct Case {
        int cells;
        int characters;
        const char* moreFields;      // the last line, "" when every field is listed
        const char* moreCharacters;  // the end of each line
    } cases[] = {
        {SaveMessages::kListedCells, SaveMessages::kListedCharacters, "", "(U+0104)"},
        {SaveMessages::kListedCells + 1, SaveMessages::kListedCharacters + 1, "and 1 more field", "and 1 more"},
        {3 * kEntryColumnCount, 30, "and 5 more fields", "and 25 more"},
    };
    for (const Case& c : cases) {
        std::vector<EntryRow> rows;
        for (int i = 0; i < 3; ++i)
            rows.push_back(Entry(QStringLiteral("Entry %1").arg(i)));
        Saved(rows);
        QString bad;
        for (int k = 0; k < c.characters; ++k)
            bad += QChar(0x0100 + k);  // Latin Extended-A: none of it in MacRoman
        for (int cell = 0; cell < c.cells; ++cell)
            Put(cell / kEntryColumnCount, EntryColumn(cell % kEntryColumnCount), bad);
        desktop->messages.clear();

        window->RunMenuHandler("FileSave");

        ASSERT_EQ(desktop->messages.size(), 1) << c.cells;
        const QStringList lines = desktop->messages[0].split('\n');
        const int listed = std::min(c.cells, int(SaveMessages::kListedCells));
        const int expectedLines = 1 + listed + (*c.moreFields ? 1 : 0) + 1;
        ASSERT_EQ(lines.size(), expectedLines) << qPrintable(desktop->messages[0]);
        for (int i = 1; i <= listed; ++i) {
            EXPECT_TRUE(lines[i].endsWith(c.moreCharacters)) << qPrintable(lines[i]);
        }
        if (*c.moreFields) {
            EXPECT_EQ(lines[listed + 1], c.moreFields);
        }
        EXPECT_EQ(lines.last(), kOutro.mid(1));
        EXPECT_EQ(FileBytes(desktop->TempPath("Doc.brimel")), saved);
        window->TextHasChanged = false;
        window->Close();
        UiDriver::ProcessEvents();
        QFile::remove(desktop->TempPath("Doc.brimel"));
    }
}

TEST_F(UnstorableCharactersTest, ALongTitleIsShortenedInTheMessage) {
    Saved({Entry("a")});
    const QString title = QString(60, QChar('t')) + QChar(0x2603);
    Put(0, EntryColumn::Title, title);
    window->RunMenuHandler("FileSave");
    ASSERT_EQ(desktop->messages.size(), 1);
    EXPECT_TRUE(desktop->messages[0].contains(
        QStringLiteral("of the entry \u201C%1\u2026\u201D: \u201C\u2603\u201D").arg(QString(40, QChar('t')))))
        << qPrintable(desktop->messages[0]);
}

// The first and the last entry of small, medium and large documents: the
// check runs through the whole table, and the file stays as it was.
TEST_F(UnstorableCharactersTest, TheWholeDocumentIsSearchedAtEverySize) {
    struct Size {
        int entries;
        int fieldLength;
    } sizes[] = {{2, 10}, {40, 100}, {300, 200}};  // under 1 KB, about 20 KB, about 300 KB
    for (const Size& size : sizes) {
        std::vector<EntryRow> rows;
        for (int i = 0; i < size.entries; ++i) {
            const QString fill(size.fieldLength, QChar('a' + i % 26));
            rows.push_back(Entry(QStringLiteral("Entry %1").arg(i, 5, 10, QChar('0')), fill, fill, fill, fill));
        }
        Saved(rows);
        desktop->messages.clear();
        Put(0, EntryColumn::User, "\u2603");
        Put(size.entries - 1, EntryColumn::Notes, "\u0152\u0153\u4E2D");  // two it has, one it lacks

        window->RunMenuHandler("FileSave");

        ASSERT_EQ(desktop->messages.size(), 1) << size.entries;
        const QString last = QStringLiteral("Entry %1").arg(size.entries - 1, 5, 10, QChar('0'));
        EXPECT_EQ(
            desktop->messages[0],
            SaveMessages::SaveFailed(
                "Doc.brimel",
                kIntro +
                    QStringLiteral("\u2022 \u201CUser ID, Name, Login\u201D of the entry \u201CEntry 00000\u201D: "
                                   "\u201C\u2603\u201D (U+2603)\n\u2022 \u201CNotes\u201D of the entry "
                                   "\u201C%1\u201D: \u201C\u4E2D\u201D (U+4E2D)")
                        .arg(last) +
                    kOutro));
        EXPECT_EQ(FileBytes(desktop->TempPath("Doc.brimel")), saved) << size.entries;
        window->TextHasChanged = false;
        window->Close();
        UiDriver::ProcessEvents();
        QFile::remove(desktop->TempPath("Doc.brimel"));
    }
}

TEST_F(UnstorableCharactersTest, ExportNamesEveryFieldBeforeAFileIsChosen) {
    window = NewDocumentWindow({Entry("Bank", "", "\u2603"), Entry("Mail", "", "", "\u4E2D", "\u2603")});
    window->RunMenuHandler("FileExport");  // no save dialog is answered: none may be shown
    EXPECT_EQ(desktop->saveNames, QStringList());
    ASSERT_EQ(desktop->messages.size(), 1);
    EXPECT_EQ(desktop->messages[0],
              SaveMessages::ExportFailed(
                  "untitled1.tsv",
                  kIntro +
                      QStringLiteral("\u2022 \u201CUser ID, Name, Login\u201D of the entry \u201CBank\u201D: "
                                     "\u201C\u2603\u201D (U+2603)\n"
                                     "\u2022 \u201CPassword, Serial Number, PIN\u201D of the entry \u201CMail\u201D: "
                                     "\u201C\u4E2D\u201D (U+4E2D)\n"
                                     "\u2022 \u201CNotes\u201D of the entry \u201CMail\u201D: \u201C\u2603\u201D "
                                     "(U+2603)") +
                      kOutro));
    EXPECT_TRUE(QDir(desktop->TempPath("")).entryList(QDir::Files).isEmpty());
}

}  // namespace
