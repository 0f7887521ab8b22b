#include "TextAreaWidget.h"

#include <QMimeData>

TextAreaWidget::TextAreaWidget(QWidget* parent) : QPlainTextEdit(parent) {}

void TextAreaWidget::insertFromMimeData(const QMimeData* source) {
    if (!insertFilter || !source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData filtered;
    filtered.setText(insertFilter(source->text()));
    QPlainTextEdit::insertFromMimeData(&filtered);
}
