#pragma once

#include <functional>

#include "RectControl.h"

class QPushButton;

// A push button. Return presses the focused button, else the window's Default
// button, Esc its Cancel button; each delivers Action as a click does. A click
// does not take the keyboard focus from a field; Tab still reaches the button.
class PushButton : public RectControl {
public:
    PushButton(::Window* window, const QString& name, QWidget* parent);

    QString Caption() const;
    void SetCaption(const QString& caption);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    // Draws the button as the one Return presses (the window decides which).
    void ShowAsDefault(bool shown);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool isCancel) { cancel_ = isCancel; }
    // Presses the button as a click does (nothing while it is disabled).
    void Push();

    void ApplyProps(const QVariantMap& props) override;
    void ApplyText(const QString& text) override { SetCaption(text); }
    void RunOpen() override;

    std::function<void(PushButton&)> Open;
    std::function<void(PushButton&)> Action;

private:
    QPushButton* button_;
    bool default_ = false;
    bool cancel_ = false;
};
