#include "app/AppStartup.h"

#include "app/App.h"
#include "app/FileTypes.h"
#include "app/Menu.h"
#include "app/SingleInstance.h"
#include "framework/ui/Window.h"

#include <QDebug>
#include <exception>
#include <memory>

namespace {

std::unique_ptr<App>& TheApp() {
    static std::unique_ptr<App> app;
    return app;
}

// Files a later launch handed over, or the wish for a new untitled window.
void DeliverHandedOver(const QStringList& files) {
    if (App* app = App::Instance()) {
        app->DeliverLaunchEvents(files);
    }
}

int RunEventLoop(App& app, const QStringList& files) {
    try {
        return app.Run(files);
    } catch (const std::exception& e) {
        qCritical("Brimel stopped on an unexpected error: %s", e.what());
    } catch (...) {
        qCritical("Brimel stopped on an unexpected error.");
    }
    return 1;
}

}  // namespace

int AppStartup::Main(const QStringList& files, const QString& socketName) {
    SingleInstance instance(socketName);
    const SingleInstance::HandOverResult handOver = instance.HandOver(files);
    if (handOver == SingleInstance::HandOverResult::Delivered) {
        return 0;
    }
    Startup();
    // A program that does not answer, or one of another user, keeps its
    // socket; this one then runs on its own rather than leave the files unopened.
    if (handOver == SingleInstance::HandOverResult::Stranger) {
        qWarning("Brimel: a program of another user listens on %s; it was told nothing.", qPrintable(socketName));
    }
    if (handOver == SingleInstance::HandOverResult::NoServer && !instance.Listen(DeliverHandedOver)) {
        qWarning("Brimel: later launches cannot reach this one: %s", qPrintable(instance.ServerError()));
    }
    const int code = RunEventLoop(*TheApp(), files);
    ReleaseGlobals();
    return code;
}

void AppStartup::Startup() {
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers(*TheApp());
}

void AppStartup::InitFileTypes() {
    FileTypes::_Initialize();
}

void AppStartup::NewAppInstance() {
    TheApp() = std::make_unique<App>();
    Application::SetIcon({QStringLiteral(":/icons/brimel-64.png"), QStringLiteral(":/icons/brimel.png")});
    TheApp()->SetMenuBar(&Menu::Instance());
}

void AppStartup::ApplicationAddMenuHandlers(App& app) {
    app.AddMenuHandler(QStringLiteral("FileNew"), [&app] { return app._FileNew_Action(); });
    app.AddMenuHandler(QStringLiteral("FileOpen"), [&app] { return app._FileOpen_Action(); });
    app.AddMenuHandler(QStringLiteral("AppleAbout"), [&app] { return app._AppleAbout_Action(); });
    app.AddMenuHandler(QStringLiteral("PayforBrimelInformation"),
                       [&app] { return app._PayforBrimelInformation_Action(); });
    app.AddMenuHandler(QStringLiteral("FileQuit"), [&app] { return app._FileQuit_Action(); });
    app.AddMenuHandler(QStringLiteral("ToolsGeneratePassword"), [&app] { return app._ToolsGeneratePassword_Action(); });
    app.AddMenuHandler(QStringLiteral("HelpVisitWebsite"), [&app] { return app._HelpVisitWebsite_Action(); });
    app.AddMenuHandler(QStringLiteral("HelpEMailAuthor"), [&app] { return app._HelpEMailAuthor_Action(); });
    app.AddMenuHandler(QStringLiteral("HelpReadFAQ"), [&app] { return app._HelpReadFAQ_Action(); });
}

void AppStartup::ReleaseGlobals() {
    Window::DeleteAll();
    FileTypes::Release();
    if (TheApp()) {
        TheApp()->SetMenuBar(nullptr);
    }
    Menu::Release();
    TheApp().reset();
}
