#include "UpDownArrows.h"

#include <QEvent>
#include <QToolButton>

UpDownArrows::UpDownArrows(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QWidget(parent)), up_(new QToolButton(Widget())), down_(new QToolButton(Widget())) {
    UpdateFocusPolicy();
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    QObject::connect(up_, &QToolButton::clicked, this, [this] {
        if (Up && Live())
            Up(*this);
    });
    QObject::connect(down_, &QToolButton::clicked, this, [this] {
        if (Down && Live())
            Down(*this);
    });
    LayoutButtons();
}

void UpDownArrows::PressUp() {
    up_->click();
}

void UpDownArrows::PressDown() {
    down_->click();
}

void UpDownArrows::RunOpen() {
    if (Open && Live())
        Open(*this);
}

void UpDownArrows::LayoutButtons() {
    const int w = Widget()->width();
    const int half = Widget()->height() / 2;
    up_->setGeometry(0, 0, w, half);
    down_->setGeometry(0, half, w, Widget()->height() - half);
}

bool UpDownArrows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Widget() && event->type() == QEvent::Resize)
        LayoutButtons();
    return RectControl::eventFilter(watched, event);
}
