#include "document/MainWindow.h"
#include "document/MainWindowSortOrder.h"
#include "framework/core/StrComp.h"
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
    for (int i = s; i <= entry - 2; ++i)
        std::swap(myArray[std::size_t(i)], myArray[std::size_t(i + 1)]);
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

void MainWindow::SortEntries() {
    Listbox& list = ListBox1();
    const int n = std::min<int>(entry, int(myArray.size()));
    std::vector<QByteArray> keys;
    keys.reserve(std::size_t(n));
    QHash<QString, QByteArray> known;
    known.reserve(n);
    for (int i = 0; i < n; ++i) {
        const QString& title = myArray[std::size_t(i)][0];
        auto it = sortKeys_.constFind(title);
        keys.push_back(it != sortKeys_.constEnd() ? it.value() : StrCompSortKey(title));
        known.insert(title, keys.back());
    }
    sortKeys_.swap(known);
    // A table in order gives the sort no swap to make, so nothing would change.
    if (MainWindowSortOrder::IsInOrder(keys))
        return;

    const int selectedBefore = list.ListIndex();
    list.SetSelected(selectedBefore, false);

    const std::vector<int> order = MainWindowSortOrder::Compute(keys);
    // Each row moves once, to where the exchange sort takes it; the selected
    // entry is followed to its new place.
    int sel = -1;
    std::vector<EntryRow> sorted(static_cast<std::size_t>(n));
    for (int pos = 0; pos < n; ++pos) {
        const int from = order[std::size_t(pos)];
        std::swap(sorted[std::size_t(pos)], myArray[std::size_t(from)]);
        if (from == selectedBefore)
            sel = pos;
    }
    std::swap_ranges(sorted.begin(), sorted.end(), myArray.begin());
    UpdateListBox();
    list.SetListIndex(sel);
    list.SetSelected(list.ListIndex(), true);
    ReadFromArray(list.ListIndex());
}
