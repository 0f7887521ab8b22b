// The program's start-up inside the process: file type, application object,
// menu bar and handlers, then the launch without files, until untitled1 is
// shown and painted. (The Qt application itself exists already; the run of
// the real executable is timed by tools/bench.sh.)
#include <benchmark/benchmark.h>

#include "BenchApp.h"
#include "UserInput.h"
#include "app/App.h"
#include "app/AppStartup.h"
#include "framework/ui/Window.h"

namespace {

void BM_StartupToFirstWindow(benchmark::State& state) {
    BenchApp::Release();
    BenchApp::Ensure();
    BenchApp::Release();
    bool shown = true;
    for (auto _ : state) {
        AppStartup::Startup();
        App::Instance()->DeliverLaunchEvents({});
        UserInput::Frame();
        state.PauseTiming();
        Window* front = Window::Frontmost();
        shown = shown && front && front->Title() == QLatin1String("untitled1") && front->Visible();
        BenchApp::Release();
        state.ResumeTiming();
    }
    if (!shown)
        state.SkipWithError("untitled1 was not shown");
}
BENCHMARK(BM_StartupToFirstWindow)->Unit(benchmark::kMillisecond);

}  // namespace
