#include "KeyText.h"

#include <QKeyEvent>

QString KeyText::Of(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return QString();
    switch (event.key()) {
        case Qt::Key_Return:
            return QString(QChar(13));
        case Qt::Key_Enter:
            return QString(QChar(3));
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return QString(QChar(9));
        case Qt::Key_Backspace:
            return QString(QChar(8));
        case Qt::Key_Delete:
            return QString(QChar(127));
        case Qt::Key_Escape:
            return QString(QChar(27));
        case Qt::Key_Left:
            return QString(QChar(28));
        case Qt::Key_Right:
            return QString(QChar(29));
        case Qt::Key_Up:
            return QString(QChar(30));
        case Qt::Key_Down:
            return QString(QChar(31));
        case Qt::Key_Home:
            return QString(QChar(1));
        case Qt::Key_End:
            return QString(QChar(4));
        case Qt::Key_PageUp:
            return QString(QChar(11));
        case Qt::Key_PageDown:
            return QString(QChar(12));
        default:
            break;
    }
    const QString text = event.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return QString();
    return text;
}

bool KeyText::Inserts(const QKeyEvent& event) {
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}
