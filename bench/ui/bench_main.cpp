// Google Benchmark main for the window benchmarks: one application on Qt's
// offscreen platform (unless another is asked for).
//
//   brimel_ui_bench --write_full_document=PATH [--entries=N]
// writes the document of N entries (10001 unless told) the benchmarks open
// (password "bench password") to PATH and ends, for measuring the real
// program with it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <cstring>

#include "BenchApplication.h"
#include "FullDocument.h"
#include "app/AppStartup.h"
#include "framework/ui/Window.h"

int main(int argc, char** argv) {
    static const char kWrite[] = "--write_full_document=";
    static const char kEntries[] = "--entries=";
    const char* path = nullptr;
    int entries = 10001;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kWrite, sizeof kWrite - 1) == 0)
            path = argv[i] + sizeof kWrite - 1;
        else if (std::strncmp(argv[i], kEntries, sizeof kEntries - 1) == 0)
            entries = std::atoi(argv[i] + sizeof kEntries - 1);
    }
    if (path) {
        QCoreApplication core(argc, argv);
        return entries > 0 && FullDocument::WriteTo(QString::fromLocal8Bit(path), entries) ? 0 : 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    AppStartup::ReleaseGlobals();
    return 0;
}
