#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "app/About.h"
#include "app/AppTestFixture.h"
#include "dialogs/DeleteEntry.h"
#include "generator/GeneratePwd.h"
#include "support/InputEvents.h"

namespace {

using WindowConventions = AppTest;

// Ctrl+W as the window's focused widget (or the window itself) gets it.
void PressCtrlW(Window& window) {
    QWidget* frame = window.Widget();
    InputEvents::Key(frame->focusWidget() ? frame->focusWidget() : frame, Qt::Key_W, QString(), Qt::ControlModifier);
    UiDriver::ProcessEvents();
}

TEST_F(WindowConventions, EveryWindowShowsTheProgramsIcon) {
    const QIcon icon = QApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(64, 64)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));

    app->DeliverLaunchEvents({});
    std::vector<Window*> windows{DocumentWindows().front(), &About::Instance(), &GeneratePwd::Instance()};
    UiDriver::AnswerNextModal([&windows](Window& dialog) {
        windows.push_back(&dialog);
        UiDriver::PressEsc(dialog);
    });
    DeleteEntry::Instance().ShowModal();
    for (Window* window : windows)
        EXPECT_EQ(window->Widget()->windowIcon().cacheKey(), icon.cacheKey()) << window->Title().toStdString();
}

TEST_F(WindowConventions, ToolWindowsShowNoMenuBarYetCtrlWClosesThem) {
    app->DeliverLaunchEvents({});
    MainWindow& document = *DocumentWindows().front();
    EXPECT_TRUE(Menu::Instance().IsAttachedTo(document.Widget()));

    for (Window* tool : {static_cast<Window*>(&About::Instance()), static_cast<Window*>(&GeneratePwd::Instance())}) {
        const QString title = tool->Title();
        EXPECT_FALSE(Menu::Instance().IsAttachedTo(tool->Widget())) << title.toStdString();
        UiDriver::Activate(*tool);
        QPointer<Window> open(tool);
        PressCtrlW(*tool);
        EXPECT_TRUE(!open || open->IsClosed()) << title.toStdString();
    }
    EXPECT_FALSE(document.IsClosed()) << "the keys acted on the tool window, not the document behind it";
}

}  // namespace
