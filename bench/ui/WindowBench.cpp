#include "WindowBench.h"

#include <QCoreApplication>
#include <QPointer>
#include <map>

#include "BenchApp.h"
#include "BenchApplication.h"
#include "BenchDesktop.h"
#include "FullDocument.h"
#include "UserInput.h"
#include "app/App.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextField.h"
#include "framework/ui/ToolbarItem.h"

namespace {

// The window kept for warm runs, and the table it held when it was opened.
struct KeptWindow {
    int entries = 0;
    QPointer<MainWindow> window;
    std::vector<EntryRow> opened;
};

KeptWindow& KeptOne() {
    static KeptWindow kept;
    return kept;
}

int& UnexpectedModalsBefore() {
    static int count = 0;
    return count;
}

}  // namespace

void WindowBench::Register(const std::string& name, const MakeAction& make) {
    for (int entries : FullDocument::kSizes) {
        benchmark::RegisterBenchmark((name + "/cold").c_str(), [make](benchmark::State& state) { Cold(state, make); })
            ->Arg(entries)
            ->Iterations(ColdRuns(entries))
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/warm").c_str(), [make](benchmark::State& state) { Warm(state, make); })
            ->Arg(entries)
            ->Unit(benchmark::kMillisecond);
    }
}

int WindowBench::ColdRuns(int entries) {
    return entries >= 100000 ? 5 : entries >= 10000 ? 15 : 40;
}

MainWindow& WindowBench::Open(int entries) {
    BenchApp::Ensure();
    App::Instance()->Event_OpenDocument(FullDocument::File(entries));
    auto* w = dynamic_cast<MainWindow*>(Window::Frontmost());
    if (!w || w->entry != entries)
        qFatal("the document of %d entries did not open", entries);
    if (w->EntriesAreLocked)
        w->ToolbarItem4().Push();
    UserInput::Activate(*w);
    w->EditField6().SetFocus();
    w->TextHasChanged = false;
    w->SetWindowModified(*w, false);
    BenchDesktop::Install().messages.clear();
    UnexpectedModalsBefore() = BenchApp::UnexpectedModals();
    UserInput::Frame();
    return *w;
}

void WindowBench::Close(MainWindow& w) {
    w.TextHasChanged = false;
    w.Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowBench::Select(MainWindow& w, int row) {
    w.ListBox1().SetListIndex(row);
}

MainWindow& WindowBench::Kept(int entries) {
    KeptWindow& kept = KeptOne();
    if (kept.window) {
        MainWindow& w = *kept.window;
        const bool same = kept.entries == entries && w.entry == entries && w.ListBox1().ListCount() == entries &&
                          std::equal(kept.opened.begin(), kept.opened.end(), w.myArray.begin());
        if (!same) {
            Close(w);
            kept.opened.clear();
        }
    }
    if (!kept.window) {
        kept.window = &Open(entries);
        kept.entries = entries;
        kept.opened.assign(kept.window->myArray.begin(), kept.window->myArray.begin() + entries);
    }
    MainWindow& w = *kept.window;
    UserInput::Activate(w);
    w.EditField6().SetFocus();
    w.EditField6().SetText(QString());
    Select(w, 0);
    w.TextHasChanged = false;
    w.SetWindowModified(w, false);
    BenchDesktop::Install().messages.clear();
    UnexpectedModalsBefore() = BenchApp::UnexpectedModals();
    UserInput::Frame();
    return w;
}

void WindowBench::Measure(const std::function<void()>& input, double* work, double* paint) {
    const double paintedBefore = BenchApplication::PaintMs();
    const double start = BenchApplication::ThreadCpuMs();
    input();
    UserInput::Frame();
    const double total = BenchApplication::ThreadCpuMs() - start;
    const double painted = BenchApplication::PaintMs() - paintedBefore;
    *work += total - painted;
    *paint += painted;
}

bool WindowBench::Unexpected() {
    return !BenchDesktop::Install().messages.isEmpty() || BenchApp::UnexpectedModals() != UnexpectedModalsBefore();
}

void WindowBench::Report(benchmark::State& state, double work, double paint, bool ok) {
    const double runs = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["work_ms"] = work / runs;
    state.counters["paint_ms"] = paint / runs;
    if (!ok)
        state.SkipWithError("the action did not have its effect");
    else if (Unexpected())
        state.SkipWithError("an unexpected message or modal window showed");
}

void WindowBench::Cold(benchmark::State& state, const MakeAction& make) {
    const int entries = int(state.range(0));
    const WindowAction action = make(entries);
    double work = 0;
    double paint = 0;
    bool ok = true;
    for (auto _ : state) {
        state.PauseTiming();
        MainWindow& w = Open(entries);
        action.prepare(w);
        UserInput::Frame();
        state.ResumeTiming();
        Measure([&] { action.act(w); }, &work, &paint);
        state.PauseTiming();
        ok = ok && action.check(w) && !Unexpected();
        Close(w);
        state.ResumeTiming();
    }
    Report(state, work, paint, ok);
}

void WindowBench::Warm(benchmark::State& state, const MakeAction& make) {
    const int entries = int(state.range(0));
    const WindowAction action = make(entries);
    MainWindow& w = Kept(entries);
    // Once untimed, so that whatever the action builds is there.
    action.prepare(w);
    action.act(w);
    UserInput::Frame();
    bool ok = action.check(w);
    action.undo(w);
    UserInput::Frame();
    double work = 0;
    double paint = 0;
    for (auto _ : state) {
        state.PauseTiming();
        action.prepare(w);
        UserInput::Frame();
        state.ResumeTiming();
        Measure([&] { action.act(w); }, &work, &paint);
        state.PauseTiming();
        ok = ok && action.check(w);
        action.undo(w);
        UserInput::Frame();
        state.ResumeTiming();
    }
    Report(state, work, paint, ok);
    w.EditField6().SetFocus();
    w.TextHasChanged = false;
}
