#pragma once

#include <functional>

#include "RectControl.h"

class QRadioButton;

// A radio button; the radio buttons of one parent exclude each other. Action
// is delivered when the button becomes selected, by a click or by the program.
class RadioButton : public RectControl {
public:
    RadioButton(::Window* window, const QString& name, QWidget* parent);

    QString Caption() const;
    void SetCaption(const QString& caption);
    bool Value() const;
    // True deselects the others of its parent; False leaves none selected.
    void SetValue(bool value);

    void ApplyProps(const QVariantMap& props) override;
    void ApplyText(const QString& text) override { SetCaption(text); }
    void RunOpen() override;

    std::function<void(RadioButton&)> Open;
    std::function<void(RadioButton&)> Action;

private:
    QRadioButton* radio_;
};
