#include "Listbox.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QMouseEvent>
#include <algorithm>
#include <cstring>

#include "ListboxModel.h"
#include "ListboxView.h"

Listbox::Listbox(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new ListboxView(parent)), view_(static_cast<QListView*>(Widget())) {
    UpdateFocusPolicy();
    view_->viewport()->installEventFilter(this);
    model_ = new ListboxModel(view_);
    view_->setModel(model_);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view_->setDragEnabled(false);
    QObject::connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                     [this](const QItemSelection& on, const QItemSelection& off) { UserSelectionChanged(on, off); });
}

void Listbox::AddRow(const QString& text) {
    AddRows({text});
}

void Listbox::AddRows(std::vector<QString> texts) {
    if (texts.empty())
        return;
    const std::size_t count = texts.size();
    syncing_ = true;
    model_->Append(std::move(texts));
    syncing_ = false;
    selected_.resize(selected_.size() + count, 0);
}

void Listbox::RemoveRow(int row) {
    if (row < 0 || row >= ListCount())
        return;
    const bool wasSelected = selected_[std::size_t(row)] != 0;
    syncing_ = true;
    model_->Remove(row);
    syncing_ = false;
    selected_.erase(selected_.begin() + row);
    SyncView();
    if (wasSelected) {
        --selectedCount_;
        DeliverChange();
    }
}

void Listbox::DeleteAllRows() {
    const bool hadSelection = selectedCount_ > 0;
    syncing_ = true;
    model_->Clear();
    syncing_ = false;
    selected_.clear();
    selectedCount_ = 0;
    if (hadSelection)
        DeliverChange();
}

int Listbox::ListCount() const {
    return model_->Count();
}

QString Listbox::Cell(int row, int column) const {
    if (row < 0 || row >= ListCount() || column != 0)
        return QString();
    return model_->Text(row);
}

void Listbox::SetCell(int row, int column, const QString& text) {
    if (row < 0 || row >= ListCount() || column != 0)
        return;
    model_->SetText(row, text);
}

void Listbox::MoveRowTexts(const std::vector<int>& order, int first, int last) {
    if (first < 0 || last >= ListCount() || first > last)
        return;
    model_->MoveTexts(order, first, last);
}

void Listbox::MoveRowText(int from, int to) {
    if (from < 0 || to < 0 || from >= ListCount() || to >= ListCount() || from == to)
        return;
    model_->MoveText(from, to);
}

bool Listbox::Selected(int row) const {
    return row >= 0 && row < ListCount() && selected_[std::size_t(row)] != 0;
}

void Listbox::MarkRow(int row, bool selected) {
    char& mark = selected_[std::size_t(row)];
    if ((mark != 0) == selected)
        return;
    mark = selected ? 1 : 0;
    selectedCount_ += selected ? 1 : -1;
}

void Listbox::SetSelected(int row, bool selected) {
    if (row < 0 || row >= ListCount() || Selected(row) == selected)
        return;
    MarkRow(row, selected);
    syncing_ = true;
    view_->selectionModel()->select(model_->index(row),
                                    selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
    syncing_ = false;
    if (selected)
        ShowRow(row);
    DeliverChange();
}

int Listbox::ListIndex() const {
    if (selectedCount_ == 0)
        return -1;
    // memchr looks at many rows at a time.
    const void* found = std::memchr(selected_.data(), 1, selected_.size());
    return found ? int(static_cast<const char*>(found) - selected_.data()) : -1;
}

void Listbox::SetListIndex(int row) {
    if (row < -1 || row >= ListCount())
        return;
    const bool already = row < 0 ? selectedCount_ == 0 : selectedCount_ == 1 && Selected(row);
    if (already)
        return;
    std::fill(selected_.begin(), selected_.end(), char(0));
    selectedCount_ = 0;
    syncing_ = true;
    if (row < 0) {
        view_->selectionModel()->clearSelection();
    } else {
        MarkRow(row, true);
        view_->selectionModel()->select(model_->index(row), QItemSelectionModel::ClearAndSelect);
    }
    syncing_ = false;
    if (row >= 0)
        ShowRow(row);
    DeliverChange();
}

void Listbox::SyncView() {
    // The view may move its current row onto a neighbour while rows go away;
    // the list's own selection is the one that counts.
    QItemSelection selection;
    int first = -1;
    for (int row = 0; row <= ListCount(); ++row) {
        const bool on = row < ListCount() && selected_[std::size_t(row)] != 0;
        if (on && first < 0)
            first = row;
        if (!on && first >= 0) {
            selection.select(model_->index(first), model_->index(row - 1));
            first = -1;
        }
    }
    syncing_ = true;
    view_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
}

void Listbox::ShowRow(int row) {
    syncing_ = true;
    view_->selectionModel()->setCurrentIndex(model_->index(row), QItemSelectionModel::NoUpdate);
    syncing_ = false;
    view_->scrollTo(model_->index(row));
}

void Listbox::UserSelectionChanged(const QItemSelection& on, const QItemSelection& off) {
    if (syncing_)
        return;
    bool changed = false;
    auto apply = [&](const QItemSelection& ranges, bool value) {
        for (const QItemSelectionRange& range : ranges) {
            for (int row = range.top(); row <= range.bottom(); ++row) {
                if (row < 0 || row >= ListCount() || Selected(row) == value)
                    continue;
                MarkRow(row, value);
                changed = true;
            }
        }
    };
    apply(off, false);
    apply(on, true);
    if (changed)
        DeliverChange();
}

bool Listbox::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == view_->viewport() && press && Live())
        return TakeClick(static_cast<QMouseEvent*>(event)->position().toPoint());
    return RectControl::eventFilter(watched, event);
}

// The row under the pointer is selected first, then the list takes the focus:
// the focus move ends the edit in progress, which may sort the rows, and the
// window keeps the selected entry selected wherever its row goes. A click on
// the free area goes on to the view, which empties the selection.
bool Listbox::TakeClick(QPoint at) {
    const QModelIndex index = view_->indexAt(at);
    if (index.isValid())
        SetListIndex(index.row());
    SetFocus();
    return index.isValid();
}

void Listbox::DeliverChange() {
    if (Change && Live())
        Change(*this);
}

void Listbox::RunOpen() {
    if (Open && Live())
        Open(*this);
}

void Listbox::DeliverGotFocus() {
    if (GotFocus && Live())
        GotFocus(*this);
}

void Listbox::DeliverLostFocus() {
    if (LostFocus && Live())
        LostFocus(*this);
}
