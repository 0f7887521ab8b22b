#include "RoundRectangleWidget.h"

#include <QPainter>

RoundRectangleWidget::RoundRectangleWidget(QWidget* parent) : QWidget(parent) {}

void RoundRectangleWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(border);
    painter.setBrush(fill);
    const qreal radius = cornerSize / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}
