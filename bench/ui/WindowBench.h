#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#include "document/MainWindow.h"

// One thing a user does in a document window.
struct WindowAction {
    // Untimed, before each run: brings the window to where the action starts.
    std::function<void(MainWindow&)> prepare = [](MainWindow&) {};
    // The user's input (a key, a click, a menu choice), timed with the frame that follows it.
    std::function<void(MainWindow&)> act;
    // Untimed, after each run: whether the action did what it should.
    std::function<bool(MainWindow&)> check = [](MainWindow&) { return true; };
    // Untimed, after a warm run: gives the window back the document as it was opened.
    std::function<void(MainWindow&)> undo = [](MainWindow&) {};
};

// Measures actions on windows holding a full document of each size: cold, the
// first time in a window just opened (nothing built before it), and warm, again
// and again in one window. The time is that of the input and the frame that
// follows it; of its CPU time, each benchmark counts apart the platform's
// painting ("paint_ms", wherever it happens) and the rest, the program's own
// work ("work_ms").
class WindowBench {
public:
    using MakeAction = std::function<WindowAction(int entries)>;

    // Registers name/cold/<entries> and name/warm/<entries> for every size.
    static void Register(const std::string& name, const MakeAction& make);

    // A window opened through the application as a user opens the document:
    // unlocked, shown and active, the first entry selected, the focus in the search field.
    static MainWindow& Open(int entries);
    static void Close(MainWindow& w);
    // Selects the row as the program does, leaving the focus where it is.
    static void Select(MainWindow& w, int row);

    // Runs the input, then the frame, adding their CPU time to the totals (ms):
    // the painting to paint, the rest to work.
    static void Measure(const std::function<void()>& input, double* work, double* paint);
    // Reports the totals per run; an error when something unexpected happened.
    static void Report(benchmark::State& state, double work, double paint, bool ok);

    // Runs a cold benchmark this many times at this size.
    static int ColdRuns(int entries);

private:
    static void Cold(benchmark::State& state, const MakeAction& make);
    static void Warm(benchmark::State& state, const MakeAction& make);
    static MainWindow& Kept(int entries);
    static bool Unexpected();
};
