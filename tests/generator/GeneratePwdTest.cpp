#include "generator/GeneratePwd.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QSet>
#include <QWidget>

#include "dialogs/TextFits.h"
#include "framework/ui/Application.h"
#include "framework/ui/BevelButton.h"
#include "framework/ui/CheckBox.h"
#include "framework/ui/GroupBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/MenuBar.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/TextField.h"
#include "framework/ui/UpDownArrows.h"
#include "support/FakeDesktop.h"
#include "support/UiDriver.h"
#include "support/TestNames.h"

namespace {

const QString kLower = "abcdefghijklmnopqrstuvwxyz";
const QString kUpper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const QString kDigits = "0123456789";
const QString kHex = "0123456789ABCDEF";
const QString kSymbols = "!@#$%";
const QString kConsonants = "bcdfghjklmnpqrstvwxyz";
const QString kVowels = "aeiou";
const QString kRefusal =
    "Can't create password of selected type and length. Decrease length or select 'Allow Duplicates'.";

enum class Type { Alphabetic, Numeric, Alphanumeric, Hexadecimal, Speakable };

const char* TypeName(Type type) {
    switch (type) {
        case Type::Alphabetic:
            return "Alphabetic";
        case Type::Numeric:
            return "Numeric";
        case Type::Alphanumeric:
            return "Alphanumeric";
        case Type::Hexadecimal:
            return "Hexadecimal";
        case Type::Speakable:
            return "Speakable";
    }
    return "";
}

// The generator window on a fake desktop, driven through its controls.
class GeneratorFixture : public ::testing::Test {
protected:
    GeneratePwd& window = GeneratePwd::Instance();

    RadioButton* TypeButton(Type type) const {
        switch (type) {
            case Type::Alphabetic:
                return window.RadioButton1();
            case Type::Numeric:
                return window.RadioButton2();
            case Type::Alphanumeric:
                return window.RadioButton3();
            case Type::Hexadecimal:
                return window.RadioButton4();
            case Type::Speakable:
                return window.RadioButton5();
        }
        return nullptr;
    }

    // Options are set while the type that enables them all is selected, then
    // the type is chosen: a greyed box keeps its mark.
    void Choose(Type type, bool mixedCase, bool allowDuplicates, bool symbols, const QString& length) {
        window.RadioButton1()->SetValue(true);
        window.CheckBox1()->SetValue(mixedCase);
        window.CheckBox2()->SetValue(allowDuplicates);
        window.CheckBox3()->SetValue(symbols);
        TypeButton(type)->SetValue(true);
        window.EditField1()->SetText(length);
    }

    QString Generate() {
        window.PushButton1()->Push();
        return window.EditField2()->Text();
    }

