#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPalette>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolBar>

#include "TableWindow.h"
#include <QLabel>

#include "framework/ui/CheckBox.h"
#include "framework/ui/Label.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Timer.h"
#include "framework/ui/ToolbarItem.h"
#include "framework/ui/UpDownArrows.h"
#include "support/InputEvents.h"
#include "support/UiDriver.h"

namespace {

class FieldEvents : public testing::Test {
protected:
    void SetUp() override {
        window = new TableWindow(HiddenSpec(),
                                 {
                                     {ControlKind::TextField,
                                      "Field",
                                      "",
                                      10,
                                      10,
                                      200,
                                      22,
                                      LockNone,
                                      0,
                                      "",
                                      "",
                                      {{"LimitText", 5}},
                                      Bind<TextField>([this](TextField& f) {
                                          f.TextChange = [this](TextField& c) { log.push_back("change " + c.Text()); };
                                          f.MouseEnter = [this](TextField&) { log.push_back("enter"); };
                                          f.MouseExit = [this](TextField&) { log.push_back("exit"); };
                                          f.KeyDown = [this](TextField&, const QString& key) {
                                              log.push_back("key " + key);
                                              return key == "x";
                                          };
                                      })},
                                     {ControlKind::TextArea,
                                      "Notes",
                                      "",
                                      10,
                                      40,
                                      200,
                                      60,
                                      LockNone,
                                      1,
                                      "",
                                      "",
                                      {{"LimitText", 5}},
                                      Bind<TextArea>([this](TextArea& a) {
                                          a.TextChange = [this](TextArea& c) { log.push_back("notes " + c.Text()); };
                                      })},
                                 });
        field = window->FindControl<TextField>("Field");
        notes = window->FindControl<TextArea>("Notes");
    }

    TableWindow* window = nullptr;
    TextField* field = nullptr;
    TextArea* notes = nullptr;
    std::vector<QString> log;
};

TEST_F(FieldEvents, SettingTextDeliversTextChangeInsideTheCallEvenWhenUnchanged) {
    ASSERT_FALSE(window->Visible());
    field->SetText("abc");
    field->SetText("abc");
    notes->SetText("n");
    notes->SetText("n");
    EXPECT_EQ(log, (std::vector<QString>{"change abc", "change abc", "notes n", "notes n"}));
}

// However text comes into a field, it holds at most LimitText characters:
// what does not fit is cut from the end of what came in, and the edit is
// delivered once, with the text as cut. (Typing: the test above.)
TEST_F(FieldEvents, TheLimitHoldsForEveryWayIn) {
    const QString smile = QString::fromUcs4(U"\U0001F600");
    const struct {
        const char* way;
        std::function<void(const QString&)> put;
    } ways[] = {
        {"pasted", [this](const QString& s) { UiDriver::Paste(*field, s); }},
        {"dropped", [this](const QString& s) { UiDriver::Drop(*field, s); }},
        {"composed", [this](const QString& s) { UiDriver::Compose(*field, s); }},
        {"set by the program", [this](const QString& s) { field->SetText(field->Text() + s); }},
    };
    for (const auto& way : ways) {
        field->SetText("ab");
        field->SetFocus();
        field->SetSelStart(2);
        log.clear();
        way.put("1234567");
        EXPECT_EQ(field->Text(), "ab123") << way.way;
        EXPECT_EQ(log.back(), "change ab123") << way.way;
        // A character outside the first plane counts as one.
        field->SetText("abc");
        field->SetSelStart(3);
        way.put(smile + smile + smile);
        EXPECT_EQ(field->Text(), "abc" + smile + smile) << way.way;
    }
    // Past a read-only field's limit nothing comes in at all.
    field->SetText("ab");
    field->SetReadOnly(true);
    UiDriver::Paste(*field, "123");
    EXPECT_EQ(field->Text(), "ab");
}

TEST_F(FieldEvents, NotesSetByTheProgramAreKeptWholeBeyondTheLimit) {
    notes->SetText("1234567890");
    EXPECT_EQ(notes->Text(), "1234567890");
}

TEST_F(FieldEvents, TypingDeliversKeyDownThenOneTextChangePerKeyAndStopsAtTheLimit) {
    UiDriver::Type(*field, "abx");
    EXPECT_EQ(field->Text(), "ab");  // KeyDown returning True swallowed the x
    EXPECT_EQ(log, (std::vector<QString>{"key a", "change a", "key b", "change ab", "key x"}));
    log.clear();
    UiDriver::Type(*field, "cdef");
    EXPECT_EQ(field->Text(), "abcde");
    EXPECT_EQ(log.back(), "key f");  // the key is seen, the field is full
}

TEST_F(FieldEvents, TypingIntoReadOnlyFieldChangesNothingButProgramSetsStillDeliver) {
    field->SetReadOnly(true);
    UiDriver::Type(*field, "a");
    EXPECT_EQ(field->Text(), "");
    field->SetText("set");
    EXPECT_EQ(log.back(), "change set");
}

// A read-only field and text area look so (the window's background behind the
// text), and their text can still be selected from the keyboard and copied.
TEST_F(FieldEvents, ReadOnlyTextLooksSoAndCanStillBeSelectedAndCopied) {
    field->SetText("ab cd");  // within the field's limit
    notes->SetText("notes text");
    window->Show();
    UiDriver::Activate(*window);
    const QColor writable = field->Widget()->palette().color(QPalette::Base);
    const QColor background = window->Widget()->palette().color(QPalette::Window);
    ASSERT_NE(writable, background);
    struct {
        RectControl* control;
        std::function<void(bool)> setReadOnly;
        const char* copied;
    } cases[] = {{field, [this](bool on) { field->SetReadOnly(on); }, "ab cd"},
                 {notes, [this](bool on) { notes->SetReadOnly(on); }, "notes text"}};
    for (auto& c : cases) {
        const std::string name = c.control->Name().toStdString();
        c.setReadOnly(true);
        EXPECT_EQ(c.control->Widget()->palette().color(QPalette::Base), background) << name;
        EXPECT_EQ(c.control->Widget()->palette().color(QPalette::Text),
                  field->Widget()->palette().color(QPalette::Text))
            << name << " keeps its text colour";
        c.control->SetFocus();
        QApplication::clipboard()->clear();
        UiDriver::PressKey(*window, Qt::Key_Home);
        InputEvents::Key(c.control->Widget(), Qt::Key_End, QString(), Qt::ShiftModifier);
        InputEvents::Key(c.control->Widget(), Qt::Key_C, QString(), Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), c.copied) << name;
        c.setReadOnly(false);
        EXPECT_EQ(c.control->Widget()->palette().color(QPalette::Base), writable) << name;
    }
}

