#pragma once

#include <QtGlobal>

// A document window's position and size in pixels, as saved with the document.
struct WindowPlacement {
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;
};
