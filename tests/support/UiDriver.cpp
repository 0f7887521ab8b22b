#include "support/UiDriver.h"

#include "support/InputEvents.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMimeData>
#include <QMouseEvent>
#include <QThread>
#include <QToolBar>
#include <QToolButton>
#include <deque>

#include "framework/ui/Listbox.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/ToolbarItem.h"
#include "framework/ui/UpDownArrows.h"
#include "framework/ui/Window.h"

namespace {

std::deque<std::function<void(Window&)>>& Answers() {
    static std::deque<std::function<void(Window&)>> answers;
    return answers;
}

void InstallHook() {
    Window::SetModalHook([](Window& window) {
        if (Answers().empty()) {
            ADD_FAILURE() << "a modal window was shown with no answer queued: " << window.Title().toStdString();
            window.Hide();
            return;
        }
        auto answer = std::move(Answers().front());
        Answers().pop_front();
        answer(window);
    });
}

void SendMouse(QWidget* widget, QPoint at) {
    InputEvents::Click(widget, at);
}

}  // namespace

void UiDriver::Activate(Window& window) {
    QWidget* frame = window.Widget();
    if (!frame->isVisible())
        return;
    frame->activateWindow();
    QApplication::setActiveWindow(frame);
    ProcessEvents();
}

void UiDriver::Click(RectControl& control) {
    ClickAt(control, control.Widget()->rect().center());
}

void UiDriver::ClickAt(RectControl& control, QPoint at) {
    if (control.Window())
        Activate(*control.Window());
    QWidget* widget = control.Widget();
    // Item views take their clicks on the viewport.
    if (auto* view = qobject_cast<QAbstractScrollArea*>(widget)) {
        widget = view->viewport();
        at = widget->mapFrom(control.Widget(), at);
    }
    QWidget* target = widget->childAt(at);
    if (target && qobject_cast<QAbstractButton*>(target)) {
        SendMouse(target, target->mapFrom(widget, at));
        return;
    }
    SendMouse(widget, at);
}

void UiDriver::ClickWindow(Window& window, int x, int y) {
    Activate(window);
    QWidget* content = window.Content();
    const QPoint at(x, y);
    QWidget* target = content->childAt(at);
    if (!target)
        target = content;
    SendMouse(target, target->mapFrom(content, at));
}

void UiDriver::ClickRow(Listbox& list, int row) {
    if (list.Window())
        Activate(*list.Window());
    QListView* view = list.View();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QRect rect = view->visualRect(index);
    SendMouse(view->viewport(), rect.center());
}

void UiDriver::ClickToolbarItem(ToolbarItem& item) {
    QAction* action = item.NativeAction();
    QToolBar* toolbar = item.Window()->Toolbar();
    QWidget* button = toolbar ? toolbar->widgetForAction(action) : nullptr;
    if (button) {
        SendMouse(button, button->rect().center());
    } else {
        action->trigger();
    }
}

void UiDriver::ClickUp(UpDownArrows& arrows) {
    SendMouse(arrows.UpButton(), arrows.UpButton()->rect().center());
}

void UiDriver::ClickDown(UpDownArrows& arrows) {
    SendMouse(arrows.DownButton(), arrows.DownButton()->rect().center());
}

void UiDriver::SendKey(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    InputEvents::Key(target, key, text, modifiers);
}

void UiDriver::Type(RectControl& field, const QString& text) {
    for (QChar c : text)
        SendKey(field.Widget(), InputEvents::KeyFor(c), QString(c));
}

void UiDriver::Paste(RectControl& field, const QString& text) {
    QApplication::clipboard()->setText(text);
    SendKey(field.Widget(), Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
}

void UiDriver::Drop(RectControl& field, const QString& text) {
    QMimeData data;
    data.setText(text);
    QWidget* target = field.Widget();
    const QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

void UiDriver::Compose(RectControl& field, const QString& text) {
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(field.Widget(), &commit);
}

QWidget* UiDriver::KeyTarget(Window& window) {
    QWidget* frame = window.Widget();
    if (window.FocusControl()) {
        // Keys reach the widget that shows the focus, as the platform sends them.
        QWidget* target = window.FocusControl()->Widget();
        while (target->focusProxy())
            target = target->focusProxy();
        return target;
    }
    if (frame->focusWidget())
        return frame->focusWidget();
    return frame;
}

void UiDriver::PressKey(Window& window, int key, const QString& text) {
    SendKey(KeyTarget(window), key, text);
}

void UiDriver::PressReturn(Window& window) {
    PressKey(window, Qt::Key_Return, QStringLiteral("\r"));
}

void UiDriver::PressEsc(Window& window) {
    PressKey(window, Qt::Key_Escape, QString(QChar(27)));
}

void UiDriver::PressTab(Window& window) {
    Activate(window);
    PressKey(window, Qt::Key_Tab, QStringLiteral("\t"));
}

void UiDriver::PressShiftTab(Window& window) {
    Activate(window);
    InputEvents::Key(KeyTarget(window), Qt::Key_Backtab, QString(), Qt::ShiftModifier);
}

void UiDriver::MouseEnter(RectControl& control) {
    QWidget* widget = control.Widget();
    const QPointF at(widget->rect().center());
    QEnterEvent enter(at, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &enter);
}

void UiDriver::MouseExit(RectControl& control) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(control.Widget(), &leave);
}

void UiDriver::AnswerNextModal(std::function<void(Window&)> answer) {
    InstallHook();
    Answers().push_back(std::move(answer));
}

int UiDriver::PendingAnswers() {
    return int(Answers().size());
}

void UiDriver::ClearAnswers() {
    Answers().clear();
    InstallHook();
}

void UiDriver::ProcessEvents() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

bool UiDriver::RunEventsUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return done();
}