TEST_F(FieldEvents, TextAreaLimitsTypingAndDeliversOncePerEdit) {
    UiDriver::Type(*notes, "abcdefg");
    EXPECT_EQ(notes->Text(), "abcde");
    EXPECT_EQ(log, (std::vector<QString>{"notes a", "notes ab", "notes abc", "notes abcd", "notes abcde"}));
}

TEST_F(FieldEvents, TextAreaKeepsCarriageReturnLineBreaks) {
    notes->SetText("one\rtwo");
    EXPECT_EQ(notes->Text(), "one\rtwo");
    notes->SetText("a\nb");  // read back as set until the user edits
    EXPECT_EQ(notes->Text(), "a\nb");
    notes->SetText("x");
    notes->SetLimitText(0);
    UiDriver::PressKey(*window, Qt::Key_Return, "\r");
    notes->SetSelStart(0);
    auto* edit = static_cast<QPlainTextEdit*>(notes->Widget());
    edit->moveCursor(QTextCursor::End);
    UiDriver::Type(*notes, "y");
    EXPECT_EQ(notes->Text(),
              "x"
              "y");  // PressKey went to the focus widget, which is not the notes
    notes->SetFocus();
    edit->moveCursor(QTextCursor::End);
    UiDriver::PressKey(*window, Qt::Key_Return, "\r");
    UiDriver::Type(*notes, "z");
    EXPECT_EQ(notes->Text(), "xy\rz");
}

TEST_F(FieldEvents, MouseEnterAndExitReachTheField) {
    window->Show();
    UiDriver::MouseEnter(*field);
    UiDriver::MouseExit(*field);
    EXPECT_EQ(log, (std::vector<QString>{"enter", "exit"}));
}

TEST_F(FieldEvents, PasswordMasksTheDisplayOnly) {
    field->SetLimitText(0);
    field->SetPassword(true);
    field->SetText("secret");
    EXPECT_EQ(static_cast<QLineEdit*>(field->Widget())->echoMode(), QLineEdit::Password);
    EXPECT_EQ(field->Text(), "secret");
    field->SetPassword(false);
    EXPECT_EQ(field->Text(), "secret");
}

