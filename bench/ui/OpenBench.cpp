// Opening a full document: from the file on disk, through the password
// question (answered at once), to the filled window shown.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "app/App.h"
#include "app/AppStartup.h"
#include "cipher/RC4.h"
#include "dialogs/Password.h"
#include "document/MainWindow.h"
#include "framework/core/FolderItem.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"

namespace {

const QString kPassword = QStringLiteral("bench password");

// A window as a user leaves it before saving: every cell 255 characters long.
MainWindow* FullWindow() {
  auto* window = new MainWindow();
  const int entries = MainWindow::kInitialRows;
  for (int row = 0; row < entries; ++row) {
    for (int col = 0; col < kEntryColumnCount; ++col) {
      QString cell = QStringLiteral("%1 %2 ").arg(row, 5, 10, QChar('0')).arg(col);
      while (cell.size() < MainWindow::kCellLimit) cell += QStringLiteral("abc\u00E9XYZ*\t-");
      window->WriteInArray(row, col, cell.left(MainWindow::kCellLimit));
    }
  }
  window->entry = entries;
  return window;
}

void BM_OpenFullDocument(benchmark::State& state) {
  QTemporaryDir folder;
  const FolderItem file(QDir(folder.path()).filePath("Full.brimel"));
  {
    MainWindow* source = FullWindow();
    source->Document = file;
    source->key = kPassword;
    if (!source->SaveFile(source->Title(), false)) {
      state.SkipWithError("the document could not be written");
      return;
    }
    source->TextHasChanged = false;
    source->Close();
  }

  AppStartup::Startup();
  App& app = *App::Instance();
  Window::SetModalHook([](Window& w) {
    if (auto* dialog = dynamic_cast<Password*>(&w)) {
      dialog->EditField1().SetText(kPassword);
      dialog->PushButton1().Push();
    } else {
      w.Hide();
    }
  });

  for (auto _ : state) {
    app.Event_OpenDocument(file);
    state.PauseTiming();
    Window* opened = Window::Frontmost();
    auto* window = dynamic_cast<MainWindow*>(opened);
    if (!window || window->entry != MainWindow::kInitialRows) {
      state.SkipWithError("the document did not open whole");
      break;
    }
    window->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * MainWindow::kInitialRows);
  Window::SetModalHook({});
  AppStartup::ReleaseGlobals();
}

BENCHMARK(BM_OpenFullDocument)->Unit(benchmark::kMillisecond);

}  // namespace