    FakeDesktop::Guard desktop;
};

// --- the window as built ---------------------------------------------------

TEST_F(GeneratorFixture, OpensInItsInitialState) {
    EXPECT_EQ(window.Title(), "Generate Password");
    EXPECT_EQ(window.Width(), 266);
    EXPECT_EQ(window.Height(), 376);
    EXPECT_TRUE(window.Visible());
    EXPECT_TRUE(window.RadioButton3()->Value());
    for (RadioButton* other :
         {window.RadioButton1(), window.RadioButton2(), window.RadioButton4(), window.RadioButton5()})
        EXPECT_FALSE(other->Value()) << other->Caption().toStdString();
    EXPECT_TRUE(window.CheckBox1()->Value());
    EXPECT_TRUE(window.CheckBox2()->Value());
    EXPECT_FALSE(window.CheckBox3()->Value());
    for (CheckBox* box : {window.CheckBox1(), window.CheckBox2(), window.CheckBox3()})
        EXPECT_TRUE(box->Enabled());
    EXPECT_EQ(window.EditField1()->Text(), "14");
    EXPECT_EQ(window.EditField1()->LimitText(), 3);
    EXPECT_FALSE(window.EditField1()->ReadOnly());
    EXPECT_EQ(window.EditField3()->Text(), "!@#$%");
    EXPECT_TRUE(window.EditField3()->ReadOnly());
    EXPECT_EQ(window.EditField2()->Text(), "");
    EXPECT_TRUE(window.EditField2()->ReadOnly());
    EXPECT_TRUE(window.PushButton1()->Default());
    EXPECT_FALSE(window.PushButton1()->Cancel());
}

TEST_F(GeneratorFixture, ControlsLieWhereTheLayoutPutsThem) {
    struct Row {
        RectControl* control;
        int left, top, width, height;
        QString text;
    };
    const Row rows[] = {
        {window.GroupBox1(), 15, 14, 236, 313, ""},
        {window.StaticText1(), 20, 24, 65, 20, "Type:"},
        {window.RadioButton1(), 97, 24, 148, 20, "Alphabetic"},
        {window.RadioButton2(), 97, 46, 148, 20, "Numeric"},
        {window.RadioButton3(), 97, 68, 148, 20, "Alphanumeric"},
        {window.RadioButton4(), 97, 90, 148, 20, "Hexadecimal"},
        {window.RadioButton5(), 97, 112, 148, 20, "Speakable"},
        {window.StaticText2(), 20, 152, 65, 20, "Options:"},
        {window.CheckBox1(), 97, 152, 148, 20, "Mixed Case"},
        {window.CheckBox2(), 97, 174, 148, 20, "Allow Duplicates"},
        {window.CheckBox3(), 97, 196, 148, 20, "Include Symbols"},
        {window.EditField3(), 119, 222, 116, 22, "!@#$%"},
        {window.StaticText3(), 20, 257, 65, 20, "Length:"},
        {window.EditField1(), 97, 256, 31, 22, "14"},
        {window.UpDownArrows1(), 134, 256, 13, 23, ""},
        {window.StaticText4(), 155, 257, 86, 20, "Characters"},
        {window.PushButton1(), 97, 294, 138, 20, "Generate Password"},
        {window.StaticText5(), 15, 341, 65, 20, "Password"},
        {window.EditField2(), 75, 341, 129, 20, ""},
        {window.BevelButton1(), 211, 340, 40, 22, "Copy"},
    };
    for (const Row& row : rows) {
        ASSERT_NE(row.control, nullptr) << row.text.toStdString();
        EXPECT_EQ(row.control->Rect(), QRect(row.left, row.top, row.width, row.height))
            << row.control->Name().toStdString();
        QString text;
        if (auto* label = dynamic_cast<Label*>(row.control))
            text = label->Text();
        if (auto* radio = dynamic_cast<RadioButton*>(row.control))
            text = radio->Caption();
        if (auto* box = dynamic_cast<CheckBox*>(row.control))
            text = box->Caption();
        if (auto* field = dynamic_cast<TextField*>(row.control))
            text = field->Text();
        if (auto* push = dynamic_cast<PushButton*>(row.control))
            text = push->Caption();
        if (auto* bevel = dynamic_cast<BevelButton*>(row.control))
            text = bevel->Caption();
        EXPECT_EQ(text, row.text) << row.control->Name().toStdString();
    }
    EXPECT_FALSE(window.UpDownArrows1()->AcceptsFocus());
    EXPECT_FALSE(window.BevelButton1()->AcceptsFocus());
}

TEST_F(GeneratorFixture, EveryTextShowsWholeInItsBox) {
    ExpectEveryTextFits(window);
}

// --- options enabled by type ----------------------------------------------

struct EnablingCase {
    Type type;
    bool mixedCase, allowDuplicates, symbols;
};

class OptionsByType : public GeneratorFixture, public ::testing::WithParamInterface<EnablingCase> {};

TEST_P(OptionsByType, GreysOutTheOptionsTheTypeIgnoresAndKeepsTheirMarks) {
    const EnablingCase& c = GetParam();
    window.CheckBox3()->SetValue(true);
    // From a type that enables every option and from one that greys out two.
    for (RadioButton* start : {window.RadioButton1(), window.RadioButton4()}) {
        window.RadioButton3()->SetValue(true);
        start->SetValue(true);
        UiDriver::Click(*TypeButton(c.type));
        const std::string from = start->Caption().toStdString();
        EXPECT_TRUE(TypeButton(c.type)->Value()) << from;
        EXPECT_EQ(window.CheckBox1()->Enabled(), c.mixedCase) << from;
        EXPECT_EQ(window.CheckBox2()->Enabled(), c.allowDuplicates) << from;
        EXPECT_EQ(window.CheckBox3()->Enabled(), c.symbols) << from;
        EXPECT_TRUE(window.CheckBox1()->Value()) << from;
        EXPECT_TRUE(window.CheckBox2()->Value()) << from;
        EXPECT_TRUE(window.CheckBox3()->Value()) << from;
    }
}

INSTANTIATE_TEST_SUITE_P(Types, OptionsByType,
                         ::testing::Values(EnablingCase{Type::Alphabetic, true, true, true},
                                           EnablingCase{Type::Numeric, false, true, true},
                                           EnablingCase{Type::Alphanumeric, true, true, true},
                                           EnablingCase{Type::Hexadecimal, false, true, false},
                                           EnablingCase{Type::Speakable, false, true, false}),
                         [](const auto& info) { return std::string(TypeName(info.param.type)); });

TEST_F(GeneratorFixture, NumericThenAlphabeticGivesMixedCaseBackStillChecked) {
    UiDriver::Click(*window.RadioButton2());
    EXPECT_FALSE(window.CheckBox1()->Enabled());
    EXPECT_TRUE(window.CheckBox1()->Value());
    UiDriver::Click(*window.RadioButton1());
    EXPECT_TRUE(window.CheckBox1()->Enabled());
    EXPECT_TRUE(window.CheckBox1()->Value());
}

// --- the length arrows ---------------------------------------------------

struct ArrowCase {
    const char* before;
    const char* afterUp;
    const char* afterDown;
};

class LengthArrows : public GeneratorFixture, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(LengthArrows, StepWithinOneTo999) {
    window.EditField1()->SetText(GetParam().before);
    UiDriver::ClickUp(*window.UpDownArrows1());
    EXPECT_EQ(window.EditField1()->Text(), GetParam().afterUp) << "up";
    window.EditField1()->SetText(GetParam().before);
    UiDriver::ClickDown(*window.UpDownArrows1());
    EXPECT_EQ(window.EditField1()->Text(), GetParam().afterDown) << "down";
}

INSTANTIATE_TEST_SUITE_P(
    Values, LengthArrows,
    ::testing::Values(ArrowCase{"14", "15", "13"}, ArrowCase{"999", "999", "998"}, ArrowCase{"998", "999", "997"},
                      ArrowCase{"", "1", ""}, ArrowCase{"-5", "-4", "-5"}, ArrowCase{"2", "3", "1"},
                      ArrowCase{"1", "2", "1"}, ArrowCase{"0", "1", "0"},
                      // whole numbers within 1 to 999, three characters at most
                      ArrowCase{"1e9", "1e9", "999"}, ArrowCase{"1e3", "1e3", "999"}, ArrowCase{"9e2", "901", "899"},
                      ArrowCase{"2.5", "3", "2"}, ArrowCase{".5", "1", ".5"}, ArrowCase{"-.5", "0", "-.5"}),
    [](const auto& info) {
        // "-" and "." spelt out, so that "-5" and ".5" get names of their own.
        std::string text;
        for (const char c : std::string(info.param.before))
            text += c == '-' ? std::string("Minus") : c == '.' ? std::string("Point") : std::string(1, c);
        return "From" + TestName(text);
    });

TEST_F(GeneratorFixture, TheLengthFieldHoldsThreeCharactersEveryWayIn) {
    TextField& length = *window.EditField1();
    UiDriver::Click(length);
    const struct {
        const char* way;
        std::function<void()> put;
    } ways[] = {
        {"typed", [&] { UiDriver::Type(length, "1234"); }},
        {"pasted", [&] { UiDriver::Paste(length, "1234"); }},
        {"dropped", [&] { UiDriver::Drop(length, "1234"); }},
        {"composed", [&] { UiDriver::Compose(length, "1234"); }},
        {"set", [&] { length.SetText("1234"); }},
    };
    for (const auto& way : ways) {
        length.SetText("");
        way.put();
        EXPECT_EQ(length.Text(), "123") << way.way;
    }
    // Stepped all the way up, the arrows stop at 999.
    length.SetText("997");
    for (int i = 0; i < 5; ++i)
        UiDriver::ClickUp(*window.UpDownArrows1());
    EXPECT_EQ(length.Text(), "999");
}

// --- Copy --------------------------------------------------------------------

TEST_F(GeneratorFixture, CopyPutsTheResultOnTheClipboardEvenWhenEmpty) {
    UiDriver::Click(*window.BevelButton1());
    EXPECT_EQ(desktop->clipboardTexts, QStringList{""});
    const QString password = Generate();
    ASSERT_EQ(password.size(), 14);
    UiDriver::Click(*window.BevelButton1());
    EXPECT_EQ(desktop->clipboardTexts, (QStringList{"", password}));
}

// --- placement, showing again, closing ------------------------------------

struct ScreenCase {
    int width, height, left, top;
};

class Placement : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(Placement, CentredAcrossWithItsMiddleAtAThirdOfTheHeight) {
    FakeDesktop::Guard desktop;
    desktop->screenWidth = GetParam().width;
    desktop->screenHeight = GetParam().height;
    GeneratePwd& window = GeneratePwd::Instance();
    EXPECT_EQ(window.Left(), GetParam().left);
    EXPECT_EQ(window.Top(), GetParam().top);
}

// 768 / 3 - 188 = 68; 1024 / 3 - 188 = 153.33; 600 / 3 - 188 = 12.
INSTANTIATE_TEST_SUITE_P(Screens, Placement,
                         ::testing::Values(ScreenCase{1024, 768, 379, 68}, ScreenCase{1280, 1024, 507, 153},
                                           ScreenCase{800, 600, 267, 12}),
                         [](const auto& info) {
                             return "Screen" + std::to_string(info.param.width) + "x" +
                                    std::to_string(info.param.height);
                         });

TEST_F(GeneratorFixture, ShowingAgainKeepsStateAndPosition) {
    window.EditField1()->SetText("20");
    window.SetLeft(10);
    window.SetTop(40);
    GeneratePwd& again = GeneratePwd::Instance();
    again.Show();
    EXPECT_EQ(&again, &window);
    EXPECT_EQ(again.Left(), 10);
    EXPECT_EQ(again.Top(), 40);
    EXPECT_EQ(again.EditField1()->Text(), "20");
}

TEST_F(GeneratorFixture, ClosedWindowComesBackNewInItsInitialStatePlacedAgain) {
    window.RadioButton4()->SetValue(true);
    window.EditField1()->SetText("20");
    Generate();
    window.SetLeft(10);
    QPointer<GeneratePwd> old(&window);
    window.Widget()->close();  // the close box
    EXPECT_TRUE(old->IsClosed());
    UiDriver::ProcessEvents();

    GeneratePwd& fresh = GeneratePwd::Instance();
    EXPECT_FALSE(fresh.IsClosed());
    EXPECT_TRUE(fresh.RadioButton3()->Value());
    EXPECT_TRUE(fresh.CheckBox1()->Enabled());
    EXPECT_EQ(fresh.EditField1()->Text(), "14");
    EXPECT_EQ(fresh.EditField2()->Text(), "");
    EXPECT_EQ(fresh.Left(), 379);
    EXPECT_EQ(fresh.Top(), 68);
}

// A window behind the generator that handles File > Close itself.
class DocumentStub : public Window {
public:
    DocumentStub() {
        WindowSpec spec;
        spec.title = "untitled1";
        Build(spec, {});
    }
    void AddMenuHandlers() override {
        AddMenuHandler("FileClose", [this] {
            Close();
            return false;
        });
    }
};

// The application's bar with the File items a document window would enable.
class GeneratorMenus : public GeneratorFixture {
protected:
    static MenuItem* Item(const QString& name, const QString& text) {
        auto* item = new MenuItem;
        item->SetName(name);
        item->SetText(text);
        item->SetAutoEnable(false);
        return item;
    }
    void SetUp() override {
        auto* file = Item("FileMenu", "File");
        for (const char* name : {"FileClose", "FileSave", "FileSaveAs", "FileExport", "EditSelectAll"})
            file->Append(Item(name, name));
        bar.Append(file);
        app.SetMenuBar(&bar);
    }
    void TearDown() override { app.SetMenuBar(nullptr); }
    Application app;
    MenuBar bar;
};

TEST_F(GeneratorMenus, FileCloseIsEnabledAloneAndClosesTheGeneratorNotTheDocument) {
    QPointer<DocumentStub> document(new DocumentStub);
    window.Show();
    ASSERT_EQ(Window::Frontmost(), &window);
    bar.EnableMenuItems();
    EXPECT_TRUE(bar.Lookup("FileClose")->Enabled());
    for (const char* name : {"FileSave", "FileSaveAs", "FileExport", "EditSelectAll"})
        EXPECT_FALSE(bar.Lookup(name)->Enabled()) << name;
    EXPECT_FALSE(bar.Choose("FileClose"));
    EXPECT_TRUE(window.IsClosed());
    ASSERT_TRUE(document);
    EXPECT_FALSE(document->IsClosed());
}

// --- generating ------------------------------------------------------------

struct GenerationCase {
    const char* name;
    Type type;
    bool mixedCase, allowDuplicates, symbols;
    const char* length;
    int expectedLength;
    QString pool;        // every character must come from here
    bool everyCharOnce;  // the password is the whole pool, each character once
};

class Generation : public GeneratorFixture, public ::testing::WithParamInterface<GenerationCase> {};

TEST_P(Generation, DrawsTheRequestedLengthFromThePool) {
    const GenerationCase& c = GetParam();
    Choose(c.type, c.mixedCase, c.allowDuplicates, c.symbols, c.length);
    for (int round = 0; round < 20; ++round) {
        const QString password = Generate();
        ASSERT_EQ(password.size(), c.expectedLength) << password.toStdString();
        for (QChar ch : password)
            ASSERT_TRUE(c.pool.contains(ch)) << QString(ch).toStdString();
        if (!c.allowDuplicates) {
            QSet<QChar> seen(password.begin(), password.end());
            EXPECT_EQ(seen.size(), password.size()) << password.toStdString();
        }
        if (c.everyCharOnce) {
            QString sorted = password, pool = c.pool;
            std::sort(sorted.begin(), sorted.end());
            std::sort(pool.begin(), pool.end());
            EXPECT_EQ(sorted, pool);
        }
    }
    EXPECT_TRUE(desktop->messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Types, Generation,
    ::testing::Values(
        GenerationCase{"InitialWindow", Type::Alphanumeric, true, true, false, "14", 14, kLower + kDigits + kUpper,
                       false},
        GenerationCase{"AlphabeticLowerOnly", Type::Alphabetic, false, true, false, "40", 40, kLower, false},
        GenerationCase{"AlphabeticAllOnce", Type::Alphabetic, true, false, true, "57", 57, kLower + kUpper + kSymbols,
                       true},
        // A letter may occur in both cases without duplicates: 52 means all of them.
        GenerationCase{"BothCasesAreDifferent", Type::Alphabetic, true, false, false, "52", 52, kLower + kUpper, true},
        GenerationCase{"NumericIgnoresMixedCase", Type::Numeric, true, true, false, "30", 30, kDigits, false},
        GenerationCase{"NumericAllOnce", Type::Numeric, true, false, false, "10", 10, kDigits, true},
        GenerationCase{"NumericWithSymbolsAllOnce", Type::Numeric, false, false, true, "15", 15, kDigits + kSymbols,
                       true},
        GenerationCase{"HexIgnoresCaseAndSymbols", Type::Hexadecimal, true, false, true, "16", 16, kHex, true},
        GenerationCase{"HexWithDuplicates", Type::Hexadecimal, false, true, false, "100", 100, kHex, false},
        GenerationCase{"AlphanumericAllOnce", Type::Alphanumeric, true, false, true, "67", 67,
                       kLower + kDigits + kUpper + kSymbols, true},
        GenerationCase{"AlphanumericLower", Type::Alphanumeric, false, false, false, "36", 36, kLower + kDigits, true},
        GenerationCase{"FractionRoundsUp", Type::Numeric, false, true, false, "2.5", 3, kDigits, false},
        GenerationCase{"FractionWithinPool", Type::Hexadecimal, false, false, false, "9.5", 10, kHex, false},
        GenerationCase{"ArrowsTopValue", Type::Alphanumeric, true, true, true, "999", 999,
                       kLower + kDigits + kUpper + kSymbols, false},
        // Val reads "1e9" as a billion: held to 999 characters.
        GenerationCase{"ExponentIsBounded", Type::Numeric, false, true, false, "1e9", 999, kDigits, false},
        GenerationCase{"InfinityIsBounded", Type::Hexadecimal, false, true, false, "1e999", 999, kHex, false},
        GenerationCase{"SpeakableIgnoresOptions", Type::Speakable, true, true, true, "30", 30, kConsonants + kVowels,
                       false}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* name;
    Type type;
    bool mixedCase, symbols;
    const char* length;
};

class Refusal : public GeneratorFixture, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, TooLongWithoutDuplicatesShowsTheMessageAndKeepsTheResult) {
    const RefusalCase& c = GetParam();
    Choose(Type::Numeric, false, true, false, "8");
    const QString previous = Generate();
    Choose(c.type, c.mixedCase, false, c.symbols, c.length);
    window.PushButton1()->Push();
    EXPECT_EQ(desktop->messages, QStringList{kRefusal});
    EXPECT_EQ(window.EditField2()->Text(), previous);
}

INSTANTIATE_TEST_SUITE_P(Lengths, Refusal,
                         ::testing::Values(RefusalCase{"Hex17", Type::Hexadecimal, true, true, "17"},
                                           RefusalCase{"Numeric11", Type::Numeric, true, false, "11"},
                                           RefusalCase{"NumericSymbols16", Type::Numeric, false, true, "16"},
                                           RefusalCase{"Alphabetic27", Type::Alphabetic, false, false, "27"},
                                           RefusalCase{"Alphanumeric68", Type::Alphanumeric, true, true, "68"},
                                           RefusalCase{"Speakable43", Type::Speakable, false, false, "43"},
                                           RefusalCase{"ExponentBeyondEveryPool", Type::Alphanumeric, true, true,
                                                       "1e9"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GeneratorFixture, ReturnPressesGenerate) {
    UiDriver::Activate(window);
    window.EditField1()->SetFocus();
    UiDriver::PressReturn(window);
    EXPECT_EQ(window.EditField2()->Text().size(), 14);
}

TEST_F(GeneratorFixture, NoLengthClearsTheResultWithoutMessage) {
    for (const char* length : {"", "0", "-5", "abc", "0.0"}) {
        Choose(Type::Alphanumeric, true, false, false, "5");
        ASSERT_EQ(Generate().size(), 5);
        window.EditField1()->SetText(length);
        EXPECT_EQ(Generate(), "") << length;
    }
    EXPECT_TRUE(desktop->messages.isEmpty());
}

// --- Speakable -------------------------------------------------------------

// Consonant, vowel, consonant ...: odd lengths end with a consonant.
void ExpectSpeakableShape(const QString& password) {
    for (int i = 0; i < password.size(); ++i) {
        const QString& set = i % 2 == 0 ? kConsonants : kVowels;
        ASSERT_TRUE(set.contains(password[i])) << password.toStdString() << " at " << i;
    }
}

TEST_F(GeneratorFixture, SpeakableAlternatesConsonantAndVowel) {
    for (int length = 1; length <= 12; ++length) {
        Choose(Type::Speakable, false, true, false, QString::number(length));
        const QString password = Generate();
        ASSERT_EQ(password.size(), length);
        ExpectSpeakableShape(password);
    }
}

struct SpeakableCase {
    int length;
    int consonants;
};

class SpeakableWithoutDuplicates : public GeneratorFixture, public ::testing::WithParamInterface<SpeakableCase> {};

TEST_P(SpeakableWithoutDuplicates, UsesEachConsonantOnceAndVowelsFreely) {
    Choose(Type::Speakable, false, false, false, QString::number(GetParam().length));
    const QString password = Generate();
    ASSERT_EQ(password.size(), GetParam().length);
    ExpectSpeakableShape(password);
    QString consonants;
    for (int i = 0; i < password.size(); i += 2)
        consonants += password[i];
    EXPECT_EQ(QSet<QChar>(consonants.begin(), consonants.end()).size(), GetParam().consonants);
    EXPECT_EQ(consonants.size(), GetParam().consonants);
    EXPECT_TRUE(desktop->messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lengths, SpeakableWithoutDuplicates,
                         ::testing::Values(SpeakableCase{42, 21}, SpeakableCase{41, 21}, SpeakableCase{7, 4},
                                           SpeakableCase{22, 11}),
                         [](const auto& info) { return "Length" + std::to_string(info.param.length); });

// --- escaping ----------------------------------------------------------------

TEST(EscapeSpecialCharacters, BackslashesTheSixSymbolsOnly) {
    const struct {
        QString in, out;
    } cases[] = {
        {"$", "\\$"}, {"!", "\\!"}, {"@", "\\@"}, {"#", "\\#"}, {"%", "\\%"}, {"&", "\\&"},           {"a", "a"},
        {"Z", "Z"},   {"7", "7"},   {"", ""},     {"^", "^"},   {".", "."},   {"a$b&c", "a\\$b\\&c"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GeneratePwd::EscapeSpecialCharacters(c.in), c.out) << c.in.toStdString();
}

}  // namespace
