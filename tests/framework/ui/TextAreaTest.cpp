// The text area gives back exactly the text it was given, with the user's
// edits where they were made, whatever form the editor shows it in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <ostream>

#include "TableWindow.h"
#include "framework/ui/TextArea.h"
#include "support/InputEvents.h"
#include "support/UiDriver.h"

namespace {

struct EditCase {
    const char* name;
    QString given;
    int from, to;  // the editor's selection before the keys, in its own positions
    // Typed one by one: "\r" Return, "\n" Shift+Return, "\b" Backspace,
    // "\x7f" Delete, "\x16" Ctrl+V, "\x1a" Ctrl+Z; other characters as typed.
    QString keys;
    QString expected;
};

void PrintTo(const EditCase& c, std::ostream* os) {
    *os << c.name;
}

const QString kNbsp = QString(QChar(0x00A0));

const EditCase kEdits[] = {
    {"NoBreakSpaceStays", "a" + kNbsp + "b", 3, 3, "c", "a" + kNbsp + "bc"},
    {"EveryLineBreakStaysAsGiven", "1\r\n2\n3\r4", 7, 7, "5", "1\r\n2\n3\r45"},
    {"TabsAndSeparatorsStay", "a\tb\u2028c\u2029d\ve", 9, 9, "f", "a\tb\u2028c\u2029d\vef"},
    {"ReturnIsACarriageReturn", "ab", 1, 1, "\r", "a\rb"},
    {"ShiftReturnIsACarriageReturn", "ab", 1, 1, "\n", "a\rb"},
    {"ReturnBeforeALineFeedKeepsTheLineFeed", "a\nb", 1, 1, "\r", "a\n\nb"},
    {"BackspaceAfterAPairTakesBoth", "ab\r\ncd", 3, 3, "\b", "abcd"},
    {"DeletingBetweenReturnAndLineFeedKeepsTwoBreaks", "a\rX\nb", 2, 3, "\x7f", "a\r\rb"},
    {"TypingOverASelection", "one" + kNbsp + "two three", 4, 7, "2", "one" + kNbsp + "2 three"},
    {"TypingOverEverything", "a" + kNbsp + "b\nc", 0, 5, "z", "z"},
    {"PastedLineBreaksAreCarriageReturns", "ab", 1, 1, "\x16", "a1\r2\r3\rb"},
    {"UndoGivesBackTheGivenText", "a" + kNbsp + "b\nc", 5, 5, "d\x1a", "a" + kNbsp + "b\nc"},
};

class TextAreaEdits : public testing::TestWithParam<EditCase> {
protected:
    void SetUp() override {
        window = new TableWindow(
            HiddenSpec(), {{ControlKind::TextArea,
                            "Notes",
                            "",
                            10,
                            10,
                            300,
                            100,
                            LockNone,
                            0,
                            "",
                            "",
                            {},
                            Bind<TextArea>([this](TextArea& a) { a.TextChange = [this](TextArea&) { ++changes; }; })}});
        notes = window->FindControl<TextArea>("Notes");
        edit = static_cast<QPlainTextEdit*>(notes->Widget());
        window->Show();
        UiDriver::Activate(*window);
        notes->SetFocus();
    }

    void Press(QChar c) {
        struct Key {
            QChar c;
            int key;
            Qt::KeyboardModifiers modifiers;
        };
        static const Key keys[] = {{'\r', Qt::Key_Return, Qt::NoModifier},    {'\n', Qt::Key_Return, Qt::ShiftModifier},
                                   {'\b', Qt::Key_Backspace, Qt::NoModifier}, {'\x7f', Qt::Key_Delete, Qt::NoModifier},
                                   {'\x16', Qt::Key_V, Qt::ControlModifier},  {'\x1a', Qt::Key_Z, Qt::ControlModifier}};
        for (const Key& k : keys) {
            if (k.c == c) {
                InputEvents::Key(edit, k.key, k.modifiers == Qt::NoModifier ? QString(c) : QString(), k.modifiers);
                return;
            }
        }
        InputEvents::Key(edit, InputEvents::KeyFor(c), QString(c));
    }

    // The editor's characters, a line separator taken as the paragraph break it shows.
    QString Shown() const {
        return edit->document()->toRawText().replace(QChar::LineSeparator, QChar::ParagraphSeparator);
    }

    TableWindow* window = nullptr;
    TextArea* notes = nullptr;
    QPlainTextEdit* edit = nullptr;
    int changes = 0;
};

TEST_P(TextAreaEdits, GiveBackTheGivenTextWithTheEdit) {
    const EditCase& c = GetParam();
    QApplication::clipboard()->setText("1\r\n2\n3\u2029");
    notes->SetText(c.given);
    ASSERT_EQ(notes->Text(), c.given);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(c.from);
    cursor.setPosition(c.to, QTextCursor::KeepAnchor);
    edit->setTextCursor(cursor);
    changes = 0;
    for (QChar key : c.keys)
        Press(key);
    EXPECT_EQ(notes->Text(), c.expected);
    EXPECT_EQ(changes, c.keys.size()) << "one TextChange per edit";
    // Set again, the text shows as the edit left it.
    const QString shown = Shown();
    notes->SetText(notes->Text());
    EXPECT_EQ(Shown(), shown);
}

INSTANTIATE_TEST_SUITE_P(Edits, TextAreaEdits, testing::ValuesIn(kEdits),
                         [](const auto& info) { return std::string(info.param.name); });

// A paste into an area with a limit reaches the editor cut one character past
// the limit, counted from where it goes: the text is still too long, so the
// program can say so, and the editor never lays out the rest.
TEST_F(TextAreaEdits, APasteIsCutOnePastTheLimitBeforeTheEditorHoldsIt) {
    notes->SetLimitText(5);
    notes->SetText("ab");
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(1);
    edit->setTextCursor(cursor);
    QApplication::clipboard()->setText(QString(1 << 20, QChar(u'p')));
    Press('\x16');
    EXPECT_EQ(notes->Text(), "apppppb");
    EXPECT_EQ(edit->document()->characterCount(), 8);

    notes->SetLimitText(0);  // no limit, no cut
    notes->SetText("ab");
    QApplication::clipboard()->setText(QString(300, QChar(u'p')));
    edit->moveCursor(QTextCursor::End);
    Press('\x16');
    EXPECT_EQ(notes->Text(), "ab" + QString(300, QChar(u'p')));
}

}  // namespace
