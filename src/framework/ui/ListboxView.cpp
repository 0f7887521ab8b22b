#include "ListboxView.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QStyledItemDelegate>
#include <algorithm>

namespace {

class HeadDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // The text is cut off where the row ends, so a head wider than the row
        // gives the same picture, and the style lays out (several times) only
        // that. The first head tried is about as long as the row holds.
        const int width = option->rect.width();
        const QFontMetrics& metrics = option->fontMetrics;
        for (qsizetype head = 8 + width / std::max(1, metrics.averageCharWidth()); head < option->text.size();
             head *= 2) {
            const QString cut = option->text.left(head);
            if (metrics.horizontalAdvance(cut) > width) {
                option->text = cut;
                return;
            }
        }
    }
};

}  // namespace

ListboxView::ListboxView(QWidget* parent) : QListView(parent) {
    setUniformItemSizes(true);
    setItemDelegate(new HeadDelegate(this));
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

bool ListboxView::event(QEvent* event) {
    const bool handled = QListView::event(event);
    // The frame is painted with the view itself, the rows above it: a focused
    // text field's frame goes round them.
    if (event->type() == QEvent::Paint && hasFocus()) {
        QPainter painter(this);
        QStyleOptionFrame option;
        option.initFrom(this);
        option.lineWidth = frameWidth();
        option.state |= QStyle::State_HasFocus | QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
    }
    return handled;
}
