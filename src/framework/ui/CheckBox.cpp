#include "CheckBox.h"

#include <QCheckBox>

CheckBox::CheckBox(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QCheckBox(parent)), box_(static_cast<QCheckBox*>(Widget())) {
    box_->setFocusPolicy(Qt::TabFocus);
    QObject::connect(box_, &QCheckBox::toggled, this, [this] {
        if (Action && Live())
            Action(*this);
    });
}

QString CheckBox::Caption() const {
    return box_->text();
}

void CheckBox::SetCaption(const QString& caption) {
    box_->setText(caption);
}

bool CheckBox::Value() const {
    return box_->isChecked();
}

void CheckBox::SetValue(bool value) {
    box_->setChecked(value);
}

void CheckBox::ApplyProps(const QVariantMap& props) {
    RectControl::ApplyProps(props);
    if (props.contains("Value"))
        SetValue(props.value("Value").toBool());
}

void CheckBox::RunOpen() {
    if (Open && Live())
        Open(*this);
}
