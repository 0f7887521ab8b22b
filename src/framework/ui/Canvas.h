#pragma once

#include <QImage>
#include <functional>

#include "RectControl.h"

class CanvasWidget;
class Graphics;
class Picture;

// A drawing area with an optional backdrop picture. It does not take the
// focus unless its layout says AcceptFocus. A click goes to MouseDown when
// one is bound, else on to the window's Event_MouseDown.
class Canvas : public RectControl {
public:
    Canvas(::Window* window, const QString& name, QWidget* parent);

    void SetBackdrop(const QImage& image);
    // The picture as it is now, its mask applied; null clears the backdrop.
    void SetBackdrop(Picture* picture);
    QImage Backdrop() const;
    void Refresh();

    bool AcceptsFocus() const override { return acceptFocus_; }
    void ApplyProps(const QVariantMap& props) override;
    void RunOpen() override;
    void DeliverGotFocus() override;
    void DeliverLostFocus() override;

    std::function<void(Canvas&)> Open;
    std::function<void(Canvas&, Graphics&)> Paint;
    std::function<bool(Canvas&, int x, int y)> MouseDown;
    std::function<void(Canvas&)> MouseEnter;
    std::function<void(Canvas&)> MouseExit;
    std::function<void(Canvas&)> GotFocus;
    std::function<void(Canvas&)> LostFocus;

protected:
    void DeliverMouseEnter() override;
    void DeliverMouseExit() override;

private:
    CanvasWidget* canvas_;
    bool acceptFocus_ = false;
};
