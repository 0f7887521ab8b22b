#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

class QWidget;

// The input events a user's click or key press makes, sent straight to a widget on any platform.
// Shared by the test driver and the benchmarks.
namespace InputEvents {

// Qt moves the focus only for the platform's own (spontaneous) clicks; this does what it does for them.
void GiveClickFocus(QWidget* widget);
// A left click at a point of the widget's own, after the focus has moved as a click moves it.
void Click(QWidget* widget, QPoint at);
// A key press and its release.
void Key(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// The key code a character is typed with.
int KeyFor(QChar c);

}  // namespace InputEvents
