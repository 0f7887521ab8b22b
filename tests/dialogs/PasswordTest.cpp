#include "dialogs/Password.h"

#include <gtest/gtest.h>

#include "dialogs/DialogTesting.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"
#include "support/FakeDesktop.h"
#include "support/TestNames.h"

namespace {

const QString kPrompt = QStringLiteral("Enter Document Password");
const QString kRefusal = QStringLiteral("Please enter a Password!");

class PasswordDialog : public ::testing::Test {
protected:
    Password& dialog() { return Password::Instance(); }
    FakeDesktop::Guard desktop;
};

TEST_F(PasswordDialog, ReturnOnAnEmptyFieldRefusesWithThePromptAndKeepsAsking) {
    Ask(dialog(), [&](Window& shown) {
        UiDriver::Activate(shown);
        UiDriver::PressReturn(shown);
        EXPECT_TRUE(shown.Visible());
        EXPECT_TRUE(shown.IsModal());
        EXPECT_EQ(dialog().StaticText1().Text(), kRefusal);
        EXPECT_EQ(dialog().ButtonPressed, QString());
        EXPECT_TRUE(dialog().EditField1().HasFocus());

        // Still answering: the field takes what is typed next.
        UiDriver::Type(dialog().EditField1(), "x");
        UiDriver::PressReturn(shown);
    });
    EXPECT_EQ(dialog().ButtonPressed, "yes");
    EXPECT_EQ(dialog().EditField1().Text(), "x");
    EXPECT_TRUE(desktop->messages.isEmpty()) << "the refusal is the prompt, not a message box";
}

struct TypedCase {
    const char* name;
    QString text;
};

class PasswordAsTyped : public PasswordDialog, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(PasswordAsTyped, TheFieldHoldsThePasswordExactlyAsTyped) {
    const QString typed = GetParam().text;
    Ask(dialog(), [&](Window& shown) {
        UiDriver::Type(dialog().EditField1(), typed);
        UiDriver::PressReturn(shown);
    });
    EXPECT_EQ(dialog().ButtonPressed, "yes");
    EXPECT_EQ(dialog().EditField1().Text(), typed);
    EXPECT_TRUE(dialog().EditField1().Password()) << "the field shows its text masked";
}

INSTANTIATE_TEST_SUITE_P(Texts, PasswordAsTyped,
                         ::testing::Values(TypedCase{"TwoBlanksAround", QStringLiteral("  two blanks around  ")},
                                           TypedCase{"OneBlank", QStringLiteral(" ")},
                                           TypedCase{"BeyondAscii", QStringLiteral("Gr\u00fc\u00dfe \u20ac 5")},
                                           TypedCase{"ThreeHundredLetters", QString(300, QChar('k'))}),
                         CaseName());

TEST_F(PasswordDialog, EscEmptiesTheField) {
    Ask(dialog(), [&](Window& shown) {
        UiDriver::Type(dialog().EditField1(), "half typed");
        UiDriver::PressEsc(shown);
    });
    EXPECT_EQ(dialog().ButtonPressed, "Cancel");
    EXPECT_EQ(dialog().EditField1().Text(), QString());
}

TEST_F(PasswordDialog, AHiddenDialogShowsItsPromptFieldAndWordAsLeft) {
    Password& first = dialog();
    Ask(first, [&](Window& shown) {
        UiDriver::PressReturn(shown);  // refused: the prompt changes for good
        UiDriver::Type(first.EditField1(), "abc");
        UiDriver::PressEsc(shown);
    });
    ASSERT_EQ(first.ButtonPressed, "Cancel");

    // Left hidden after Cancel, the next question shows the same dialog.
    ASSERT_EQ(&dialog(), &first);
    Ask(dialog(), [&](Window&) {
        EXPECT_EQ(first.StaticText1().Text(), kRefusal);
        EXPECT_EQ(first.EditField1().Text(), QString());
        EXPECT_EQ(first.ButtonPressed, "Cancel") << "the word stays until a button stores a new one";
        UiDriver::Type(first.EditField1(), "abc");
        UiDriver::Click(first.PushButton1());
    });
    EXPECT_EQ(first.ButtonPressed, "yes");
    EXPECT_EQ(first.StaticText1().Text(), kRefusal) << "the prompt is never set back";
}

TEST_F(PasswordDialog, AfterTheCallerClosesItTheNextQuestionStartsAfresh) {
    Ask(dialog(), [&](Window& shown) {
        UiDriver::PressReturn(shown);
        UiDriver::Type(dialog().EditField1(), "pw");
        UiDriver::PressReturn(shown);
    });
    ASSERT_EQ(dialog().ButtonPressed, "yes");
    ASSERT_EQ(dialog().EditField1().Text(), "pw");
    ASSERT_TRUE(dialog().Close());
    UiDriver::ProcessEvents();

    Ask(dialog(), [&](Window& shown) {
        EXPECT_EQ(dialog().StaticText1().Text(), kPrompt);
        EXPECT_EQ(dialog().EditField1().Text(), QString());
        EXPECT_EQ(dialog().ButtonPressed, QString());
        UiDriver::PressEsc(shown);
    });
    EXPECT_EQ(dialog().ButtonPressed, "Cancel");
}

TEST_F(PasswordDialog, ThePasswordFieldHasTheFocusWhenFirstShown) {
    Ask(dialog(), [&](Window& shown) {
        EXPECT_TRUE(dialog().EditField1().HasFocus());
        UiDriver::PressEsc(shown);
    });
}

}  // namespace
