// Google Benchmark main for the window benchmarks: one QApplication on Qt's
// offscreen platform (unless another is asked for).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "framework/ui/Window.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Window::DeleteAll();
  return 0;
}
