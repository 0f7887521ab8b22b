#include "Canvas.h"

#include "CanvasWidget.h"
#include "Graphics.h"
#include "Picture.h"

Canvas::Canvas(::Window* window, const QString& name, QWidget* parent)
    : RectControl(window, name, new CanvasWidget(parent)), canvas_(static_cast<CanvasWidget*>(Widget())) {
    UpdateFocusPolicy();
    canvas_->paint = [this](QPainter& painter) {
        if (!Paint || !Live())
            return;
        Graphics graphics(&painter);
        Paint(*this, graphics);
    };
    canvas_->mouseDown = [this](int x, int y) {
        if (!MouseDown || !Live())
            return false;
        MouseDown(*this, x, y);
        return true;
    };
}

void Canvas::SetBackdrop(const QImage& image) {
    canvas_->SetBackdrop(image);
}

void Canvas::SetBackdrop(Picture* picture) {
    canvas_->SetBackdrop(picture ? picture->ToImage() : QImage());
}

QImage Canvas::Backdrop() const {
    return canvas_->Backdrop();
}

void Canvas::Refresh() {
    canvas_->update();
}

void Canvas::ApplyProps(const QVariantMap& props) {
    RectControl::ApplyProps(props);
    if (props.contains("AcceptFocus")) {
        acceptFocus_ = props.value("AcceptFocus").toBool();
        UpdateFocusPolicy();
    }
}

void Canvas::RunOpen() {
    if (Open && Live())
        Open(*this);
}

void Canvas::DeliverGotFocus() {
    if (GotFocus && Live())
        GotFocus(*this);
}

void Canvas::DeliverLostFocus() {
    if (LostFocus && Live())
        LostFocus(*this);
}

void Canvas::DeliverMouseEnter() {
    if (MouseEnter && Live())
        MouseEnter(*this);
}

void Canvas::DeliverMouseExit() {
    if (MouseExit && Live())
        MouseExit(*this);
}
