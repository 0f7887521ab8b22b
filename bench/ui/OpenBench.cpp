// Opening a document: from the password typed in its dialog to the filled
// window shown and painted.
#include "BenchApp.h"
#include "FullDocument.h"
#include "UserInput.h"
#include "WindowBench.h"
#include "app/App.h"

namespace {

void BM_OpenDocument(benchmark::State& state) {
    const int entries = int(state.range(0));
    BenchApp::Ensure();
    const FolderItem& file = FullDocument::File(entries);
    double work = 0;
    double paint = 0;
    bool ok = true;
    for (auto _ : state) {
        WindowBench::Measure([&] { App::Instance()->Event_OpenDocument(file); }, &work, &paint);
        state.PauseTiming();
        auto* window = dynamic_cast<MainWindow*>(Window::Frontmost());
        ok = ok && window && window->entry == entries && window->Visible();
        if (window)
            WindowBench::Close(*window);
        state.ResumeTiming();
    }
    WindowBench::Report(state, work, paint, ok);
    state.SetItemsProcessed(state.iterations() * entries);
}

const bool registered = [] {
    for (int entries : FullDocument::kSizes)
        benchmark::RegisterBenchmark("OpenDocument", BM_OpenDocument)
            ->Arg(entries)
            ->Iterations(WindowBench::ColdRuns(entries))
            ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
