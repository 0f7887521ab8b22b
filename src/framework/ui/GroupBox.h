#pragma once

#include "RectControl.h"

class QGroupBox;

// A frame around other controls, which name it as their parent.
class GroupBox : public RectControl {
public:
    GroupBox(::Window* window, const QString& name, QWidget* parent);

    QString Caption() const;
    void SetCaption(const QString& caption);

    bool AcceptsFocus() const override { return false; }
    void ApplyText(const QString& text) override { SetCaption(text); }

private:
    QGroupBox* box_;
};
