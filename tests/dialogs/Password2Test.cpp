#include "dialogs/Password2.h"

#include <gtest/gtest.h>

#include "dialogs/DialogTesting.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"
#include "support/FakeDesktop.h"

namespace {

const char* const kEmpty = "Please enter a Password!";
const char* const kMismatch = "The two Passwords do not match!";

struct Refusal {
    const char* name;
    QString first;
    QString second;
    const char* message;
};

const Refusal kRefusals[] = {
    {"BothEmpty", "", "", kEmpty},
    {"SecondEmpty", "secret", "", kEmpty},
    {"FirstEmpty", "", "secret", kEmpty},
    {"Different", "secret", "secrets", kMismatch},
    {"DifferOnlyInCase", "Secret", "secret", kMismatch},
    {"DifferOnlyInATrailingBlank", "secret", "secret ", kMismatch},
};

class Password2Refusal : public ::testing::TestWithParam<Refusal> {
protected:
    Password2& dialog() { return Password2::Instance(); }
    FakeDesktop::Guard desktop;
};

TEST_P(Password2Refusal, SaysWhyEmptiesBothFieldsAndKeepsAsking) {
    const Refusal& c = GetParam();
    QStringList textsWhileShown;
    desktop->onMsgBox = [&](const QString&) {
        // The fields are emptied only once the message is dismissed.
        textsWhileShown = {dialog().EditField1().Text(), dialog().EditField2().Text()};
    };

    Ask(dialog(), [&](Window& shown) {
        UiDriver::Activate(shown);
        UiDriver::Type(dialog().EditField1(), c.first);
        UiDriver::Type(dialog().EditField2(), c.second);
        dialog().EditField2().SetFocus();
        UiDriver::PressReturn(shown);

        EXPECT_TRUE(shown.Visible());
        EXPECT_EQ(dialog().ButtonPressed, QString());
        EXPECT_EQ(dialog().EditField1().Text(), QString());
        EXPECT_EQ(dialog().EditField2().Text(), QString());
        EXPECT_TRUE(dialog().EditField1().HasFocus());
        UiDriver::PressEsc(shown);
    });

    EXPECT_EQ(desktop->messages, QStringList{c.message});
    EXPECT_EQ(textsWhileShown, (QStringList{c.first, c.second}));
    EXPECT_EQ(dialog().ButtonPressed, "Cancel");
}

INSTANTIATE_TEST_SUITE_P(Pairs, Password2Refusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

class Password2Dialog : public ::testing::Test {
protected:
    Password2& dialog() { return Password2::Instance(); }
    FakeDesktop::Guard desktop;
};

TEST_F(Password2Dialog, TheSameTextTwiceIsTakenExactlyAsTyped) {
    const QStringList texts{"   ", " pass word ", QString(300, QChar('z'))};
    for (const QString& typed : texts) {
        Ask(dialog(), [&](Window& shown) {
            UiDriver::Type(dialog().EditField1(), typed);
            UiDriver::Type(dialog().EditField2(), typed);
            UiDriver::PressReturn(shown);
        });
        EXPECT_EQ(dialog().ButtonPressed, "Enter");
        EXPECT_EQ(dialog().EditField1().Text(), typed);
        ASSERT_TRUE(dialog().Close());
    }
    EXPECT_TRUE(desktop->messages.isEmpty());
}

TEST_F(Password2Dialog, ARefusalThenAMatchingPairIsTaken) {
    Ask(dialog(), [&](Window& shown) {
        UiDriver::Type(dialog().EditField1(), "one");
        UiDriver::Type(dialog().EditField2(), "two");
        UiDriver::PressReturn(shown);
        UiDriver::Type(dialog().EditField1(), "three");
        UiDriver::Type(dialog().EditField2(), "three");
        UiDriver::Click(dialog().PushButton1());
    });
    EXPECT_EQ(desktop->messages, QStringList{kMismatch});
    EXPECT_EQ(dialog().ButtonPressed, "Enter");
    EXPECT_EQ(dialog().EditField1().Text(), "three");
}

TEST_F(Password2Dialog, CancelTakesNothingAndANewQuestionStartsWithEmptyFields) {
    Ask(dialog(), [&](Window& shown) {
        UiDriver::Type(dialog().EditField1(), "typed");
        UiDriver::Type(dialog().EditField2(), "typed");
        UiDriver::PressEsc(shown);
    });
    EXPECT_EQ(dialog().ButtonPressed, "Cancel");
    ASSERT_TRUE(dialog().Close());

    Ask(dialog(), [&](Window& shown) {
        EXPECT_EQ(dialog().EditField1().Text(), QString());
        EXPECT_EQ(dialog().EditField2().Text(), QString());
        EXPECT_EQ(dialog().ButtonPressed, QString());
        EXPECT_TRUE(dialog().EditField1().HasFocus());
        UiDriver::PressEsc(shown);
    });
}

}  // namespace
