#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// The widget behind a Canvas: draws the backdrop, then lets the canvas paint.
class CanvasWidget : public QWidget {
public:
    explicit CanvasWidget(QWidget* parent);

    void SetBackdrop(const QImage& image);
    QImage Backdrop() const { return backdrop_; }

    std::function<void(QPainter&)> paint;
    // Returns whether the click was taken; an untaken click goes on to the window.
    std::function<bool(int x, int y)> mouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage backdrop_;
};
