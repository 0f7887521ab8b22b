#include "MainWindowFixture.h"

#include "dialogs/DeleteEntry.h"
#include "framework/ui/PushButton.h"

namespace {

TEST_F(MainWindowTest, NewEntryIsAddedLastSelectedAndReadyToType) {
    MainWindow& w = OpenTitles({"a", "b", "c", "d", "e"});
    w.ListBox1().SetListIndex(1);
    w.ToolbarItem2().Push();
    EXPECT_EQ(w.entry, 6);
    EXPECT_EQ(ListTexts(w), (QStringList{"a", "b", "c", "d", "e", "New Entry"}));
    EXPECT_EQ(w.ListBox1().ListIndex(), 5);
    EXPECT_EQ(w.ListBox1().SelCount(), 1);
    EXPECT_EQ(Shown(w), (EntryRow{"New Entry", "", "", "", ""}));
    EXPECT_EQ(w.myArray[5], (EntryRow{"New Entry", "", "", "", ""}));
    EXPECT_EQ(w.myArray[1], (EntryRow{"b", "url b", "user b", "pw b", "notes b"}));
    EXPECT_EQ(w.FocusControl(), &w.EditField1());
    EXPECT_EQ(w.EditField1().SelStart(), 0);
    EXPECT_EQ(w.EditField1().SelLength(), 9);
    EXPECT_TRUE(w.TextHasChanged);
    EXPECT_TRUE(w.Modified());

    // Typing replaces the title; leaving the field sorts the entry into place.
    UiDriver::Type(w.EditField1(), "bb");
    EXPECT_EQ(w.myArray[5][0], "bb");
    UiDriver::Click(w.EditField3());
    EXPECT_EQ(Titles(w), (QStringList{"a", "b", "bb", "c", "d", "e"}));
    EXPECT_EQ(w.ListBox1().ListIndex(), 2);
}

TEST_F(MainWindowTest, NewEntryUnlocksALockedWindowAsUnlocked) {
    MainWindow& w = OpenTitles({"a"}, false);
    ASSERT_TRUE(w.EntriesAreLocked);
    w.ToolbarItem2().Push();
    EXPECT_FALSE(w.EntriesAreLocked);
    EXPECT_FALSE(w.EditField1().ReadOnly());
    EXPECT_FALSE(w.EditField5().ReadOnly());
    EXPECT_EQ(w.ToolbarItem4().Caption(), "Unlocked");
    w.ToolbarItem2().Push();
    EXPECT_EQ(w.ToolbarItem4().Caption(), "Unlocked");
}

TEST_F(MainWindowTest, NewEntrySortsAnEditedTitleFirst) {
    MainWindow& w = OpenTitles({"b", "c"});
    UiDriver::Click(w.EditField1());
    w.EditField1().SetText("d");
    w.ToolbarItem2().Push();
    EXPECT_EQ(Titles(w), (QStringList{"c", "d", "New Entry"}));
    EXPECT_EQ(w.myArray[1][2], "user b");
}

TEST_F(MainWindowTest, NewEntryInAnEmptyWindowEndsSelected) {
    MainWindow& w = Open({});
    w.ToolbarItem2().Push();
    EXPECT_EQ(w.entry, 1);
    EXPECT_EQ(w.ListBox1().ListIndex(), 0);
    EXPECT_EQ(w.myArray[0][0], "New Entry");
}

TEST_F(MainWindowTest, NewEntryGrowsAFullTable) {
    for (int rows : {MainWindow::kInitialRows - 1, MainWindow::kInitialRows}) {
        QStringList titles;
        for (int i = 0; i < rows; ++i)
            titles << QString("t%1").arg(i, 5, 10, QChar(u'0'));
        MainWindow& w = OpenTitles(titles);
        w.ListBox1().SetListIndex(rows - 1);
        w.ToolbarItem2().Push();
        ASSERT_EQ(w.entry, rows + 1);
        EXPECT_GE(w.myArray.size(), std::size_t(rows + 1));
        EXPECT_EQ(w.myArray[std::size_t(rows)][0], "New Entry");
        EXPECT_EQ(w.myArray[std::size_t(rows - 1)][2], titles.back().prepend("user "));
        EXPECT_EQ(w.ListBox1().ListCount(), rows + 1);
        EXPECT_EQ(w.ListBox1().ListIndex(), rows);
        for (std::size_t i = std::size_t(w.entry); i < w.myArray.size(); ++i)
            ASSERT_EQ(w.myArray[i], EntryRow{});
        w.TextHasChanged = false;  // closes without the save question
        w.Close();
        UiDriver::ProcessEvents();
    }
}

TEST_F(MainWindowTest, LockTogglesWithItsCaptions) {
    MainWindow& w = OpenTitles({"a"}, false);
    EXPECT_EQ(w.ToolbarItem4().Caption(), "Edit Off");
    const struct {
        bool locked;
        const char* caption;
    } steps[] = {{false, "Edit On"}, {true, "Edit Off"}, {false, "Edit On"}};
    for (const auto& step : steps) {
        UiDriver::ClickToolbarItem(w.ToolbarItem4());
        EXPECT_EQ(w.EntriesAreLocked, step.locked);
        EXPECT_EQ(w.ToolbarItem4().Caption(), step.caption);
        for (TextField* f : {&w.EditField1(), &w.EditField2(), &w.EditField3(), &w.EditField4()})
            EXPECT_EQ(f->ReadOnly(), step.locked);
        EXPECT_EQ(w.EditField5().ReadOnly(), step.locked);
    }
    EXPECT_FALSE(w.TextHasChanged);
    EXPECT_FALSE(w.Modified());
}

// Answers the delete question with the button of that word.
void Answer(const QString& word) {
    UiDriver::AnswerNextModal([word](Window& dialog) {
        auto& d = static_cast<DeleteEntry&>(dialog);
        (word == "yes" ? d.PushButton2() : d.PushButton1()).Push();
    });
}

TEST_F(MainWindowTest, DeleteAskedNoChangesNothing) {
    MainWindow& w = OpenTitles({"a", "b"});
    Answer("No");
    w.ToolbarItem3().Push();
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
    EXPECT_EQ(Titles(w), (QStringList{"a", "b"}));
    EXPECT_FALSE(w.TextHasChanged);
    EXPECT_TRUE(DeleteEntry::Instance().ButtonPressed.isEmpty());  // closed: the next one is new
}

TEST_F(MainWindowTest, DeleteAskedYesDeletesAlsoWhenLocked) {
    MainWindow& w = OpenTitles({"a", "b", "c"}, false);
    w.ListBox1().SetListIndex(1);
    Answer("yes");
    w.ToolbarItem3().Push();
    EXPECT_EQ(Titles(w), (QStringList{"a", "c"}));
    EXPECT_EQ(w.ListBox1().ListIndex(), 0);
    EXPECT_TRUE(w.Modified());
}

TEST_F(MainWindowTest, DeleteOfTheOnlyEntryAsksAndKeepsIt) {
    MainWindow& w = OpenTitles({"a"});
    Answer("yes");
    w.ToolbarItem3().Push();
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
    EXPECT_EQ(Titles(w), QStringList{"a"});
    EXPECT_FALSE(w.TextHasChanged);
}

}  // namespace
