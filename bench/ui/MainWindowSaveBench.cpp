// Saving a full document from its window: the focus move that ends the edit,
// the MacRoman conversion of every cell, the cipher and the file.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "document/MainWindow.h"
#include "framework/ui/Listbox.h"

namespace {

void BM_SaveFullDocument(benchmark::State& state) {
  QTemporaryDir folder;
  auto* window = new MainWindow();
  const int entries = MainWindow::kInitialRows;
  for (int row = 0; row < entries; ++row) {
    for (int col = 0; col < kEntryColumnCount; ++col) {
      QString cell = QStringLiteral("%1 %2 ").arg(row, 5, 10, QChar('0')).arg(col);
      while (cell.size() < MainWindow::kCellLimit) cell += QStringLiteral("abc\u00E9XYZ*\t-");
      window->WriteInArray(row, col, cell.left(MainWindow::kCellLimit));
    }
    window->ListBox1().AddRow(window->myArray[size_t(row)][0]);
  }
  window->entry = entries;
  window->ListBox1().SetListIndex(0);
  window->Show();
  window->Document = FolderItem(QDir(folder.path()).filePath("Full.brimel"));
  window->key = QStringLiteral("bench password");

  for (auto _ : state) {
    window->TextHasChanged = true;
    if (!window->SaveFile(window->Title(), false)) state.SkipWithError("the save failed");
  }
  state.SetItemsProcessed(state.iterations() * entries);
  window->TextHasChanged = false;
  window->Close();
}

BENCHMARK(BM_SaveFullDocument)->Unit(benchmark::kMillisecond);

}  // namespace
