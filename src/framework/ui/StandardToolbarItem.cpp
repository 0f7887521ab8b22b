#include "StandardToolbarItem.h"

#include <QAction>
#include <QToolBar>
#include <QWidget>

#include "Window.h"

StandardToolbarItem::StandardToolbarItem(::Window* window, const QString& name) : Control(window, name) {
    SetType(1);
}

void StandardToolbarItem::SetType(int type) {
    type_ = type;
    QToolBar* toolbar = Window()->Toolbar();
    QAction* next = nullptr;
    if (type == 2) {
        auto* space = new QWidget(toolbar);
        space->setFixedWidth(16);
        next = action_ ? toolbar->insertWidget(action_, space) : toolbar->addWidget(space);
    } else {
        next = action_ ? toolbar->insertSeparator(action_) : toolbar->addSeparator();
    }
    if (action_) {
        toolbar->removeAction(action_);
        delete action_;
    }
    action_ = next;
    Window()->BarsChanged();
}

void StandardToolbarItem::ApplyProps(const QVariantMap& props) {
    if (props.contains("Type"))
        SetType(props.value("Type").toInt());
}
