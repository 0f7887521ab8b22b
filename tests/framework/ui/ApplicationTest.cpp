#include "framework/ui/Application.h"
#include "framework/ui/MenuBar.h"
#include "framework/ui/Window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTimer>

namespace {

class PlainWindow : public Window {
public:
    PlainWindow() {
        WindowSpec spec;
        spec.title = "plain";
        Build(spec, {});
    }
};

// Records the launch events as they arrive.
class RecordingApp : public Application {
public:
    void Event_NewDocument() override {
        events.append("new");
        if (onNew) {
            onNew();
        }
    }
    void Event_OpenDocument(const FolderItem& file) override { events.append("open " + file.Name()); }
    QStringList events;
    std::function<void()> onNew;
};

class ApplicationFixture : public ::testing::Test {
protected:
    void TearDown() override {
        Window::DeleteAll();
        QApplication::processEvents();
    }
    RecordingApp app;
};

TEST_F(ApplicationFixture, IsTheRegisteredApplicationForItsLife) {
    EXPECT_EQ(Application::Instance(), &app);
    {
        RecordingApp second;
        EXPECT_EQ(Application::Instance(), &second);
    }
    EXPECT_EQ(Application::Instance(), nullptr);
}

TEST_F(ApplicationFixture, LaunchWithoutFilesDeliversNewDocumentOnly) {
    app.DeliverLaunchEvents({});
    EXPECT_EQ(app.events, QStringList{"new"});
}

TEST_F(ApplicationFixture, LaunchWithFilesOpensEachInOrderAndMakesNoNewDocument) {
    app.DeliverLaunchEvents({"/tmp/b.brimel", "/tmp/a.brimel", "/tmp/b.brimel"});
    EXPECT_EQ(app.events, (QStringList{"open b.brimel", "open a.brimel", "open b.brimel"}));
}

TEST_F(ApplicationFixture, MenuHandlersAreBoundByNameAndRebindingReplaces) {
    EXPECT_FALSE(app.HasMenuHandler("FileNew"));
    EXPECT_FALSE(app.RunMenuHandler("FileNew"));
    int first = 0, second = 0;
    app.AddMenuHandler("FileNew", [&] { return ++first, false; });
    app.AddMenuHandler("FileQuit", [] { return true; });
    EXPECT_TRUE(app.HasMenuHandler("FileNew"));
    EXPECT_FALSE(app.RunMenuHandler("FileNew"));
    EXPECT_TRUE(app.RunMenuHandler("FileQuit"));
    app.AddMenuHandler("FileNew", [&] { return ++second, false; });
    app.RunMenuHandler("FileNew");
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
}

TEST_F(ApplicationFixture, TheMenuBarGoesToOpenWindowsAndToWindowsShownLater) {
    auto* before = new PlainWindow;
    before->Show();
    MenuBar bar;
    auto* menu = new MenuItem;
    menu->SetName("FileMenu");
    menu->SetText("File");
    bar.Append(menu);

    app.SetMenuBar(&bar);
    EXPECT_EQ(app.MenuBar(), &bar);
    auto* after = new PlainWindow;
    after->Show();

    for (Window* window : {static_cast<Window*>(before), static_cast<Window*>(after)}) {
        QMenuBar* shown = window->Widget()->findChild<QMenuBar*>();
        ASSERT_NE(shown, nullptr);
        ASSERT_EQ(shown->actions().size(), 1);
        EXPECT_EQ(shown->actions().at(0)->text(), "File");
    }
    app.SetMenuBar(nullptr);
}

TEST_F(ApplicationFixture, RunReturnsTheCodeGivenToQuit) {
    app.onNew = [this] {
        auto* window = new PlainWindow;
        window->Show();
        QTimer::singleShot(0, [this] { app.Quit(3); });
    };
    EXPECT_EQ(app.Run({}), 3);
    EXPECT_EQ(app.events, QStringList{"new"});
}

TEST_F(ApplicationFixture, RunEndsWhenTheLaunchShowsNoWindow) {
    // Every open cancelled: nothing to show, nothing left to do.
    EXPECT_EQ(app.Run({"/tmp/x.brimel"}), 0);
    EXPECT_EQ(app.events, QStringList{"open x.brimel"});
}

TEST_F(ApplicationFixture, RunEndsOnceTheLastWindowIsClosed) {
    QObject scope;
    app.onNew = [&scope] {
        auto* one = new PlainWindow;
        one->Show();
        auto* two = new PlainWindow;
        two->Show();
        QTimer::singleShot(0, &scope, [one] { one->Close(); });
        QTimer::singleShot(10, &scope, [two] { two->Close(); });
        // Reached only when the loop goes on without windows.
        QTimer::singleShot(5000, &scope, [] { QCoreApplication::exit(9); });
    };
    EXPECT_EQ(app.Run({}), 0);
}

}  // namespace
