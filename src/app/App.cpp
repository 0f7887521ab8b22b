#include "app/App.h"

#include "app/About.h"
#include "app/MenuItems.h"
#include "app/Pictures.h"
#include "app/WebAddresses.h"
#include "document/MainWindow.h"
#include "framework/core/Strings.h"
#include "framework/ui/DesktopServices.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/ToolbarItem.h"
#include "framework/ui/Window.h"
#include "generator/GeneratePwd.h"

namespace {

void EnableItem(MenuItem* item) {
    if (item) {
        item->Enable();
    }
}

}  // namespace

App* App::Instance() {
    return dynamic_cast<App*>(Application::Instance());
}

void App::Event_EnableMenuItems() {
    EnableItem(FileNew());
    EnableItem(FileOpen());
    EnableItem(AppleAbout());
    EnableItem(PayforBrimelInformation());
}

void App::Event_NewDocument() {
    NewDocumentWindow();
}

bool App::_FileNew_Action() {
    NewDocumentWindow();
    return false;
}

bool App::_AppleAbout_Action() {
    About::Instance().Show();
    return false;
}

bool App::_PayforBrimelInformation_Action() {
    About::Instance().Show();
    return false;
}

bool App::_FileQuit_Action() {
    DoQuit();
    return true;
}

bool App::_ToolsGeneratePassword_Action() {
    GeneratePwd::Instance().Show();
    return false;
}

bool App::_HelpVisitWebsite_Action() {
    ShowURL(WebAddresses::WebPage());
    return false;
}

bool App::_HelpEMailAuthor_Action() {
    ShowURL(WebAddresses::EMailAuthor());
    return false;
}

bool App::_HelpReadFAQ_Action() {
    ShowURL(WebAddresses::FAQPage());
    return false;
}

void App::DoQuit() {
    Window* w = Window::Frontmost();
    while (w) {
        w->Close(true);
        Window* w2 = Window::Frontmost();
        if (w2 == w) {
            return;
        }
        w = w2;
    }
    Quit(0);
}

void App::NewDocumentWindow() {
    auto* w = new MainWindow();
    WindowCounter = WindowCounter + 1;
    w->SetTitle(QStringLiteral("untitled") + Str(WindowCounter));
    w->WriteInArray(0, 0, QStringLiteral("New Entry"));
    w->ListBox1().AddRow(QStringLiteral("New Entry"));
    w->entry = w->entry + 1;
    w->ListBox1().SetSelected(0, true);
    w->SetVisible(true);

    w->EntriesAreLocked = false;
    w->EditField1().SetReadOnly(false);
    w->EditField2().SetReadOnly(false);
    w->EditField3().SetReadOnly(false);
    w->EditField4().SetReadOnly(false);
    w->EditField5().SetReadOnly(false);

    ApplyMask(iconlockopened(), iconlockopenedmask());
    w->ToolbarItem4().SetImage(iconlockopened());
    w->ToolbarItem4().SetCaption(QStringLiteral("Unlocked"));
}
