#pragma once

#include <functional>
#include <vector>

#include "RectControl.h"

class ListboxModel;
class QPoint;
class QItemSelection;
class QListView;

// A one-column list. The program's changes of the selection deliver Change
// inside the call; a user's click delivers it once. Selected(row, value)
// changes that row only (even in a single-selection list), ListIndex is the
// lowest selected row or -1, and setting it makes that row the only one.
// Cell changes no selection. Removing the selected row leaves none selected;
// removing another keeps the selection on its row. A click on a row selects
// it before the list takes the focus, so that the row chosen is the one under
// the pointer, whatever the focus move (ending an edit) does to the rows.
class Listbox : public RectControl {
public:
    Listbox(::Window* window, const QString& name, QWidget* parent);

    void AddRow(const QString& text);
    // Appends rows with these texts at once: one change for the view, not one per row.
    void AddRows(std::vector<QString> texts);
    void RemoveRow(int row);
    void DeleteAllRows();
    int ListCount() const;
    QString List(int row) const { return Cell(row, 0); }
    QString Cell(int row, int column) const;
    void SetCell(int row, int column, const QString& text);
    // Puts the text of row order[i] in row i, for i from first to last; the
    // selection stays with the rows, not the texts. Cheaper than setting each
    // cell for rows whose texts move about.
    void MoveRowTexts(const std::vector<int>& order, int first, int last);
    // Puts the text of row from in row to; the texts between move by one.
    void MoveRowText(int from, int to);

    bool Selected(int row) const;
    void SetSelected(int row, bool selected);
    int ListIndex() const;
    void SetListIndex(int row);
    int SelCount() const { return selectedCount_; }

    QListView* View() const { return view_; }

    void RunOpen() override;
    void DeliverGotFocus() override;
    void DeliverLostFocus() override;

    std::function<void(Listbox&)> Open;
    std::function<void(Listbox&)> Change;
    std::function<void(Listbox&)> GotFocus;
    std::function<void(Listbox&)> LostFocus;

    // Clicks give the focus through TakeClick, not Qt's focus-on-press.
    bool FocusOnPress() const override { return false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool TakeClick(QPoint at);
    void UserSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void MarkRow(int row, bool selected);
    void ShowRow(int row);
    void SyncView();
    void DeliverChange();

    QListView* view_;
    ListboxModel* model_;
    std::vector<char> selected_;
    int selectedCount_ = 0;
    bool syncing_ = false;
};
