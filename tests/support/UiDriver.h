#pragma once

#include <QPoint>
#include <QString>
#include <Qt>
#include <functional>

class Listbox;
class QWidget;
class RectControl;
class ToolbarItem;
class UpDownArrows;
class Window;

// Drives windows as a user would, with real Qt input events on the offscreen
// platform: clicks, typing, special keys, the mouse moving over a control, and
// answers to the modal windows the program shows.
class UiDriver {
public:
    // Makes the window the active one, so that focus moves reach its widgets.
    static void Activate(Window& window);
    // A click in the middle of the control (or at a point of its own), after
    // activating its window: focus moves as a click moves it.
    static void Click(RectControl& control);
    static void ClickAt(RectControl& control, QPoint at);
    // A click on the window's content area at window coordinates.
    static void ClickWindow(Window& window, int x, int y);
    static void ClickRow(Listbox& list, int row);
    static void ClickToolbarItem(ToolbarItem& item);
    static void ClickUp(UpDownArrows& arrows);
    static void ClickDown(UpDownArrows& arrows);
    // Types each character as a key press into the control's widget.
    static void Type(RectControl& field, const QString& text);
    // Puts text on the clipboard and pastes it into the field with Ctrl+V.
    static void Paste(RectControl& field, const QString& text);
    // Drags text from another program and drops it on the middle of the field.
    static void Drop(RectControl& field, const QString& text);
    // An input method (a compose key, a Chinese one) commits text into the field.
    static void Compose(RectControl& field, const QString& text);
    // A key press (and release) sent to the window's focus widget.
    static void PressKey(Window& window, int key, const QString& text = QString());
    static void PressReturn(Window& window);
    static void PressEsc(Window& window);
    static void PressTab(Window& window);
    static void PressShiftTab(Window& window);
    static void MouseEnter(RectControl& control);
    static void MouseExit(RectControl& control);
    // Queues an answer for the next ShowModal; each answer is used once. A modal
    // window shown with no answer queued fails the test and is hidden.
    static void AnswerNextModal(std::function<void(Window&)> answer);
    static int PendingAnswers();
    static void ClearAnswers();
    // Lets queued events (zero timers, deferred deletes) run.
    static void ProcessEvents();
    // Runs events (timers, sockets) until done() holds or ms have passed; returns done().
    static bool RunEventsUntil(const std::function<bool()>& done, int ms);

private:
    static QWidget* KeyTarget(Window& window);
    static void SendKey(QWidget* target, int key, const QString& text,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};
