#include "UserInput.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolBar>

#include "framework/ui/RectControl.h"
#include "framework/ui/ToolbarItem.h"
#include "framework/ui/Window.h"

namespace {

// Qt moves the focus only for the platform's own clicks; do what it does for them.
void GiveClickFocus(QWidget* widget) {
  for (QWidget* w = widget; w; w = w->parentWidget()) {
    if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus)) {
      w->setFocus(Qt::MouseFocusReason);
      return;
    }
    if (w->isWindow()) return;
  }
}

void SendClick(QWidget* widget, QPoint at) {
  GiveClickFocus(widget);
  const QPointF local(at);
  const QPointF global(widget->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

}  // namespace

void UserInput::Activate(Window& window) {
  QWidget* frame = window.Widget();
  if (!frame->isVisible()) return;
  frame->activateWindow();
  QApplication::setActiveWindow(frame);
  Frame();
}

void UserInput::Click(RectControl& control) {
  QWidget* widget = control.Widget();
  if (auto* view = qobject_cast<QAbstractScrollArea*>(widget)) widget = view->viewport();
  SendClick(widget, widget->rect().center());
}

void UserInput::ClickAt(RectControl& control, QPoint at) {
  QWidget* widget = control.Widget();
  if (auto* view = qobject_cast<QAbstractScrollArea*>(widget)) widget = view->viewport();
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
  QWidget* target = control.Widget();
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(target, &release);
}

void UserInput::Type(RectControl& control, QChar c) {
  const int key = c.isLetter() ? int(c.toUpper().unicode()) : int(c.unicode());
  PressKey(control, key, QString(c));
}

void UserInput::Frame() { QCoreApplication::processEvents(); }
