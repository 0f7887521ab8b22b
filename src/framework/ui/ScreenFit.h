#pragma once

#include <QMargins>
#include <QRect>

// Where a window goes so that its whole frame lies within a screen's
// available area.
class ScreenFit {
public:
    // The window's content area, moved and shrunk as little as needed. content
    // is the content area's place and size; bars pixels of menu bar and toolbar
    // lie above it, and the window manager's margins (title bar, borders)
    // around both. A window that fits comes back unchanged; a larger one is
    // shrunk to the area first (never below 1 x 1), then moved in.
    static QRect Fit(const QRect& content, int bars, const QMargins& margins, const QRect& area);
};