TEST_F(FieldEvents, SelStartAndSelLengthSelectCharacters) {
    field->SetLimitText(0);
    field->SetText("New Entry");
    field->SetSelStart(0);
    field->SetSelLength(9);
    EXPECT_EQ(field->SelStart(), 0);
    EXPECT_EQ(field->SelLength(), 9);
    EXPECT_EQ(static_cast<QLineEdit*>(field->Widget())->selectedText(), "New Entry");
    field->SetSelStart(4);
    EXPECT_EQ(field->SelLength(), 0);
    EXPECT_EQ(field->SelStart(), 4);
}

// Every key pressed in a field reaches KeyDown before the field acts on it,
// also keys that type nothing; only a modifier pressed alone does not.
struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* text;  // what the platform gives as the key's text
    QString expected;  // what KeyDown gets; empty: not delivered
};

const KeyCase kKeys[] = {
    {"Letter", Qt::Key_A, Qt::NoModifier, "a", "a"},
    {"LeftArrow", Qt::Key_Left, Qt::NoModifier, "", QString(QChar(28))},
    {"DownArrow", Qt::Key_Down, Qt::NoModifier, "", QString(QChar(31))},
    {"Home", Qt::Key_Home, Qt::NoModifier, "", QString(QChar(1))},
    {"Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", QString(QChar(8))},
    {"FunctionKey", Qt::Key_F5, Qt::NoModifier, "", QString(QChar(16))},
    {"Insert", Qt::Key_Insert, Qt::NoModifier, "", QString(QChar(16))},
    {"CtrlLetter", Qt::Key_C, Qt::ControlModifier, "\x03", QString(QChar(3))},
    {"CtrlLetterWithoutText", Qt::Key_Z, Qt::ControlModifier, "", QString(QChar(26))},
    {"CtrlArrow", Qt::Key_Right, Qt::ControlModifier, "", QString(QChar(29))},
    {"ShiftAlone", Qt::Key_Shift, Qt::ShiftModifier, "", QString()},
    {"ControlAlone", Qt::Key_Control, Qt::ControlModifier, "", QString()},
};

class FieldKeyDown : public testing::TestWithParam<KeyCase> {
protected:
    void SetUp() override {
        window = new TableWindow(HiddenSpec(), {
                                                   {ControlKind::TextField,
                                                    "Field",
                                                    "",
                                                    10,
                                                    10,
                                                    200,
                                                    22,
                                                    LockNone,
                                                    0,
                                                    "",
                                                    "",
                                                    {},
                                                    Bind<TextField>([this](TextField& f) {
                                                        f.KeyDown = [this](TextField&, const QString& key) {
                                                            keys.push_back(key);
                                                            return swallow;
                                                        };
                                                    })},
                                                   {ControlKind::TextArea,
                                                    "Notes",
                                                    "",
                                                    10,
                                                    40,
                                                    200,
                                                    60,
                                                    LockNone,
                                                    1,
                                                    "",
                                                    "",
                                                    {},
                                                    Bind<TextArea>([this](TextArea& a) {
                                                        a.KeyDown = [this](TextArea&, const QString& key) {
                                                            keys.push_back(key);
                                                            return swallow;
                                                        };
                                                    })},
                                               });
    }

    static void Press(RectControl& control, const KeyCase& c) {
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString::fromLatin1(c.text));
        QApplication::sendEvent(control.Widget(), &press);
    }
    std::vector<QString> Expected() const {
        const QString key = GetParam().expected;
        return key.isEmpty() ? std::vector<QString>{} : std::vector<QString>{key};
    }

    TableWindow* window = nullptr;
    std::vector<QString> keys;
    bool swallow = false;
};

TEST_P(FieldKeyDown, TextFieldGetsTheKey) {
    Press(*window->FindControl<TextField>("Field"), GetParam());
    EXPECT_EQ(keys, Expected());
}

TEST_P(FieldKeyDown, TextAreaGetsTheKey) {
    Press(*window->FindControl<TextArea>("Notes"), GetParam());
    EXPECT_EQ(keys, Expected());
}

