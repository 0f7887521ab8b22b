#include "ListboxModel.h"

#include <QTimer>
#include <algorithm>
#include <iterator>

#include "framework/core/MoveAlongOrder.h"

ListboxModel::ListboxModel(QObject* parent) : QAbstractListModel(parent) {}

int ListboxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count())
        return QVariant();
    // No tool tip of a row's own: the list's help tag shows over its rows too.
    if (role == Qt::DisplayRole)
        return rows_[std::size_t(index.row())];
    return QVariant();
}

void ListboxModel::SetText(int row, const QString& text) {
    QString& cell = rows_[std::size_t(row)];
    // The very text already shown changes nothing. Another one is taken as new
    // without comparing the two: repainting a row for nothing costs less than
    // reading every row's text when a whole list is rewritten.
    if (cell.constData() == text.constData() && cell.size() == text.size())
        return;
    cell = text;
    Changed(row, row);
}

void ListboxModel::MoveTexts(const std::vector<int>& order, int first, int last) {
    MoveAlongOrder(rows_, order, first, last);
    Changed(first, last);
}

void ListboxModel::MoveText(int from, int to) {
    const auto at = [this](int row) { return rows_.begin() + row; };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    Changed(std::min(from, to), std::max(from, to));
}

void ListboxModel::Changed(int first, int last) {
    dirtyFirst_ = dirtyFirst_ < 0 ? first : std::min(dirtyFirst_, first);
    dirtyLast_ = std::max(dirtyLast_, last);
    if (!flushQueued_) {
        flushQueued_ = true;
        QTimer::singleShot(0, this, [this] { Flush(); });
    }
}

void ListboxModel::Flush() {
    flushQueued_ = false;
    if (dirtyFirst_ < 0)
        return;
    const int first = dirtyFirst_;
    const int last = std::min(dirtyLast_, Count() - 1);
    dirtyFirst_ = dirtyLast_ = -1;
    if (first <= last)
        emit dataChanged(index(first), index(last), {Qt::DisplayRole});
}

void ListboxModel::Append(std::vector<QString> texts) {
    Flush();
    beginInsertRows(QModelIndex(), Count(), Count() + int(texts.size()) - 1);
    if (rows_.empty())
        rows_ = std::move(texts);
    else
        rows_.insert(rows_.end(), std::make_move_iterator(texts.begin()), std::make_move_iterator(texts.end()));
    endInsertRows();
}

void ListboxModel::Remove(int row) {
    Flush();
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void ListboxModel::Clear() {
    dirtyFirst_ = dirtyLast_ = -1;
    beginResetModel();
    rows_.clear();
    endResetModel();
}
