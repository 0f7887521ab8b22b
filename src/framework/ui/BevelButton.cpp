#include "BevelButton.h"

#include <QToolButton>

BevelButton::BevelButton(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QToolButton(parent)), button_(static_cast<QToolButton*>(Widget())) {
    UpdateFocusPolicy();
    button_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    QObject::connect(button_, &QToolButton::clicked, this, [this] {
        if (Action && Live())
            Action(*this);
    });
}

QString BevelButton::Caption() const {
    return button_->text();
}

void BevelButton::SetCaption(const QString& caption) {
    button_->setText(caption);
}

void BevelButton::Push() {
    if (button_->isEnabled())
        button_->click();
}

void BevelButton::RunOpen() {
    if (Open && Live())
        Open(*this);
}
