#include "MainWindowFixture.h"

#include <random>

#include "framework/core/StrComp.h"

namespace {

TEST_F(MainWindowTest, WriteInArrayKeepsAtMost255Characters) {
    MainWindow& w = OpenTitles({"a"});
    const struct {
        int length;
        int stored;
    } cases[] = {{0, 0}, {254, 254}, {255, 255}, {256, 255}, {300, 255}};
    for (const auto& c : cases) {
        QString text;
        for (int i = 0; i < c.length; ++i)
            text += QChar(u'a' + i % 26);
        w.WriteInArray(0, int(EntryColumn::Notes), text);
        EXPECT_EQ(w.myArray[0][4], text.left(c.stored)) << c.length;
    }
    // Characters, not UTF-16 units: a character outside the BMP counts once.
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    QString wide;
    for (int i = 0; i < 300; ++i)
        wide += clef;
    w.WriteInArray(0, int(EntryColumn::URL), wide);
    EXPECT_EQ(w.myArray[0][1].size(), 510);
    EXPECT_FALSE(w.TextHasChanged);
}

TEST_F(MainWindowTest, ReadFromArrayShowsTheRowInColumnOrderAndStoresNothing) {
    MainWindow& w = Open({{"t", "u", "s", "p", "n"}, {"T", "U", "S", "P", "N"}});
    const auto table = w.myArray;
    w.ListBox1().SetListIndex(1);  // its Change reads row 1
    EXPECT_EQ(Shown(w), (EntryRow{"T", "U", "S", "P", "N"}));
    w.ReadFromArray(1);
    EXPECT_EQ(Shown(w), (EntryRow{"T", "U", "S", "P", "N"}));
    EXPECT_EQ(w.myArray, table);
    EXPECT_FALSE(w.TextHasChanged);
    w.ReadFromArray(-1);
    EXPECT_EQ(Shown(w), (EntryRow{"T", "U", "S", "P", "N"}));
}

struct DeleteCase {
    const char* name;
    QStringList titles;
    int selected;
    QStringList after;
    int selectedAfter;
};

class MainWindowDelete : public MainWindowTest, public testing::WithParamInterface<DeleteCase> {};

TEST_P(MainWindowDelete, RemovesTheSelectedEntry) {
    const DeleteCase& c = GetParam();
    MainWindow& w = OpenTitles(c.titles);
    w.ListBox1().SetListIndex(c.selected);
    w.DeleteInArray();
    EXPECT_EQ(Titles(w), c.after);
    EXPECT_EQ(ListTexts(w), c.after);
    EXPECT_EQ(w.ListBox1().ListIndex(), c.selectedAfter);
    EXPECT_EQ(w.ListBox1().SelCount(), 1);
    EXPECT_EQ(w.EditField1().Text(), c.after[c.selectedAfter]);
    EXPECT_EQ(w.EditField3().Text(), "user " + c.after[c.selectedAfter]);
    EXPECT_EQ(w.myArray[std::size_t(w.entry)], EntryRow{});
    EXPECT_TRUE(w.TextHasChanged);
    EXPECT_TRUE(w.Modified());
}

INSTANTIATE_TEST_SUITE_P(Cases, MainWindowDelete,
                         testing::Values(DeleteCase{"Middle", {"a", "b", "c", "d"}, 1, {"a", "c", "d"}, 1},
                                         DeleteCase{"Last", {"a", "b", "c"}, 2, {"a", "b"}, 1},
                                         DeleteCase{"SecondToLast", {"a", "b", "c"}, 1, {"a", "c"}, 0},
                                         DeleteCase{"FirstOfTwo", {"a", "b"}, 0, {"b"}, 0},
                                         DeleteCase{"SecondOfTwo", {"a", "b"}, 1, {"a"}, 0}),
                         [](const testing::TestParamInfo<DeleteCase>& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, DeleteLeavesTheLastEntryAlone) {
    MainWindow& w = OpenTitles({"only"});
    w.DeleteInArray();
    EXPECT_EQ(Titles(w), QStringList{"only"});
    EXPECT_FALSE(w.TextHasChanged);
    EXPECT_FALSE(w.Modified());
}

TEST_F(MainWindowTest, DeleteWithoutSelectionChangesNothing) {
    MainWindow& w = OpenTitles({"a", "b"});
    w.EditField6().SetText("zzz");  // a search in progress keeps the list without selection
    w.ListBox1().SetListIndex(-1);
    ASSERT_EQ(w.ListBox1().ListIndex(), -1);
    w.DeleteInArray();
    EXPECT_EQ(Titles(w), (QStringList{"a", "b"}));
    EXPECT_FALSE(w.TextHasChanged);
}

struct SortCase {
    const char* name;
    QStringList titles;  // a "#n" suffix tells equal titles apart in the other columns
    int selected;
    QStringList after;  // the URL column, which names each entry
    int selectedAfter;
};

class MainWindowSort : public MainWindowTest, public testing::WithParamInterface<SortCase> {};

TEST_P(MainWindowSort, SortsByTitleKeepingTheSelectedEntry) {
    const SortCase& c = GetParam();
    std::vector<EntryRow> rows;
    for (int i = 0; i < c.titles.size(); ++i)
        rows.push_back(EntryRow{c.titles[i], c.titles[i] + "#" + QString::number(i + 1), "", "", ""});
    MainWindow& w = Open(rows);
    w.ListBox1().SetListIndex(c.selected);
    w.SortEntries();
    QStringList urls;
    for (int i = 0; i < w.entry; ++i)
        urls << w.myArray[std::size_t(i)][1];
    EXPECT_EQ(urls, c.after);
    EXPECT_EQ(ListTexts(w), Titles(w));
    EXPECT_EQ(w.ListBox1().ListIndex(), c.selectedAfter);
    EXPECT_EQ(w.ListBox1().SelCount(), 1);
    EXPECT_EQ(w.EditField2().Text(), c.after[c.selectedAfter]);
    EXPECT_FALSE(w.TextHasChanged);
    EXPECT_FALSE(w.Modified());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MainWindowSort,
    testing::Values(SortCase{"SelectedFollows", {"b", "c", "a"}, 1, {"a#3", "b#1", "c#2"}, 2},
                    SortCase{"EqualTitlesPassed", {"B", "B", "A"}, 0, {"A#3", "B#2", "B#1"}, 2},
                    SortCase{"EqualTitlesPassedOther", {"B", "B", "A"}, 1, {"A#3", "B#2", "B#1"}, 1},
                    SortCase{"AlreadyInOrder", {"a", "a", "b"}, 1, {"a#1", "a#2", "b#3"}, 1},
                    SortCase{"Reversed", {"d", "c", "b", "a"}, 0, {"a#4", "b#3", "c#2", "d#1"}, 3},
                    SortCase{
                        "CaseAfterLetters", {"banana", "Apple", "apple"}, 0, {"apple#3", "Apple#2", "banana#1"}, 2}),
    [](const testing::TestParamInfo<SortCase>& info) { return std::string(info.param.name); });

// What a sort learns of the titles must not outlive them: after entries are
// renamed, added or deleted, sorting again gives the exchange sort's order.
TEST_F(MainWindowTest, SortingAgainAfterEditsKeepsTheExchangeSortsOrder) {
    const QStringList names{"a", "A", "b", "B", "c", QString::fromUtf8("\u00E9"), QString::fromUtf8("e\u0301"), ""};
    std::mt19937 random(5);
    std::vector<EntryRow> rows;
    for (int i = 0; i < 60; ++i)
        rows.push_back(EntryRow{names[int(random() % unsigned(names.size()))], "#" + QString::number(i), "", "", ""});
    MainWindow& w = Open(rows);
    w.LearnTitles();
    int added = 0;
    for (int round = 0; round < 80; ++round) {
        for (int edits = int(random() % 4); edits > 0; --edits) {
            const int row = int(random() % unsigned(w.entry));
            switch (random() % 4) {
                case 0:
                    w.ListBox1().SetListIndex(row);
                    w.DeleteInArray();
                    break;
                case 1:
                    w.ListBox1().AddRow(QString());
                    w.WriteInArray(w.entry, 1, "+" + QString::number(++added));
                    w.WriteInArray(w.entry, 0, names[int(random() % unsigned(names.size()))]);
                    ++w.entry;
                    break;
                default:
                    w.WriteInArray(row, 0, names[int(random() % unsigned(names.size()))]);
            }
        }
        w.UpdateListBox();  // as the title field's edits do
        // The exchange sort itself, on the table as it stands.
        std::vector<EntryRow> expected(w.myArray.begin(), w.myArray.begin() + w.entry);
        for (std::size_t i = 0; i < expected.size(); ++i)
            for (std::size_t j = i + 1; j < expected.size(); ++j)
                if (TextLess(expected[j][0], expected[i][0]))
                    std::swap(expected[i], expected[j]);
        w.ListBox1().SetListIndex(0);
        w.SortEntries();
        ASSERT_EQ(std::vector<EntryRow>(w.myArray.begin(), w.myArray.begin() + w.entry), expected) << "round " << round;
        ASSERT_EQ(ListTexts(w), Titles(w));
    }
}

TEST_F(MainWindowTest, SortWithoutSelectionLeavesNone) {
    MainWindow& w = OpenTitles({"b", "a"});
    w.EditField6().SetText("zzz");
    w.ListBox1().SetListIndex(-1);
    w.SortEntries();
    EXPECT_EQ(Titles(w), (QStringList{"a", "b"}));
    EXPECT_EQ(w.ListBox1().ListIndex(), -1);
}

TEST_F(MainWindowTest, TableGrowsWhenWrittenPastItsRows) {
    window_ = new MainWindow();
    MainWindow& w = *window_;
    w.WriteInArray(MainWindow::kInitialRows + 5, 0, "far");
    ASSERT_EQ(w.myArray.size(), std::size_t(MainWindow::kInitialRows + 6));
    EXPECT_EQ(w.myArray[std::size_t(MainWindow::kInitialRows + 5)][0], "far");
    EXPECT_EQ(w.myArray[std::size_t(MainWindow::kInitialRows)], EntryRow{});
    w.WriteInArray(-1, 0, "x");
    w.WriteInArray(0, 5, "x");
    EXPECT_EQ(w.myArray[0], EntryRow{});
}

}  // namespace
