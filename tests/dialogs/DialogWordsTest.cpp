// The words each dialog answers with, for each key and button, and that only
// the dialog's buttons (or a close standing in for its cancel button) end it.
#include <gtest/gtest.h>

#include <QString>
#include <functional>

#include "dialogs/DeleteEntry.h"
#include "dialogs/DialogTesting.h"
#include "dialogs/Password.h"
#include "dialogs/Password2.h"
#include "dialogs/SaveChanges.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"
#include "support/FakeDesktop.h"

namespace {

enum class Press { Return, Esc, Click, TabToButtonThenReturn };

struct WordCase {
    const char* name;
    std::function<Window&()> instance;
    std::function<QString()> word;
    std::function<void()> fill;  // what the user types first, when anything
    Press press;
    const char* button;  // the button clicked or tabbed to
    const char* expected;
};

void TypePassword() {
    UiDriver::Type(Password::Instance().EditField1(), "secret");
}

void TypeBothPasswords() {
    UiDriver::Type(Password2::Instance().EditField1(), "secret");
    UiDriver::Type(Password2::Instance().EditField2(), "secret");
}

Window& PasswordDialog() {
    return Password::Instance();
}
Window& Password2Dialog() {
    return Password2::Instance();
}
Window& SaveChangesDialog() {
    return SaveChanges::Instance();
}
Window& DeleteEntryDialog() {
    return DeleteEntry::Instance();
}
QString PasswordWord() {
    return Password::Instance().ButtonPressed;
}
QString Password2Word() {
    return Password2::Instance().ButtonPressed;
}
QString SaveChangesWord() {
    return SaveChanges::Instance().ButtonPressed;
}
QString DeleteEntryWord() {
    return DeleteEntry::Instance().ButtonPressed;
}

const WordCase kWords[] = {
    {"PasswordReturn", PasswordDialog, PasswordWord, TypePassword, Press::Return, nullptr, "yes"},
    {"PasswordClickEnter", PasswordDialog, PasswordWord, TypePassword, Press::Click, "PushButton1", "yes"},
    {"PasswordEsc", PasswordDialog, PasswordWord, TypePassword, Press::Esc, nullptr, "Cancel"},
    {"PasswordClickCancel", PasswordDialog, PasswordWord, nullptr, Press::Click, "PushButton2", "Cancel"},
    {"Password2Return", Password2Dialog, Password2Word, TypeBothPasswords, Press::Return, nullptr, "Enter"},
    {"Password2ClickEnter", Password2Dialog, Password2Word, TypeBothPasswords, Press::Click, "PushButton1", "Enter"},
    {"Password2Esc", Password2Dialog, Password2Word, TypeBothPasswords, Press::Esc, nullptr, "Cancel"},
    {"Password2ClickCancel", Password2Dialog, Password2Word, nullptr, Press::Click, "PushButton2", "Cancel"},
    {"SaveChangesReturn", SaveChangesDialog, SaveChangesWord, nullptr, Press::Return, nullptr, "Save"},
    {"SaveChangesEsc", SaveChangesDialog, SaveChangesWord, nullptr, Press::Esc, nullptr, "Cancel"},
    {"SaveChangesClickSave", SaveChangesDialog, SaveChangesWord, nullptr, Press::Click, "PushButton3", "Save"},
    {"SaveChangesClickDontSave", SaveChangesDialog, SaveChangesWord, nullptr, Press::Click, "PushButton1", "DontSave"},
    {"SaveChangesClickCancel", SaveChangesDialog, SaveChangesWord, nullptr, Press::Click, "PushButton2", "Cancel"},
    {"DeleteEntryReturn", DeleteEntryDialog, DeleteEntryWord, nullptr, Press::Return, nullptr, "No"},
    {"DeleteEntryEsc", DeleteEntryDialog, DeleteEntryWord, nullptr, Press::Esc, nullptr, "No"},
    {"DeleteEntryClickYes", DeleteEntryDialog, DeleteEntryWord, nullptr, Press::Click, "PushButton2", "yes"},
    {"DeleteEntryClickNo", DeleteEntryDialog, DeleteEntryWord, nullptr, Press::Click, "PushButton1", "No"},
    // Return presses the button the user has tabbed to.
    {"PasswordTabToCancelReturn", PasswordDialog, PasswordWord, TypePassword, Press::TabToButtonThenReturn,
     "PushButton2", "Cancel"},
    {"SaveChangesTabToCancelReturn", SaveChangesDialog, SaveChangesWord, nullptr, Press::TabToButtonThenReturn,
     "PushButton2", "Cancel"},
    {"SaveChangesTabToDontSaveReturn", SaveChangesDialog, SaveChangesWord, nullptr, Press::TabToButtonThenReturn,
     "PushButton1", "DontSave"},
    {"DeleteEntryTabToYesReturn", DeleteEntryDialog, DeleteEntryWord, nullptr, Press::TabToButtonThenReturn,
     "PushButton2", "yes"},
};

class DialogWords : public ::testing::TestWithParam<WordCase> {
protected:
    FakeDesktop::Guard desktop;
};

TEST_P(DialogWords, EachKeyAndButtonStoresItsWordAndEndsTheQuestion) {
    const WordCase& c = GetParam();
    Window& dialog = c.instance();
    EXPECT_EQ(c.word(), QString()) << "a newly built dialog holds no word";

    Ask(dialog, [&](Window& shown) {
        ASSERT_EQ(&shown, &dialog);
        UiDriver::Activate(shown);
        if (c.fill)
            c.fill();
        switch (c.press) {
            case Press::Return:
                UiDriver::PressReturn(shown);
                break;
            case Press::Esc:
                UiDriver::PressEsc(shown);
                break;
            case Press::Click:
                UiDriver::Click(*shown.FindControl<PushButton>(c.button));
                break;
            case Press::TabToButtonThenReturn:
                TabTo(shown, *shown.FindControl<PushButton>(c.button));
                UiDriver::PressReturn(shown);
                break;
        }
    });

    EXPECT_EQ(c.word(), QString(c.expected));
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.IsClosed()) << "the dialog hides; only its caller closes it";
    EXPECT_TRUE(desktop->messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, DialogWords, ::testing::ValuesIn(kWords),
                         [](const auto& info) { return std::string(info.param.name); });

// A close that reaches a dialog while its caller waits (the window manager's
// close) answers as the cancel button does: the caller must not take the word
// an earlier question left in the dialog for this answer.
struct CloseCase {
    const char* name;
    std::function<Window&()> instance;
    std::function<QString()> word;
    const char* earlierButton;  // answers a first question, leaving its word behind
    const char* expected;
};

const CloseCase kCloses[] = {
    {"Password", PasswordDialog, PasswordWord, "PushButton2", "Cancel"},
    {"Password2", Password2Dialog, Password2Word, "PushButton2", "Cancel"},
    {"SaveChangesAfterDontSave", SaveChangesDialog, SaveChangesWord, "PushButton1", "Cancel"},
    {"DeleteEntryAfterYes", DeleteEntryDialog, DeleteEntryWord, "PushButton2", "No"},
};

class DialogClosedWhileAsking : public ::testing::TestWithParam<CloseCase> {
protected:
    FakeDesktop::Guard desktop;
};

TEST_P(DialogClosedWhileAsking, AnswersAsCancelAndTheCallersCloseStillCloses) {
    const CloseCase& c = GetParam();
    Window& dialog = c.instance();
    Ask(dialog, [&](Window& shown) { UiDriver::Click(*shown.FindControl<PushButton>(c.earlierButton)); });

    Ask(dialog, [](Window& shown) { EXPECT_FALSE(shown.Close()); });
    EXPECT_EQ(c.word(), QString(c.expected));
    EXPECT_FALSE(dialog.IsClosed());

    EXPECT_TRUE(dialog.Close());
    EXPECT_TRUE(dialog.IsClosed());
}

INSTANTIATE_TEST_SUITE_P(AllDialogs, DialogClosedWhileAsking, ::testing::ValuesIn(kCloses),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
