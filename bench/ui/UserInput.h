#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class RectControl;
class ToolbarItem;
class Window;

// What a user does, as real Qt input events on the offscreen platform, and the
// frame that follows it.
class UserInput {
public:
    static void Activate(Window& window);
    // A click in the middle of the control; the focus moves as a click moves it.
    static void Click(RectControl& control);
    // A click at a point of the control's own (its viewport's for a list).
    static void ClickAt(RectControl& control, QPoint at);
    static void ClickToolbarItem(ToolbarItem& item);
    // A key press and release sent to the control's widget.
    static void PressKey(RectControl& control, int key, const QString& text = QString(),
                         Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Types one character.
    static void Type(RectControl& control, QChar c);
    // Runs what the key or click queued, the repaint included, as the next frame would.
    static void Frame();
};
