#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QWidget>

#include "document/MainWindowSaveTestSupport.h"
#include "framework/ui/TextArea.h"

using namespace savetest;

namespace {

class MainWindowCloseTest : public ::testing::Test {
protected:
    void NewWindow() { window = NewDocumentWindow({Entry("Mail"), Entry("Bank", "", "", "1234", "note")}); }
    void SavedAndEdited() {
        NewWindow();
        SaveNew(*window, *desktop, "Bank.brimel", "pw");
        saved = FileBytes(desktop->TempPath("Bank.brimel"));
        EditNotes(*window, "!");
    }
    bool Closed() const { return !window || window->IsClosed(); }

    FakeDesktop::Guard desktop;
    QPointer<MainWindow> window;
    QByteArray saved;
};

TEST_F(MainWindowCloseTest, AnUnmodifiedWindowClosesWithoutAQuestionAfterTheEditEnds) {
    NewWindow();
    UiDriver::Click(window->EditField1());
    ASSERT_TRUE(window->EditField1().HasFocus());
    window->RunMenuHandler("FileClose");  // a question would fail: none is answered
    EXPECT_TRUE(Closed());
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
}

TEST_F(MainWindowCloseTest, CancelKeepsTheWindowOpenWithItsLastEditCommitted) {
    SavedAndEdited();
    UiDriver::Click(window->EditField1());
    window->EditField1().SetSelStart(0);
    UiDriver::Type(window->EditField1(), "Z");  // "ZMail" leaves the title field last
    AnswerSaveChanges("Cancel");
    EXPECT_FALSE(window->Close());
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(window->TextHasChanged);
    EXPECT_EQ(window->myArray[1][0], "ZMail");  // committed and sorted
    EXPECT_EQ(FileBytes(desktop->TempPath("Bank.brimel")), saved);
    // Left hidden, not closed: the next question shows the same dialog.
    SaveChanges* first = &SaveChanges::Instance();
    EXPECT_FALSE(first->IsClosed());
    AnswerSaveChanges("Cancel");
    window->Close();
    EXPECT_EQ(&SaveChanges::Instance(), first);
}

TEST_F(MainWindowCloseTest, DontSaveClosesAndLeavesTheFileAsItWas) {
    SavedAndEdited();
    AnswerSaveChanges("DontSave");
    EXPECT_TRUE(window->Close());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(FileBytes(desktop->TempPath("Bank.brimel")), saved);
}

TEST_F(MainWindowCloseTest, SaveWritesAWindowThatHasAFileWithoutAQuestionAndCloses) {
    SavedAndEdited();
    AnswerSaveChanges("Save");
    EXPECT_TRUE(window->Close());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(ReadDocument(desktop->TempPath("Bank.brimel"), "pw").rows.at(0)[4], "!");
}

TEST_F(MainWindowCloseTest, SaveAsksANewWindowForAPasswordAndAFileAndCloses) {
    NewWindow();
    EditNotes(*window, "!");
    AnswerSaveChanges("Save");
    AnswerNewPassword("pw");
    desktop->AnswerSave("New.brimel");
    EXPECT_TRUE(window->Close());
    EXPECT_TRUE(Closed());
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
    EXPECT_EQ(ReadDocument(desktop->TempPath("New.brimel"), "pw").rows.size(), 2u);
}

// "Save" in the question that did not save keeps the window and its changes.
struct Unsaved {
    const char* name;
    bool saved;
    std::function<void(FakeDesktop&)> answer;
};

const Unsaved kUnsaved[] = {
    {"NewPasswordCancelled", false, [](FakeDesktop&) { CancelNewPassword(); }},
    {"SaveDialogCancelled", false,
     [](FakeDesktop& d) {
         AnswerNewPassword("pw");
         d.CancelSave();
     }},
    {"WriteFailed", true, [](FakeDesktop& d) { QDir(d.TempPath("")).removeRecursively(); }},
};

class MainWindowCloseUnsaved : public MainWindowCloseTest, public ::testing::WithParamInterface<Unsaved> {};

TEST_P(MainWindowCloseUnsaved, KeepsTheWindowOpenAndStopsAQuit) {
    if (GetParam().saved) {
        SavedAndEdited();
    } else {
        NewWindow();
        EditNotes(*window, "!");
    }
    AnswerSaveChanges("Save");
    GetParam().answer(*desktop);
    EXPECT_FALSE(window->Close(true));
    EXPECT_FALSE(Closed());
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
    EXPECT_TRUE(window->TextHasChanged);
    EXPECT_EQ(window->myArray[0][4], "!");
    EXPECT_TRUE(SaveChanges::Instance().ButtonPressed.isEmpty()) << "the dialog is closed after Save";
}

INSTANTIATE_TEST_SUITE_P(Roads, MainWindowCloseUnsaved, ::testing::ValuesIn(kUnsaved),
                         [](const auto& info) { return std::string(info.param.name); });

// The question's four outcomes on a window that has its file: whether the
// window closes and whether the dialog is closed or left hidden for next time.
struct Outcome {
    const char* name;
    QString word;
    bool windowCloses;
    bool dialogClosed;
    bool fileWritten;
};

const Outcome kOutcomes[] = {
    {"Save", "Save", true, true, true},
    {"DontSave", "DontSave", true, false, false},
    {"Cancel", "Cancel", false, false, false},
    {"AnyOtherWord", "Later", true, true, false},
};

class MainWindowCloseOutcome : public MainWindowCloseTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(MainWindowCloseOutcome, ClosesAndKeepsTheDialogAsTheWordSays) {
    SavedAndEdited();
    QPointer<SaveChanges> asked;
    const QString word = GetParam().word;
    Answer<SaveChanges>([&asked, word](SaveChanges& d) {
        asked = &d;
        d.ButtonPressed = word;
        d.Hide();
    });
    EXPECT_EQ(window->Close(), GetParam().windowCloses);
    EXPECT_EQ(Closed(), GetParam().windowCloses);
    ASSERT_TRUE(asked || GetParam().dialogClosed);
    EXPECT_EQ(!asked || asked->IsClosed(), GetParam().dialogClosed);
    if (asked) {
        EXPECT_FALSE(asked->Visible());
    }
    EXPECT_EQ(FileBytes(desktop->TempPath("Bank.brimel")) != saved, GetParam().fileWritten);
    if (!Closed()) {
        EXPECT_TRUE(window->Modified());
    }
}

INSTANTIATE_TEST_SUITE_P(Words, MainWindowCloseOutcome, ::testing::ValuesIn(kOutcomes),
                         [](const auto& info) { return std::string(info.param.name); });

// Two modified documents closed in turn: the first question answered "Don't
// Save" with Tab and Space, the second with Space alone. Each question comes
// over its own window with the focus on "Save", so the second one saves.
TEST_F(MainWindowCloseTest, EachQuestionStartsOnSaveOverItsOwnWindow) {
    SavedAndEdited();
    QPointer<MainWindow> other = NewDocumentWindow({Entry("Shop")}, "Shop");
    SaveNew(*other, *desktop, "Shop.brimel", "pw2");
    EditNotes(*other, "?");
    window->SetLeft(0);
    window->SetTop(40);
    other->SetLeft(150);
    other->SetTop(170);

    auto expectAskedOver = [](SaveChanges& d, MainWindow& about) {
        EXPECT_EQ(QApplication::focusWidget(), d.PushButton3().Widget());
        const QPoint centre = d.Widget()->frameGeometry().center();
        EXPECT_LE((centre - about.Widget()->frameGeometry().center()).manhattanLength(), 4);
    };
    MainWindow* first = window;
    Answer<SaveChanges>([&](SaveChanges& d) {
        expectAskedOver(d, *first);
        UiDriver::PressTab(d);
        ASSERT_EQ(QApplication::focusWidget(), d.PushButton1().Widget());
        UiDriver::PressKey(d, Qt::Key_Space, " ");
    });
    first->RunMenuHandler("FileClose");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(FileBytes(desktop->TempPath("Bank.brimel")), saved);

    Answer<SaveChanges>([&](SaveChanges& d) {
        expectAskedOver(d, *other);
        UiDriver::PressKey(d, Qt::Key_Space, " ");
    });
    other->RunMenuHandler("FileClose");
    EXPECT_TRUE(!other || other->IsClosed());
    EXPECT_EQ(ReadDocument(desktop->TempPath("Shop.brimel"), "pw2").rows.at(0)[4], "?");
}

TEST_F(MainWindowCloseTest, TheCloseBoxAsksTheSameQuestion) {
    SavedAndEdited();
    AnswerSaveChanges("Cancel");
    window->Widget()->close();
    UiDriver::ProcessEvents();
    EXPECT_FALSE(Closed());
    EXPECT_EQ(UiDriver::PendingAnswers(), 0);
}

}  // namespace
