#pragma once

#include "Control.h"

class QAction;

// A separator (Type 1) or a fixed space (Type 2) in the window's toolbar.
class StandardToolbarItem : public Control {
public:
    StandardToolbarItem(::Window* window, const QString& name);

    int Type() const { return type_; }
    void SetType(int type);

    void ApplyProps(const QVariantMap& props) override;

private:
    QAction* action_ = nullptr;
    int type_ = 1;
};
