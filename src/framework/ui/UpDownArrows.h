#pragma once

#include <functional>

#include "RectControl.h"

class QToolButton;

// A pair of small arrow buttons; never takes the focus.
class UpDownArrows : public RectControl {
public:
    UpDownArrows(::Window* window, const QString& name, QWidget* parent);

    void PressUp();
    void PressDown();

    bool AcceptsFocus() const override { return false; }
    void RunOpen() override;

    std::function<void(UpDownArrows&)> Open;
    std::function<void(UpDownArrows&)> Up;
    std::function<void(UpDownArrows&)> Down;

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LayoutButtons();

    QToolButton* up_;
    QToolButton* down_;
};
