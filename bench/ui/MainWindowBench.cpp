#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <algorithm>

#include "document/MainWindow.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextField.h"
#include "framework/ui/ToolbarItem.h"

namespace {

constexpr int kEntries = MainWindow::kInitialRows;

QString TitleOf(int i) { return QStringLiteral("Entry %1 of the document").arg(i, 5, 10, QChar(u'0')); }

// One shown, unlocked window with a full table in title order, built once.
MainWindow& Document() {
  static MainWindow* window = [] {
    auto* w = new MainWindow();
    for (int i = 0; i < kEntries; ++i) {
      w->myArray[std::size_t(i)] = EntryRow{TitleOf(i), QStringLiteral("https://example.com/%1").arg(i),
                                             QStringLiteral("user%1").arg(i), QStringLiteral("pw%1").arg(i),
                                             QStringLiteral("notes of entry %1").arg(i)};
      w->ListBox1().AddRow(QString());
    }
    w->entry = kEntries;
    w->UpdateListBox();
    w->ListBox1().SetListIndex(0);
    w->ToolbarItem4().Push();
    w->SetVisible(true);
    QCoreApplication::processEvents();
    return w;
  }();
  return *window;
}

// Lets the list repaint what changed, as the next frame would.
void Frame() { QCoreApplication::processEvents(); }

void BM_TitleKeystroke(benchmark::State& state) {
  MainWindow& w = Document();
  w.ListBox1().SetListIndex(kEntries / 2);
  w.EditField1().SetFocus();
  const QString title = w.EditField1().Text();
  bool typed = false;
  for (auto _ : state) {
    w.EditField1().SetText(typed ? title : title + QLatin1Char('x'));
    typed = !typed;
    Frame();
  }
  w.EditField1().SetText(title);
  w.EditField6().SetFocus();
}
BENCHMARK(BM_TitleKeystroke)->Unit(benchmark::kMillisecond);

void BM_SelectEntry(benchmark::State& state) {
  MainWindow& w = Document();
  int row = 0;
  for (auto _ : state) {
    row = row == 10 ? kEntries - 10 : 10;
    w.ListBox1().SetListIndex(row);
    Frame();
  }
}
BENCHMARK(BM_SelectEntry)->Unit(benchmark::kMillisecond);

void BM_SortInOrder(benchmark::State& state) {
  MainWindow& w = Document();
  w.ListBox1().SetListIndex(kEntries / 2);
  for (auto _ : state) {
    w.EditField1().SetFocus();
    w.EditField6().SetFocus();  // the title field loses the focus: sorted
    Frame();
  }
}
BENCHMARK(BM_SortInOrder)->Unit(benchmark::kMillisecond);

void BM_SortReversed(benchmark::State& state) {
  MainWindow& w = Document();
  for (auto _ : state) {
    state.PauseTiming();
    std::reverse(w.myArray.begin(), w.myArray.begin() + w.entry);
    w.UpdateListBox();
    w.ListBox1().SetListIndex(0);
    w.EditField1().SetFocus();
    Frame();
    state.ResumeTiming();
    w.EditField6().SetFocus();
    Frame();
  }
}
BENCHMARK(BM_SortReversed)->Unit(benchmark::kMillisecond);

void Search(benchmark::State& state, const QString& typed) {
  MainWindow& w = Document();
  w.EditField6().SetFocus();
  w.ListBox1().SetListIndex(0);
  for (auto _ : state) {
    w.EditField6().SetText(typed);
    Frame();
    state.PauseTiming();
    w.Timer1_Action(w.Timer1());
    w.ListBox1().SetListIndex(0);
    state.ResumeTiming();
  }
}

void BM_SearchNoHit(benchmark::State& state) { Search(state, QStringLiteral("q")); }
BENCHMARK(BM_SearchNoHit)->Unit(benchmark::kMillisecond);

void BM_SearchHitAtEnd(benchmark::State& state) { Search(state, TitleOf(kEntries - 1).left(11)); }
BENCHMARK(BM_SearchHitAtEnd)->Unit(benchmark::kMillisecond);

void BM_AddEntry(benchmark::State& state) {
  MainWindow& w = Document();
  w.EditField6().SetFocus();
  for (auto _ : state) {
    w.ToolbarItem2().Push();
    Frame();
    state.PauseTiming();
    w.DeleteInArray();  // the new entry is the selected last one
    w.EditField6().SetFocus();
    Frame();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddEntry)->Unit(benchmark::kMillisecond);

void BM_DeleteFirstEntry(benchmark::State& state) {
  MainWindow& w = Document();
  w.EditField6().SetFocus();
  for (auto _ : state) {
    state.PauseTiming();
    w.ListBox1().SetListIndex(0);
    const EntryRow first = w.myArray[0];
    state.ResumeTiming();
    // What Delete does once the user said yes.
    w.ListBox1().SetFocus();
    w.DeleteInArray();
    Frame();
    state.PauseTiming();
    w.myArray.insert(w.myArray.begin(), first);
    w.myArray.pop_back();
    w.ListBox1().AddRow(QString());
    ++w.entry;
    w.UpdateListBox();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DeleteFirstEntry)->Unit(benchmark::kMillisecond);

}  // namespace
