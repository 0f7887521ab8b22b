#include "document/MainWindow.h"

#include <algorithm>

#include "document/MainWindowSortOrder.h"
#include "framework/core/MoveAlongOrder.h"
#include "framework/core/Strings.h"
#include "framework/ui/Listbox.h"
#include "framework/ui/TextArea.h"
#include "framework/ui/TextField.h"

void MainWindow::WriteInArray(int row, int col, const QString& s) {
    if (row < 0 || col < 0 || col >= kEntryColumnCount)
        return;
    EnsureRows(row + 1);
    myArray[std::size_t(row)][std::size_t(col)] = ::Left(s, kCellLimit);
}

void MainWindow::ReadFromArray(int row) {
    // Without a selected row there is nothing to show; the fields keep their text.
    if (row < 0)
        return;
    EditField1().SetText(CellText(row, EntryColumn::Title));
    EditField2().SetText(CellText(row, EntryColumn::URL));
    EditField3().SetText(CellText(row, EntryColumn::User));
    EditField4().SetText(CellText(row, EntryColumn::Password));
    EditField5().SetText(CellText(row, EntryColumn::Notes));
}

void MainWindow::UpdateListBox() {
    Listbox& list = ListBox1();
    for (int i = 0; i < entry; ++i)
        list.SetCell(i, 0, CellText(i, EntryColumn::Title));
}

void MainWindow::DeleteInArray() {
    if (entry <= 1)
        return;
    Listbox& list = ListBox1();
    const int s = list.ListIndex();
    // No selected row: nothing names the entry to delete.
    if (s < 0 || s >= entry)
        return;
    list.SetSelected(s, true);
    // The entries below move up by one; the deleted one goes to the vacated
    // last row (one move each, where swapping it down row by row took three).
    std::rotate(myArray.begin() + s, myArray.begin() + s + 1, myArray.begin() + entry);
    // The list's rows and what the window knows of its titles follow, so that
    // rewriting the list changes only the rows removing one leaves wrong.
    list.MoveRowText(s, entry - 1);
    titles_.Remove(s);
    // The deleted row has travelled to the vacated last row.
    for (QString& cell : myArray[std::size_t(entry - 1)])
        cell.clear();
    entry = entry - 1;
    list.RemoveRow(entry - 1);
    UpdateListBox();
    ReadFromArray(list.ListIndex());
    TextHasChanged = true;
    SetWindowModified(*this, true);
}

void MainWindow::LearnTitles() {
    titles_.Sync(myArray, std::min<int>(entry, int(myArray.size())));
    titles_.LearnOrder();
}

void MainWindow::LearnTitle(const QString& title) {
    titles_.Append(title);
}

void MainWindow::SortEntries() {
    Listbox& list = ListBox1();
    const int n = std::min<int>(entry, int(myArray.size()));
    titles_.Sync(myArray, n);
    // A table in order gives the sort no swap to make, so nothing would change.
    if (titles_.InOrder())
        return;
    const std::vector<int> order = MainWindowSortOrder::Compute(
        n, [this](int a, int b) { return titles_.Compare(a, b) < 0; },
        [this](int a, int b) { return titles_.SameTitle(a, b); });
    // The rows from the first to the last that move (some do: the table is not in order).
    int first = 0;
    while (order[std::size_t(first)] == first)
        ++first;
    int last = n - 1;
    while (order[std::size_t(last)] == last)
        --last;

    const int selectedBefore = list.ListIndex();
    list.SetSelected(selectedBefore, false);

    // Each row moves once to where the exchange sort takes it; the selected
    // entry is followed to its new place.
    int sel = selectedBefore;
    for (int pos = first; pos <= last; ++pos)
        if (order[std::size_t(pos)] == selectedBefore)
            sel = pos;
    MoveAlongOrder(myArray, order, first, last);
    // The list's rows and what the window knows of its titles move alike, so
    // that rewriting the list finds every row already showing its title and
    // nothing has to be learnt again.
    list.MoveRowTexts(order, first, last);
    titles_.Move(order, first, last);
    UpdateListBox();
    list.SetListIndex(sel);
    list.SetSelected(list.ListIndex(), true);
    ReadFromArray(list.ListIndex());
}
