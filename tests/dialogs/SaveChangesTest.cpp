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

// Return presses the button the user tabbed to in this question only: the
// next question, from the same hidden dialog, starts on Save again.
TEST(SaveChangesDialog, AButtonTabbedToInOneQuestionDoesNotAnswerTheNext) {
    SaveChanges& dialog = SaveChanges::Instance();
    for (PushButton* tabbedTo : {&dialog.PushButton1(), &dialog.PushButton2()}) {
        Ask(dialog, [tabbedTo](Window& shown) {
            TabTo(shown, *tabbedTo);
            UiDriver::PressReturn(shown);
        });
        ASSERT_NE(dialog.ButtonPressed, "Save");
        Ask(dialog, [](Window& shown) { UiDriver::PressReturn(shown); });
        EXPECT_EQ(dialog.ButtonPressed, "Save") << "after " << tabbedTo->Caption().toStdString();
    }
    dialog.Close();
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
