#include "ListboxView.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionFrame>

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
