#pragma once

#include <QString>
#include <QVariantMap>
#include <functional>

#include "Anchors.h"
#include "ControlKind.h"

class Control;

// One row of a window's control table. Geometry is in window (content-area)
// coordinates, also for controls inside a group box. `parent` is empty for the
// window itself, else the name of a GroupBox made earlier in the table.
//
// Kind-specific properties in `props` (all optional):
//   TextField:  Password, ReadOnly (bool), LimitText (int, 0 = none), Alignment ("left"/"right"/"center")
//   TextArea:   ReadOnly (bool), LimitText (int)
//   Label:      TextSize (int), Bold (bool), Alignment, Multiline (bool)
//   PushButton: Default, Cancel (bool)
//   CheckBox, RadioButton: Value (bool)
//   RoundRectangle: FillColor (QString, e.g. "#ffffff"), BorderColor (QString), CornerSize (int)
//   Canvas:     AcceptFocus (bool)
//   StandardToolbarItem: Type (int: 1 separator, 2 space)
//   Timer:      Mode (int 0 off / 1 single / 2 multiple), Period (int, ms)
//   any:        Enabled, Visible, TabStop (bool: false keeps Tab from landing on it),
//               BacktabStop (bool: Shift+Tab lands on it all the same),
//               TextSize (int, pixels: the original platform's 72-dpi points), Bold (bool)
// `bind` runs right after the control is made: attach its event handlers there.
struct ControlSpec {
    ControlKind kind;
    QString name;
    QString parent;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    unsigned anchors = LockLeft | LockTop;
    int tabIndex = 0;
    QString text;
    QString helpTag;
    QVariantMap props;
    std::function<void(Control&)> bind;
};
