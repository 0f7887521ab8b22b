// Google Benchmark main for the window benchmarks: one QApplication on Qt's
// offscreen platform (unless another is asked for).
//
//   brimel_ui_bench --write_full_document=PATH
// writes the full document the benchmarks open (password "bench password")
// to PATH and ends, for measuring the real program with it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstring>

#include "FullDocument.h"
#include "app/AppStartup.h"
#include "framework/ui/Window.h"

int main(int argc, char** argv) {
    static const char kWrite[] = "--write_full_document=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kWrite, sizeof kWrite - 1) == 0) {
            QCoreApplication core(argc, argv);
            return FullDocument::WriteTo(QString::fromLocal8Bit(argv[i] + sizeof kWrite - 1)) ? 0 : 1;
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    AppStartup::ReleaseGlobals();
    return 0;
}
