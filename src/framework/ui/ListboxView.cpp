#include "ListboxView.h"

#include <algorithm>

ListboxView::ListboxView(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
}

void ListboxView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
    const int rows = model()->rowCount();
    const QModelIndex top = indexAt(QPoint(0, 0));
    if (!top.isValid())
        return;
    const QModelIndex bottom = indexAt(QPoint(0, viewport()->height() - 1));
    const int first = std::max(topLeft.row(), top.row());
    const int last = std::min(bottomRight.row(), bottom.isValid() ? bottom.row() : rows - 1);
    if (first <= last)
        QAbstractItemView::dataChanged(model()->index(first, 0), model()->index(last, 0), roles);
}
