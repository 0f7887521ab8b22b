// Clicks on the entries of a full document: selecting a row, Add, Delete
// (answered Yes) of the first and of the last entry, and Select All.
#include <QListView>

#include "FullWindowFixture.h"
#include "UserInput.h"
#include "app/Menu.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"
#include "framework/ui/ToolbarItem.h"

namespace {

// Clicks the row where the list shows it.
void ClickRow(Listbox& list, int row) {
    QListView* view = list.View();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    UserInput::ClickAt(list, view->visualRect(index).center());
}

// Puts a deleted entry back where it was, as the document had it.
void Restore(MainWindow& w, int row, const EntryRow& saved) {
    w.myArray.insert(w.myArray.begin() + row, saved);
    // The row the deletion emptied at the end of the table.
    w.myArray.erase(w.myArray.begin() + w.entry + 1);
    w.ListBox1().AddRow(QString());
    ++w.entry;
    w.UpdateListBox();
    w.TextHasChanged = false;
}

void Delete(FullWindowFixture& f, benchmark::State& state, int row) {
    MainWindow& w = f.W();
    const EntryRow saved = w.myArray[std::size_t(row)];
    bool deleted = true;
    for (auto _ : state) {
        state.PauseTiming();
        f.Select(row);
        UserInput::Frame();
        state.ResumeTiming();
        UserInput::ClickToolbarItem(w.ToolbarItem3());
        UserInput::Frame();
        state.PauseTiming();
        deleted = deleted && w.entry == FullWindowFixture::kLast;
        Restore(w, row, saved);
        UserInput::Frame();
        state.ResumeTiming();
    }
    if (!deleted)
        state.SkipWithError("the entry was not deleted");
    f.Check(state);
}

}  // namespace

BENCHMARK_DEFINE_F(FullWindowFixture, SelectEntry)(benchmark::State& state) {
    MainWindow& w = W();
    int row = 0;
    for (auto _ : state) {
        row = row == 10 ? kLast - 10 : 10;
        ClickRow(w.ListBox1(), row);
        UserInput::Frame();
    }
    if (w.ListBox1().ListIndex() != row || w.EditField1().Text() != w.myArray[std::size_t(row)][0])
        state.SkipWithError("the clicked entry is not shown");
    Check(state);
}
BENCHMARK_REGISTER_F(FullWindowFixture, SelectEntry)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(FullWindowFixture, AddEntry)(benchmark::State& state) {
    MainWindow& w = W();
    bool added = true;
    for (auto _ : state) {
        UserInput::ClickToolbarItem(w.ToolbarItem2());
        UserInput::Frame();
        state.PauseTiming();
        added = added && w.entry == kLast + 2 && w.EditField1().Text() == QLatin1String("New Entry");
        Select(w.entry - 1);
        w.DeleteInArray();
        w.EditField6().SetFocus();
        w.TextHasChanged = false;
        UserInput::Frame();
        state.ResumeTiming();
    }
    if (!added)
        state.SkipWithError("no entry was added");
    Check(state);
}
BENCHMARK_REGISTER_F(FullWindowFixture, AddEntry)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(FullWindowFixture, DeleteFirstEntry)(benchmark::State& state) {
    Delete(*this, state, 0);
}
BENCHMARK_REGISTER_F(FullWindowFixture, DeleteFirstEntry)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(FullWindowFixture, DeleteLastEntry)(benchmark::State& state) {
    Delete(*this, state, kLast);
}
BENCHMARK_REGISTER_F(FullWindowFixture, DeleteLastEntry)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(FullWindowFixture, SelectAll)(benchmark::State& state) {
    MainWindow& w = W();
    Select(kMiddle);
    UserInput::Click(w.EditField5());
    for (auto _ : state) {
        Menu::Instance().Choose(QStringLiteral("EditSelectAll"));
        UserInput::Frame();
        state.PauseTiming();
        w.EditField1().SetSelLength(0);
        w.EditField5().SetSelLength(0);
        state.ResumeTiming();
    }
    Menu::Instance().Choose(QStringLiteral("EditSelectAll"));
    if (w.EditField5().SelLength() != int(w.EditField5().Text().size()))
        state.SkipWithError("the notes were not selected");
    Check(state);
}
BENCHMARK_REGISTER_F(FullWindowFixture, SelectAll)->Unit(benchmark::kMillisecond);
