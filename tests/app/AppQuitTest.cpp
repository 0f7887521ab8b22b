#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "app/About.h"
#include "app/AppTestFixture.h"
#include "dialogs/SaveChanges.h"
#include "framework/ui/PushButton.h"

namespace {

// A window whose close is refused while refuse is set.
class RefusingWindow : public Window {
public:
    RefusingWindow() {
        WindowSpec spec;
        spec.title = "refusing";
        spec.frame = FrameKind::Plain;
        Build(spec, {});
    }
    bool Event_CancelClose(bool) override { return refuse; }
    bool refuse = true;
};

class AppQuitTest : public AppTest {
protected:
    // Runs the program's event loop as a launch without documents does (so
    // untitled1 is open), runs act inside it, and reports whether the loop was
    // still running a moment after act. The loop then ends: cleanup runs, and
    // every window left is closed.
    struct Outcome {
        int code = -1;
        bool stillRunning = false;
    };
    Outcome RunAndDo(std::function<void()> act, std::function<void()> cleanup = {}) {
        Outcome outcome;
        QObject context;
        QTimer::singleShot(50, &context, [&] {
            act();
            QTimer::singleShot(200, &context, [&] {
                outcome.stillRunning = true;
                if (cleanup)
                    cleanup();
                for (Window* w : Window::All()) {
                    if (auto* doc = dynamic_cast<MainWindow*>(w))
                        doc->TextHasChanged = false;
                    w->Close();
                }
            });
        });
        QTimer::singleShot(5000, &context, [&] { app->Quit(-7); });
        outcome.code = app->Run({});
        return outcome;
    }

    // Marks a document window modified as a user does: by typing in its title.
    static void Edit(MainWindow& w) {
        UiDriver::Activate(w);
        UiDriver::Click(w.EditField1());
        UiDriver::Type(w.EditField1(), "x");
        ASSERT_TRUE(w.TextHasChanged);
    }

    // Edits every document window, the back one first, so that the order stays.
    static void EditBackToFront() {
        std::vector<MainWindow*> windows = DocumentWindows();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            Edit(**it);
        ASSERT_EQ(Window::Frontmost(), windows.front());
    }

    static void AnswerSaveChanges(int button) {
        UiDriver::AnswerNextModal([button](Window& w) {
            auto& dialog = dynamic_cast<SaveChanges&>(w);
            PushButton& pressed = button == 1 ? dialog.PushButton1() : dialog.PushButton2();
            UiDriver::Click(pressed);
        });
    }
};

TEST_F(AppQuitTest, QuitWithNoWindowQuitsAtOnce) {
    const Outcome outcome = RunAndDo([&] {
        DocumentWindows().front()->Close();
        ASSERT_EQ(Window::Frontmost(), nullptr);
        app->DoQuit();
    });
    EXPECT_EQ(outcome.code, 0);
    EXPECT_FALSE(outcome.stillRunning);
}

TEST_F(AppQuitTest, QuitClosesAboutInFrontAndTheUnmodifiedDocumentBehind) {
    bool quitResult = false;
    const Outcome outcome = RunAndDo([&] {
        Menu::Instance().Choose("AppleAbout");
        ASSERT_EQ(Window::Frontmost(), &About::Instance());
        quitResult = Menu::Instance().Choose("FileQuit");
        EXPECT_TRUE(Window::All().isEmpty());
    });
    EXPECT_TRUE(quitResult);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_FALSE(outcome.stillRunning);
}

TEST_F(AppQuitTest, AWindowThatRefusesStopsTheQuitWithItAndThoseBehindOpen) {
    QPointer<RefusingWindow> refusing;
    const Outcome outcome = RunAndDo(
        [&] {
            Menu::Instance().Choose("FileNew");  // untitled2, in front of untitled1
            refusing = new RefusingWindow();
            refusing->Show();
            app->DoQuit();
            EXPECT_EQ(Window::Frontmost(), refusing.data());
            EXPECT_EQ(DocumentTitles(), (QStringList{"untitled2", "untitled1"}));
        },
        [&] { refusing->refuse = false; });
    EXPECT_TRUE(outcome.stillRunning);
}

TEST_F(AppQuitTest, CancelInTheFrontWindowsQuestionEndsTheQuitWithBothOpen) {
    const Outcome outcome = RunAndDo([&] {
        Menu::Instance().Choose("FileNew");
        EditBackToFront();
        AnswerSaveChanges(2);  // Cancel
        app->DoQuit();
        EXPECT_EQ(UiDriver::PendingAnswers(), 0);
        EXPECT_EQ(DocumentTitles(), (QStringList{"untitled2", "untitled1"}));
        EXPECT_EQ(Window::Frontmost(), DocumentWindows().front());
    });
    EXPECT_TRUE(outcome.stillRunning);
}

TEST_F(AppQuitTest, DontSaveClosesTheFrontWindowAndTheNextOneIsAsked) {
    const Outcome outcome = RunAndDo([&] {
        Menu::Instance().Choose("FileNew");
        EditBackToFront();
        AnswerSaveChanges(1);  // Don't Save: untitled2 closes
        AnswerSaveChanges(2);  // Cancel: untitled1 stays
        app->DoQuit();
        EXPECT_EQ(UiDriver::PendingAnswers(), 0);
        EXPECT_EQ(DocumentTitles(), QStringList{"untitled1"});
    });
    EXPECT_TRUE(outcome.stillRunning);
}

}  // namespace
