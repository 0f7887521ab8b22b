#include "UserInput.h"

#include "support/InputEvents.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolBar>

#include "framework/ui/RectControl.h"
#include "framework/ui/ToolbarItem.h"
#include "framework/ui/Window.h"

namespace {

void SendClick(QWidget* widget, QPoint at) {
    InputEvents::Click(widget, at);
}

}  // namespace

void UserInput::Activate(Window& window) {
    QWidget* frame = window.Widget();
    if (!frame->isVisible())
        return;
    frame->activateWindow();
    QApplication::setActiveWindow(frame);
    Frame();
}

void UserInput::Click(RectControl& control) {
    QWidget* widget = control.Widget();
    if (auto* view = qobject_cast<QAbstractScrollArea*>(widget))
        widget = view->viewport();
    SendClick(widget, widget->rect().center());
}

void UserInput::ClickAt(RectControl& control, QPoint at) {
    QWidget* widget = control.Widget();
    if (auto* view = qobject_cast<QAbstractScrollArea*>(widget))
        widget = view->viewport();
    SendClick(widget, at);
}

void UserInput::ClickToolbarItem(ToolbarItem& item) {
    QAction* action = item.NativeAction();
    QToolBar* toolbar = item.Window() ? item.Window()->Toolbar() : nullptr;
    QWidget* button = toolbar ? toolbar->widgetForAction(action) : nullptr;
    if (button)
        SendClick(button, button->rect().center());
    else
        action->trigger();
}

void UserInput::PressKey(RectControl& control, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    InputEvents::Key(control.Widget(), key, text, modifiers);
}

void UserInput::Type(RectControl& control, QChar c) {
    PressKey(control, InputEvents::KeyFor(c), QString(c));
}

void UserInput::Frame() {
    QCoreApplication::processEvents();
}
