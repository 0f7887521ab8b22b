#include "CanvasWidget.h"

#include <QMouseEvent>
#include <QPainter>

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {}

void CanvasWidget::SetBackdrop(const QImage& image) {
    backdrop_ = image;
    update();
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!backdrop_.isNull())
        painter.drawImage(0, 0, backdrop_);
    if (paint)
        paint(painter);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (mouseDown && mouseDown(at.x(), at.y())) {
        event->accept();
        return;
    }
    event->ignore();
}
