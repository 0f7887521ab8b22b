// Opening a full document: from the password typed in its dialog to the
// filled window shown and painted.
#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "BenchApp.h"
#include "FullDocument.h"
#include "UserInput.h"
#include "app/App.h"
#include "document/MainWindow.h"

namespace {

void BM_OpenFullDocument(benchmark::State& state) {
    BenchApp::Ensure();
    const FolderItem& file = FullDocument::File();
    App& app = *App::Instance();
    for (auto _ : state) {
        app.Event_OpenDocument(file);
        UserInput::Frame();
        state.PauseTiming();
        auto* window = dynamic_cast<MainWindow*>(Window::Frontmost());
        if (!window || window->entry != FullDocument::kEntries || !window->Visible()) {
            state.SkipWithError("the document did not open whole");
            break;
        }
        window->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * FullDocument::kEntries);
}
BENCHMARK(BM_OpenFullDocument)->Unit(benchmark::kMillisecond);

}  // namespace
