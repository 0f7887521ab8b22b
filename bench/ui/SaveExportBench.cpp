// Saving (File > Save) and exporting (File > Export, the password confirmed)
// a full document from its window.
#include <QFileInfo>
#include <QTemporaryDir>

#include "BenchDesktop.h"
#include "FullWindowFixture.h"
#include "UserInput.h"
#include "app/Menu.h"

BENCHMARK_DEFINE_F(FullWindowFixture, SaveFullDocument)(benchmark::State& state) {
    MainWindow& w = W();
    QTemporaryDir folder;
    // Saved apart, so that the document every other benchmark opens stays as written.
    const FolderItem opened = w.Document;
    w.Document = FolderItem(folder.filePath(QStringLiteral("Saved.brimel")));
    bool saved = true;
    for (auto _ : state) {
        state.PauseTiming();
        w.TextHasChanged = true;
        state.ResumeTiming();
        Menu::Instance().Choose(QStringLiteral("FileSave"));
        UserInput::Frame();
        saved = saved && !w.TextHasChanged;
    }
    const qint64 size = QFileInfo(w.Document.NativePath()).size();
    w.Document = opened;
    if (!saved || size <= 0)
        state.SkipWithError("the document was not saved");
    state.counters["bytes"] = double(size);
    Check(state);
}
BENCHMARK_REGISTER_F(FullWindowFixture, SaveFullDocument)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(FullWindowFixture, ExportFullDocument)(benchmark::State& state) {
    QTemporaryDir folder;
    BenchDesktop& desktop = BenchDesktop::Install();
    desktop.saveTo = folder.filePath(QStringLiteral("Full.tsv"));
    for (auto _ : state) {
        Menu::Instance().Choose(QStringLiteral("FileExport"));
        UserInput::Frame();
    }
    const qint64 size = QFileInfo(desktop.saveTo).size();
    desktop.saveTo.clear();
    if (size <= 0)
        state.SkipWithError("nothing was exported");
    state.counters["bytes"] = double(size);
    Check(state);
}
BENCHMARK_REGISTER_F(FullWindowFixture, ExportFullDocument)->Unit(benchmark::kMillisecond);
