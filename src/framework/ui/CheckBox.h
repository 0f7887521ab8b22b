#pragma once

#include <functional>

#include "RectControl.h"

class QCheckBox;

// A check box. Action is delivered on each change of Value, the user's
// clicks and the program's settings alike; setting the same value is no change.
class CheckBox : public RectControl {
public:
    CheckBox(::Window* window, const QString& name, QWidget* parent);

    QString Caption() const;
    void SetCaption(const QString& caption);
    bool Value() const;
    void SetValue(bool value);

    void ApplyProps(const QVariantMap& props) override;
    void ApplyText(const QString& text) override { SetCaption(text); }
    void RunOpen() override;

    std::function<void(CheckBox&)> Open;
    std::function<void(CheckBox&)> Action;

private:
    QCheckBox* box_;
};
