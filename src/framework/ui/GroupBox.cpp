#include "GroupBox.h"

#include <QGroupBox>

GroupBox::GroupBox(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new QGroupBox(parent)), box_(static_cast<QGroupBox*>(Widget())) {
    UpdateFocusPolicy();
}

QString GroupBox::Caption() const {
    return box_->title();
}

void GroupBox::SetCaption(const QString& caption) {
    box_->setTitle(caption);
}
