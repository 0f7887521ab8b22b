#pragma once

#include <QAbstractListModel>
#include <QString>
#include <vector>

// The rows of a Listbox. Text changes are gathered and reported to the view
// in one dataChanged when control returns to the event loop (or at Flush), so
// rewriting every row costs one repaint.
class ListboxModel : public QAbstractListModel {
public:
    explicit ListboxModel(QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    int Count() const { return int(rows_.size()); }
    const QString& Text(int row) const { return rows_[std::size_t(row)]; }
    void SetText(int row, const QString& text);
    // Puts the text of row order[i] in row i, for i from first to last.
    void MoveTexts(const std::vector<int>& order, int first, int last);
    // Puts the text of row from in row to; the rows between move by one.
    void MoveText(int from, int to);
    void Append(std::vector<QString> texts);
    void Remove(int row);
    void Clear();
    // Reports the pending text changes now.
    void Flush();

private:
    // Rows first to last show new texts: repainted at the next Flush.
    void Changed(int first, int last);

    std::vector<QString> rows_;
    int dirtyFirst_ = -1;
    int dirtyLast_ = -1;
    bool flushQueued_ = false;
};
