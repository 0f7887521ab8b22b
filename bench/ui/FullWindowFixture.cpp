#include "FullWindowFixture.h"

#include <QCoreApplication>

#include "BenchApp.h"
#include "BenchDesktop.h"
#include "FullDocument.h"
#include "UserInput.h"
#include "app/App.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextField.h"
#include "framework/ui/ToolbarItem.h"

QPointer<MainWindow> FullWindowFixture::window_;

MainWindow* FullWindowFixture::OpenFull() {
    App::Instance()->Event_OpenDocument(FullDocument::File());
    auto* w = dynamic_cast<MainWindow*>(Window::Frontmost());
    if (!w || w->entry != FullDocument::kEntries)
        qFatal("the full document did not open");
    if (w->EntriesAreLocked)
        w->ToolbarItem4().Push();
    return w;
}

bool FullWindowFixture::HoldsFullDocument() const {
    if (window_->entry != FullDocument::kEntries || window_->ListBox1().ListCount() != FullDocument::kEntries)
        return false;
    const std::vector<EntryRow>& rows = FullDocument::Rows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (window_->myArray[i] != rows[i])
            return false;
    return true;
}

void FullWindowFixture::SetUp(benchmark::State&) {
    BenchApp::Ensure();
    if (window_ && !HoldsFullDocument()) {
        window_->TextHasChanged = false;
        window_->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (!window_)
        window_ = OpenFull();
    MainWindow& w = W();
    w.TextHasChanged = false;
    w.SetWindowModified(w, false);
    UserInput::Activate(w);
    w.EditField6().SetFocus();
    w.EditField6().SetText(QString());
    Select(0);
    BenchDesktop::Install().messages.clear();
    unexpectedModals_ = BenchApp::UnexpectedModals();
    UserInput::Frame();
}

void FullWindowFixture::TearDown(benchmark::State&) {
    if (!window_)
        return;
    W().EditField6().SetFocus();
    W().TextHasChanged = false;
}

void FullWindowFixture::Select(int row) {
    W().ListBox1().SetListIndex(row);
}

bool FullWindowFixture::Check(benchmark::State& state) {
    if (!window_ || window_->entry != FullDocument::kEntries) {
        state.SkipWithError("the window does not hold the full document");
        return false;
    }
    if (!BenchDesktop::Install().messages.isEmpty()) {
        state.SkipWithError(("unexpected message: " + BenchDesktop::Install().messages.first()).toStdString().c_str());
        return false;
    }
    if (BenchApp::UnexpectedModals() != unexpectedModals_) {
        state.SkipWithError("an unexpected modal window showed");
        return false;
    }
    return true;
}
