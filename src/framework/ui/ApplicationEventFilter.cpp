#include "framework/ui/ApplicationEventFilter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

ApplicationEventFilter::ApplicationEventFilter(std::function<void()> windowGone) : windowGone_(std::move(windowGone)) {
    QCoreApplication::instance()->installEventFilter(this);
}

ApplicationEventFilter::~ApplicationEventFilter() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool ApplicationEventFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Hide || pending_) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->isWindow()) {
        // Later, not now: the handler that hid it may be about to show another.
        pending_ = true;
        QTimer::singleShot(0, this, [this] {
            pending_ = false;
            windowGone_();
        });
    }
    return false;
}
