#include "framework/ui/Application.h"

#include "framework/ui/ApplicationEventFilter.h"
#include "framework/ui/MenuBar.h"
#include "framework/ui/Window.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QWidget>

namespace {

Application*& Registered() {
    static Application* instance = nullptr;
    return instance;
}

}  // namespace

Application::Application() {
    Registered() = this;
}

Application::~Application() {
    if (Registered() == this) {
        Registered() = nullptr;
    }
}

Application* Application::Instance() {
    return Registered();
}

void Application::SetMenuBar(::MenuBar* bar) {
    if (menuBar_ == bar) {
        return;
    }
    if (menuBar_) {
        menuBar_->SetAttachToDocumentWindows(false);
        Window::SetBuildHook(nullptr);
    }
    menuBar_ = bar;
    if (!bar) {
        return;
    }
    bar->SetAttachToDocumentWindows(true);
    Window::SetBuildHook([bar](Window& window) {
        if (window.MenuBarVisible()) {
            bar->AttachTo(&window);
        }
    });
    for (Window* window : Window::All()) {
        if (window->MenuBarVisible()) {
            bar->AttachTo(window);
        }
    }
}

void Application::SetIcon(const QStringList& files) {
    QIcon icon;
    for (const QString& file : files) {
        icon.addFile(file);
    }
    QApplication::setWindowIcon(icon);
}

void Application::AddMenuHandler(const QString& itemName, std::function<bool()> handler) {
    menuHandlers_[itemName] = std::move(handler);
}

bool Application::HasMenuHandler(const QString& itemName) const {
    auto found = menuHandlers_.find(itemName);
    return found != menuHandlers_.end() && found->second;
}

bool Application::RunMenuHandler(const QString& itemName) {
    auto found = menuHandlers_.find(itemName);
    if (found == menuHandlers_.end() || !found->second) {
        return false;
    }
    // A copy, so that a handler may rebind its own name while it runs.
    std::function<bool()> handler = found->second;
    return handler();
}

void Application::DeliverLaunchEvents(const QStringList& files) {
    if (files.isEmpty()) {
        Event_NewDocument();
        return;
    }
    for (const QString& file : files) {
        Event_OpenDocument(FolderItem(file));
    }
}

int Application::Run(const QStringList& files) {
    quitting_ = false;
    // Without a window the program cannot be reached, so it ends then. Qt's
    // own rule would also end it while a document being opened is still
    // hidden behind its password dialog, and misses windows that the program
    // hides to close them; the check here runs once the handler that hid a
    // window has returned.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    ApplicationEventFilter watcher([this] { QuitWhenNoWindowShown(); });
    QTimer::singleShot(0, &watcher, [this, files] {
        DeliverLaunchEvents(files);
        QuitWhenNoWindowShown();
    });
    return QApplication::exec();
}

void Application::QuitWhenNoWindowShown() {
    if (!quitting_ && !AnyWindowShown()) {
        Quit(0);
    }
}

void Application::Quit(int code) {
    quitting_ = true;
    QCoreApplication::exit(code);
}

bool Application::AnyWindowShown() {
    // Message boxes and file dialogs count too, not only the framework's windows.
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::SplashScreen) {
            return true;
        }
    }
    return false;
}
