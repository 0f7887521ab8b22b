#pragma once

#include <QString>

#include "FrameKind.h"

// A window's own properties, applied first when it is built.
struct WindowSpec {
    FrameKind frame = FrameKind::Document;
    int width = 300;
    int height = 300;
    int minWidth = 64;
    int minHeight = 64;
    int maxWidth = 32000;
    int maxHeight = 32000;
    QString title;
    bool visible = true;
    bool resizeable = true;
    bool closeButton = true;
    bool minimizeButton = true;
    bool maximizeButton = true;
    // A document window shows the application's menu bar; a tool window none,
    // though the bar's keys still reach it.
    bool menuBarVisible = true;
};
