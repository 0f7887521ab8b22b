#include "RoundRectangle.h"

#include "RoundRectangleWidget.h"

RoundRectangle::RoundRectangle(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new RoundRectangleWidget(parent)),
      shape_(static_cast<RoundRectangleWidget*>(Widget())) {
    UpdateFocusPolicy();
}

QColor RoundRectangle::FillColor() const {
    return shape_->fill;
}

void RoundRectangle::SetFillColor(const QColor& color) {
    shape_->fill = color;
    shape_->update();
}

QColor RoundRectangle::BorderColor() const {
    return shape_->border;
}

void RoundRectangle::SetBorderColor(const QColor& color) {
    shape_->border = color;
    shape_->update();
}

int RoundRectangle::CornerSize() const {
    return shape_->cornerSize;
}

void RoundRectangle::SetCornerSize(int size) {
    shape_->cornerSize = size;
    shape_->update();
}

void RoundRectangle::ApplyProps(const QVariantMap& props) {
    RectControl::ApplyProps(props);
    if (props.contains("FillColor"))
        SetFillColor(QColor(props.value("FillColor").toString()));
    if (props.contains("BorderColor"))
        SetBorderColor(QColor(props.value("BorderColor").toString()));
    if (props.contains("CornerSize"))
        SetCornerSize(props.value("CornerSize").toInt());
}
