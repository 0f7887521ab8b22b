#pragma once

#include <QColor>
#include <QWidget>

// Draws a filled rectangle with rounded corners.
class RoundRectangleWidget : public QWidget {
public:
    explicit RoundRectangleWidget(QWidget* parent);

    QColor fill = Qt::white;
    QColor border = Qt::black;
    int cornerSize = 8;

protected:
    void paintEvent(QPaintEvent* event) override;
};