INSTANTIATE_TEST_SUITE_P(Keys, FieldKeyDown, testing::ValuesIn(kKeys),
                         [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(FieldKeyDown, TrueSwallowsAKeyThatTypesNothingFalseLetsItAct) {
    auto& field = *window->FindControl<TextField>("Field");
    field.SetText("ab");
    field.SetSelStart(2);
    swallow = true;
    Press(field, {"", Qt::Key_Backspace, Qt::NoModifier, "\b", {}});
    Press(field, {"", Qt::Key_Left, Qt::NoModifier, "", {}});
    EXPECT_EQ(field.Text(), "ab");
    EXPECT_EQ(field.SelStart(), 2);
    swallow = false;
    Press(field, {"", Qt::Key_Left, Qt::NoModifier, "", {}});
    EXPECT_EQ(field.SelStart(), 1);
    EXPECT_EQ(keys.size(), 3u);
}

TEST(Buttons, RadioButtonsOfOneParentExcludeEachOtherAndActOnSelection) {
    std::vector<QString> actions;
    auto record = Bind<RadioButton>(
        [&actions](RadioButton& r) { r.Action = [&actions](RadioButton& c) { actions.push_back(c.Name()); }; });
    auto* window = new TableWindow(
        HiddenSpec(),
        {
            {ControlKind::GroupBox, "Group", "", 10, 10, 200, 100, LockNone, 0, "", "", {}, {}},
            {ControlKind::RadioButton, "R1", "Group", 20, 20, 100, 20, LockNone, 0, "One", "", {}, record},
            {ControlKind::RadioButton,
             "R2",
             "Group",
             20,
             40,
             100,
             20,
             LockNone,
             1,
             "Two",
             "",
             {{"Value", true}},
             record},
            {ControlKind::RadioButton,
             "Other",
             "",
             20,
             150,
             100,
             20,
             LockNone,
             1,
             "Alone",
             "",
             {{"Value", true}},
             record},
        });
    auto* r1 = window->FindControl<RadioButton>("R1");
    auto* r2 = window->FindControl<RadioButton>("R2");
    EXPECT_TRUE(actions.empty());  // layout values deliver nothing: bound afterwards
    window->Show();
    UiDriver::ClickAt(*r1, QPoint(8, 10));  // on the indicator
    EXPECT_TRUE(r1->Value());
    EXPECT_FALSE(r2->Value());
    EXPECT_TRUE(window->FindControl<RadioButton>("Other")->Value());  // another parent
    r2->SetValue(true);
    EXPECT_FALSE(r1->Value());
    r2->SetValue(false);
    EXPECT_FALSE(r2->Value());
    EXPECT_EQ(actions, (std::vector<QString>{"R1", "R2"}));
}

TEST(Buttons, CheckBoxActsOnEachChangeAndKeepsItsValueWhileDisabled) {
    int actions = 0;
    auto* window = new TableWindow(
        HiddenSpec(),
        {
            {ControlKind::CheckBox,
             "Box",
             "",
             10,
             10,
             100,
             20,
             LockNone,
             0,
             "Mixed",
             "",
             {{"Value", true}},
             Bind<CheckBox>([&actions](CheckBox& b) { b.Action = [&actions](CheckBox&) { ++actions; }; })},
        });
    auto* box = window->FindControl<CheckBox>("Box");
    EXPECT_TRUE(box->Value());
    box->SetEnabled(false);
    EXPECT_TRUE(box->Value());
    box->SetValue(true);
    EXPECT_EQ(actions, 0);
    box->SetEnabled(true);
    window->Show();
    UiDriver::ClickAt(*box, QPoint(8, 10));
    EXPECT_FALSE(box->Value());
    EXPECT_EQ(actions, 1);
}

TEST(Buttons, UpDownArrowsAndToolbarItemsDeliverTheirEvents) {
    std::vector<QString> log;
    auto* window = new TableWindow(
        HiddenSpec(),
        {
            {ControlKind::UpDownArrows,
             "Arrows",
             "",
             10,
             10,
             13,
             23,
             LockNone,
             0,
             "",
             "",
             {},
             Bind<UpDownArrows>([&log](UpDownArrows& a) {
                 a.Up = [&log](UpDownArrows&) { log.push_back("up"); };
                 a.Down = [&log](UpDownArrows&) { log.push_back("down"); };
             })},
            {ControlKind::ToolbarItem,
             "Add",
             "",
             0,
             0,
             0,
             0,
             LockNone,
             0,
             "Add",
             "Add new entry",
             {},
             Bind<ToolbarItem>(
                 [&log](ToolbarItem& t) { t.Action = [&log](ToolbarItem& c) { log.push_back(c.Caption()); }; })},
            {ControlKind::StandardToolbarItem, "Sep", "", 0, 0, 0, 0, LockNone, 0, "", "", {{"Type", 1}}, {}},
        });
    window->Show();
    UiDriver::ClickUp(*window->FindControl<UpDownArrows>("Arrows"));
    UiDriver::ClickDown(*window->FindControl<UpDownArrows>("Arrows"));
    auto* add = window->FindControl<ToolbarItem>("Add");
    UiDriver::ClickToolbarItem(*add);
    add->SetEnabled(false);
    UiDriver::ClickToolbarItem(*add);
    EXPECT_EQ(log, (std::vector<QString>{"up", "down", "Add"}));
    EXPECT_EQ(add->HelpTag(), "Add new entry");
    EXPECT_EQ(window->Toolbar()->actions().size(), 2);
}

class TimerModes : public testing::Test {
protected:
    TableWindow* MakeWindow(int mode) {
        return new TableWindow(HiddenSpec(),
                               {
                                   {ControlKind::Timer,
                                    "Timer",
                                    "",
                                    0,
                                    0,
                                    0,
                                    0,
                                    LockNone,
                                    0,
                                    "",
                                    "",
                                    {{"Mode", mode}, {"Period", 10}},
                                    Bind<Timer>([this](Timer& t) { t.Action = [this](Timer&) { ++fired; }; })},
                               });
    }
    static void Wait(int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
    int fired = 0;
};

TEST_F(TimerModes, MultipleFiresRepeatedlySingleOnceAndOffNever) {
    MakeWindow(2);
    Wait(80);
    EXPECT_GE(fired, 2);
    fired = 0;
    auto* single = MakeWindow(1);
    Wait(80);
    EXPECT_GE(fired, 1);  // the first window's timer still runs too
    fired = 0;
    Window::DeleteAll();
    single = MakeWindow(1);
    Wait(80);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(single->FindControl<Timer>("Timer")->Mode(), 0);
    fired = 0;
    MakeWindow(0);
    Wait(50);
    EXPECT_EQ(fired, 0);
}

TEST_F(TimerModes, DisabledTimerAndClosedWindowDeliverNothing) {
    auto* window = MakeWindow(2);
    window->FindControl<Timer>("Timer")->SetEnabled(false);
    Wait(50);
    EXPECT_EQ(fired, 0);
    window->FindControl<Timer>("Timer")->SetEnabled(true);
    window->Close();
    Wait(50);
    EXPECT_EQ(fired, 0);
}

TEST_F(TimerModes, ResetStartsThePeriodAnew) {
    auto* window =
        new TableWindow(HiddenSpec(), {
                                          {ControlKind::Timer,
                                           "Timer",
                                           "",
                                           0,
                                           0,
                                           0,
                                           0,
                                           LockNone,
                                           0,
                                           "",
                                           "",
                                           {{"Mode", 2}, {"Period", 60}},
                                           Bind<Timer>([this](Timer& t) { t.Action = [this](Timer&) { ++fired; }; })},
                                      });
    auto* timer = window->FindControl<Timer>("Timer");
    for (int i = 0; i < 4; ++i) {
        Wait(30);
        timer->Reset();
    }
    EXPECT_EQ(fired, 0);
}

}  // namespace

namespace {

// A label keeps its text as set, shows a carriage return as a line break and takes its colour from the layout.
TEST(LabelText, CarriageReturnBreaksTheLineAndTextStaysAsSet) {
    auto* window = new TableWindow(
        HiddenSpec(),
        {
            {ControlKind::Label, "Note", "", 10, 10, 200, 40, LockNone, 0, "", "", {{"TextColor", "#FFFFFF"}}, {}},
        });
    Label* label = window->FindControl<Label>("Note");
    ASSERT_NE(label, nullptr);
    label->SetText(QString("\rYou can donate\r\nhere"));
    EXPECT_EQ(label->Text(), QString("\rYou can donate\r\nhere"));
    auto* native = qobject_cast<QLabel*>(label->Widget());
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->text(), QString("\nYou can donate\nhere"));
    EXPECT_EQ(native->palette().color(QPalette::WindowText), QColor("#FFFFFF"));
}

}  // namespace
