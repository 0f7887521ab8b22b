#include "dialogs/SaveChanges.h"

#include <gtest/gtest.h>

#include "dialogs/DeleteEntry.h"
#include "dialogs/DialogTesting.h"
#include "framework/ui/PushButton.h"

namespace {

TEST(SaveChangesDialog, ALeftHiddenDialogAsksTheNextQuestionAsItWas) {
    SaveChanges& first = SaveChanges::Instance();
    Ask(first, [](Window& shown) { UiDriver::PressEsc(shown); });
    ASSERT_EQ(first.ButtonPressed, "Cancel");

    ASSERT_EQ(&SaveChanges::Instance(), &first);
    Ask(SaveChanges::Instance(), [&](Window&) {
        EXPECT_EQ(first.ButtonPressed, "Cancel") << "the last word stays until a button stores a new one";
        UiDriver::Click(first.PushButton1());
    });
    EXPECT_EQ(first.ButtonPressed, "DontSave");

    // After Save its caller closes it; the next question gets a new dialog.
    Ask(first, [](Window& shown) { UiDriver::PressReturn(shown); });
    ASSERT_EQ(first.ButtonPressed, "Save");
    ASSERT_TRUE(first.Close());
    UiDriver::ProcessEvents();
    Ask(SaveChanges::Instance(), [](Window& shown) {
        EXPECT_EQ(static_cast<SaveChanges&>(shown).ButtonPressed, QString());
        UiDriver::PressEsc(shown);
    });
}

// Space presses the focused button; the first focus is on the default button
// so that it can answer neither "DontSave" nor "yes".
TEST(DialogFirstFocus, SpaceAnswersWithTheDefaultButton) {
    Ask(SaveChanges::Instance(), [](Window& shown) {
        UiDriver::Activate(shown);
        UiDriver::PressKey(shown, Qt::Key_Space, QStringLiteral(" "));
    });
    EXPECT_EQ(SaveChanges::Instance().ButtonPressed, "Save");

    Ask(DeleteEntry::Instance(), [](Window& shown) {
        UiDriver::Activate(shown);
        UiDriver::PressKey(shown, Qt::Key_Space, QStringLiteral(" "));
    });
    EXPECT_EQ(DeleteEntry::Instance().ButtonPressed, "No");
}

}  // namespace
