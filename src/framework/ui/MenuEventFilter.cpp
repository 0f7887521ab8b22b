#include "framework/ui/MenuEventFilter.h"

#include "framework/ui/MenuBar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

MenuEventFilter::MenuEventFilter(MenuBar* bar) : bar_(bar) {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->installEventFilter(this);
    }
}

MenuEventFilter::~MenuEventFilter() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
    }
}

bool MenuEventFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return bar_->KeyPressed(watched, static_cast<QKeyEvent*>(event));
        case QEvent::Show:
            bar_->WidgetShown(watched);
            break;
        case QEvent::WindowActivate:
            // The menu titles show their state before the user reaches for them.
            bar_->WindowActivated(watched);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::Enter:
            // A menu title must show its state before the user can open it.
            bar_->OpeningMenuBar(watched);
            break;
        default:
            break;
    }
    return false;
}
