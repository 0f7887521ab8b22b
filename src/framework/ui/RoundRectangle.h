#pragma once

#include <QColor>

#include "RectControl.h"

class RoundRectangleWidget;

// A filled rounded rectangle (a panel). Clicks on it reach the window.
class RoundRectangle : public RectControl {
public:
    RoundRectangle(::Window* window, const QString& name, QWidget* parent);

    QColor FillColor() const;
    void SetFillColor(const QColor& color);
    QColor BorderColor() const;
    void SetBorderColor(const QColor& color);
    int CornerSize() const;
    void SetCornerSize(int size);

    bool AcceptsFocus() const override { return false; }
    void ApplyProps(const QVariantMap& props) override;

private:
    RoundRectangleWidget* shape_;
};
