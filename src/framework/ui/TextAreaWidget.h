#pragma once

#include <QPlainTextEdit>
#include <functional>

// The widget behind a TextArea: pasted and dropped text passes the area's
// filter before it reaches the document, so that the editor never lays out
// more than the area will keep.
class TextAreaWidget : public QPlainTextEdit {
public:
    explicit TextAreaWidget(QWidget* parent);

    std::function<QString(const QString&)> insertFilter;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};
