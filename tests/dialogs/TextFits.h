#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"

// Whether text, drawn in the widget's font, fits in its box.
inline ::testing::AssertionResult Fits(QWidget* widget, const QString& text, bool wraps) {
    const QFontMetrics metrics(widget->font());
    const QRect box = widget->contentsRect();
    const QRect needed = wraps ? metrics.boundingRect(QRect(0, 0, box.width(), 10000), Qt::TextWordWrap, text)
                               : QRect(0, 0, metrics.horizontalAdvance(text), metrics.height());
    if (needed.width() <= box.width() && needed.height() <= box.height())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << text.toStdString() << "\" needs " << needed.width() << " x "
                                         << needed.height() << " in " << box.width() << " x " << box.height();
}

// Every label, button and field of window shows its whole text in its box.
inline void ExpectEveryTextFits(Window& window) {
    for (const auto& control : window.Controls()) {
        SCOPED_TRACE(control->Name().toStdString());
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (!rect)
            continue;
        QWidget* widget = rect->Widget();
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            EXPECT_TRUE(Fits(label, label->text(), label->wordWrap()));
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            // Room for the button's frame on either side of the caption.
            EXPECT_TRUE(Fits(button, button->text() + "MM", false));
        } else if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
            // The mark and the caption beside it.
            const QSize needed = widget->sizeHint();
            EXPECT_LE(needed.width(), widget->width()) << static_cast<QAbstractButton*>(widget)->text().toStdString();
            EXPECT_LE(needed.height(), widget->height()) << static_cast<QAbstractButton*>(widget)->text().toStdString();
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            EXPECT_TRUE(Fits(edit, edit->text().isEmpty() ? QStringLiteral("Xg") : edit->text(), false));
        }
    }
}
