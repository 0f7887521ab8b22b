#include "framework/ui/MenuBar.h"
#include "framework/ui/MenuItem.h"

#include <gtest/gtest.h>

#include <QAction>
#include "support/TestNames.h"

namespace {

struct ShortcutCase {
    const char* name;
    const char* notation;
    const char* qt;
};

class ShortcutNotation : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(ShortcutNotation, MapsToQtsPortableNotation) {
    EXPECT_EQ(MenuItem::QtShortcut(GetParam().notation), QString(GetParam().qt)) << GetParam().notation;
}

INSTANTIATE_TEST_SUITE_P(Table, ShortcutNotation,
                         ::testing::Values(ShortcutCase{"CmdN", "Cmd+N", "Ctrl+N"},
                                           ShortcutCase{"CmdOptionS", "Cmd+Option+S", "Ctrl+Alt+S"},
                                           ShortcutCase{"OptionFirst", "Option+Cmd+S", "Ctrl+Alt+S"},
                                           ShortcutCase{"JoinedByHyphen", "Cmd-S", "Ctrl+S"},
                                           ShortcutCase{"CmdShiftZ", "Cmd+Shift+Z", "Ctrl+Shift+Z"},
                                           ShortcutCase{"LowerCaseKey", "Shift+Cmd+z", "Ctrl+Shift+Z"},
                                           ShortcutCase{"ControlIsMeta", "Ctrl+Cmd+Q", "Meta+Ctrl+Q"},
                                           ShortcutCase{"HyphenKey", "Cmd+-", "Ctrl+-"},
                                           ShortcutCase{"PlusKey", "Cmd++", "Ctrl++"},
                                           ShortcutCase{"FunctionKey", "Cmd+F5", "Ctrl+F5"},
                                           ShortcutCase{"Empty", "", ""}, ShortcutCase{"Blanks", "  ", ""}),
                         CaseName());

// A bar of two menus, as the program builds its own.
class MenuTree : public ::testing::Test {
protected:
    static MenuItem* Make(const QString& name, const QString& text, const QString& shortcut = QString()) {
        auto* item = new MenuItem;
        item->SetName(name);
        item->SetText(text);
        item->SetKeyboardShortcut(shortcut);
        return item;
    }
    void SetUp() override {
        bar.Append(Make("FileMenu", "File"));
        bar.Append(Make("EditMenu", "Edit"));
        bar.Child("FileMenu")->Append(Make("FileNew", "New", "Cmd+N"));
        bar.Child("FileMenu")->Append(Make("Separator1", "-"));
        bar.Child("FileMenu")->Append(Make("FileSaveAs", "Save As", "Cmd+Option+S"));
        bar.Child("EditMenu")->Append(Make("EditCopy", "Copy", "Cmd+C"));
    }
    MenuBar bar;
};

TEST_F(MenuTree, ChildFindsDirectChildrenOnlyAndLookupFindsAnyDepth) {
    EXPECT_EQ(bar.Child("FileMenu")->Text(), "File");
    EXPECT_EQ(bar.Child("FileNew"), nullptr);
    MenuItem* copy = bar.Lookup("EditCopy");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Parent(), bar.Child("EditMenu"));
    EXPECT_EQ(bar.Lookup("EditCopy"), copy);
    EXPECT_EQ(bar.Lookup("Nothing"), nullptr);
    EXPECT_EQ(bar.Lookup(""), nullptr);
}

TEST_F(MenuTree, KeepsItemsInTheOrderAppended) {
    MenuItem* file = bar.Child("FileMenu");
    ASSERT_EQ(file->Count(), 3);
    EXPECT_EQ(file->Item(0)->Name(), "FileNew");
    EXPECT_TRUE(file->Item(1)->IsSeparator());
    EXPECT_EQ(file->Item(2)->Name(), "FileSaveAs");
    EXPECT_EQ(file->Item(3), nullptr);
    EXPECT_EQ(bar.Item(1)->Name(), "EditMenu");
}

