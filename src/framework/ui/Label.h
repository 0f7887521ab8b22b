#pragma once

#include <functional>

#include "RectControl.h"

class QColor;
class QLabel;

// Static text. It never takes the focus; clicks on it reach the window.
class Label : public RectControl {
public:
    Label(::Window* window, const QString& name, QWidget* parent);

    // The text as set; a carriage return breaks the line on screen.
    QString Text() const { return text_; }
    void SetText(const QString& text);
    int TextSize() const;
    void SetTextSize(int size);
    bool Bold() const;
    void SetBold(bool bold);
    void SetTextColor(const QColor& color);

    bool AcceptsFocus() const override { return false; }
    void ApplyProps(const QVariantMap& props) override;
    void ApplyText(const QString& text) override { SetText(text); }
    void RunOpen() override;

    std::function<void(Label&)> Open;

private:
    QLabel* label_;
    QString text_;
};
