#include "PushButton.h"

#include <QPushButton>

PushButton::PushButton(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QPushButton(parent)), button_(static_cast<QPushButton*>(Widget())) {
    button_->setAutoDefault(false);
    button_->setFocusPolicy(Qt::TabFocus);
    QObject::connect(button_, &QPushButton::clicked, this, [this] {
        if (Action && Live())
            Action(*this);
    });
}

QString PushButton::Caption() const {
    return button_->text();
}

void PushButton::SetCaption(const QString& caption) {
    button_->setText(caption);
}

void PushButton::SetDefault(bool isDefault) {
    default_ = isDefault;
    button_->setDefault(isDefault);
}

void PushButton::ShowAsDefault(bool shown) {
    button_->setDefault(shown);
}

void PushButton::Push() {
    if (button_->isEnabled())
        button_->click();
}

void PushButton::ApplyProps(const QVariantMap& props) {
    RectControl::ApplyProps(props);
    if (props.contains("Default"))
        SetDefault(props.value("Default").toBool());
    if (props.contains("Cancel"))
        SetCancel(props.value("Cancel").toBool());
}

void PushButton::RunOpen() {
    if (Open && Live())
        Open(*this);
}