TEST_F(MenuTree, FindsTheItemOfAKeyCombination) {
    EXPECT_EQ(bar.ItemForShortcut("Ctrl+Alt+S"), bar.Lookup("FileSaveAs"));
    EXPECT_EQ(bar.ItemForShortcut("Ctrl+S"), nullptr);
    EXPECT_EQ(bar.ItemForShortcut("Ctrl+C"), bar.Lookup("EditCopy"));
}

TEST_F(MenuTree, TheActionShowsTheTextAndTheShortcut) {
    QAction* action = bar.Lookup("FileSaveAs")->Action();
    EXPECT_EQ(action->text().section('\t', 0, 0), "Save As");
    EXPECT_EQ(QKeySequence(action->text().section('\t', 1)), QKeySequence("Ctrl+Alt+S"));
    // Qt must not take the key itself: the bar dispatches it.
    EXPECT_TRUE(action->shortcut().isEmpty());
}

TEST(MenuItemRole, QuitAndAboutGetQtsRoles) {
    MenuItem quit(MenuItem::Role::Quit);
    MenuItem about(MenuItem::Role::About);
    MenuItem plain;
    EXPECT_EQ(quit.Action()->menuRole(), QAction::QuitRole);
    EXPECT_EQ(about.Action()->menuRole(), QAction::AboutRole);
    EXPECT_EQ(plain.Action()->menuRole(), QAction::NoRole);
}

TEST(MenuItemText, AnAmpersandMarksTheMnemonicAndTwoShowOne) {
    MenuItem item;
    item.SetText("Save &As");
    EXPECT_EQ(item.Text(), "Save As");
    EXPECT_EQ(item.MarkedText(), "Save &As");
    EXPECT_EQ(item.Action()->text(), "Save &As");
    EXPECT_EQ(QKeySequence::mnemonic(item.Action()->text()), QKeySequence(Qt::ALT | Qt::Key_A));
    item.SetText("Salt && &Pepper");
    EXPECT_EQ(item.Text(), "Salt & Pepper");
    EXPECT_EQ(QKeySequence::mnemonic(item.Action()->text()), QKeySequence(Qt::ALT | Qt::Key_P));
}

TEST(MenuItemKeys, TheDesktopsStandardKeyComesFirstAndTheOwnKeyStaysBeside) {
    MenuItem saveAs;
    saveAs.SetKeyboardShortcut("Cmd+Option+S");
    saveAs.SetStandardKey(MenuItem::StandardKey::SaveAs);
    // Where the desktop names no Save As key, Ctrl+Shift+S serves.
    ASSERT_EQ(saveAs.Keys().size(), 2);
    EXPECT_EQ(saveAs.Keys().at(0), QKeySequence("Ctrl+Shift+S"));
    EXPECT_EQ(saveAs.Keys().at(1), QKeySequence("Ctrl+Alt+S"));
    EXPECT_EQ(QKeySequence(saveAs.Action()->text().section('\t', 1)), QKeySequence("Ctrl+Shift+S"));

    MenuItem close;
    close.SetKeyboardShortcut("Cmd+W");
    close.SetStandardKey(MenuItem::StandardKey::Close);
    EXPECT_EQ(close.Keys().first(), QKeySequence::keyBindings(QKeySequence::Close).first());
    EXPECT_EQ(close.Keys().count(QKeySequence("Ctrl+W")), 1) << "a key both name is listed once";

    MenuItem own;
    own.SetKeyboardShortcut("Cmd+E");
    EXPECT_EQ(own.Keys(), QList<QKeySequence>{QKeySequence("Ctrl+E")});
    EXPECT_TRUE(MenuItem().Keys().isEmpty());
}

TEST_F(MenuTree, EitherKeyOfAnItemFindsIt) {
    bar.Lookup("FileSaveAs")->SetStandardKey(MenuItem::StandardKey::SaveAs);
    EXPECT_EQ(bar.ItemForShortcut("Ctrl+Shift+S"), bar.Lookup("FileSaveAs"));
    EXPECT_EQ(bar.ItemForShortcut("Ctrl+Alt+S"), bar.Lookup("FileSaveAs"));
}

}  // namespace
