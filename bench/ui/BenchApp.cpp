#include "BenchApp.h"

#include "BenchDesktop.h"
#include "FullDocument.h"
#include "app/App.h"
#include "app/AppStartup.h"
#include "dialogs/DeleteEntry.h"
#include "dialogs/Password.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"

namespace {

int& Unexpected() {
    static int count = 0;
    return count;
}

void Answer(Window& w) {
    if (auto* password = dynamic_cast<Password*>(&w)) {
        password->EditField1().SetText(FullDocument::Password());
        password->PushButton1().Push();
    } else if (auto* deletion = dynamic_cast<DeleteEntry*>(&w)) {
        deletion->PushButton2().Push();
    } else {
        ++Unexpected();
        w.Hide();
    }
}

}  // namespace

void BenchApp::Ensure() {
    BenchDesktop::Install();
    Window::SetModalHook(Answer);
    if (!Running())
        AppStartup::Startup();
}

void BenchApp::Release() {
    if (Running())
        AppStartup::ReleaseGlobals();
}

bool BenchApp::Running() {
    return App::Instance() != nullptr;
}

int BenchApp::UnexpectedModals() {
    return Unexpected();
}
