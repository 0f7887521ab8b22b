#include "RadioButton.h"

#include <QRadioButton>

RadioButton::RadioButton(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QRadioButton(parent)), radio_(static_cast<QRadioButton*>(Widget())) {
    radio_->setFocusPolicy(Qt::TabFocus);
    radio_->setAutoExclusive(true);
    QObject::connect(radio_, &QRadioButton::toggled, this, [this](bool on) {
        if (on && Action && Live())
            Action(*this);
    });
}

QString RadioButton::Caption() const {
    return radio_->text();
}

void RadioButton::SetCaption(const QString& caption) {
    radio_->setText(caption);
}

bool RadioButton::Value() const {
    return radio_->isChecked();
}

void RadioButton::SetValue(bool value) {
    if (value) {
        radio_->setChecked(true);
        return;
    }
    // Qt keeps one exclusive radio button checked; lift that while clearing it.
    radio_->setAutoExclusive(false);
    radio_->setChecked(false);
    radio_->setAutoExclusive(true);
}

void RadioButton::ApplyProps(const QVariantMap& props) {
    RectControl::ApplyProps(props);
    if (props.contains("Value"))
        SetValue(props.value("Value").toBool());
}

void RadioButton::RunOpen() {
    if (Open && Live())
        Open(*this);
}
