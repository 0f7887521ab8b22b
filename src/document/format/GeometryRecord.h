#pragma once

#include <QByteArray>
#include <QtGlobal>

// The window's Left, Top, Width and Height, stored as decimal text joined by "*".
class GeometryRecord {
public:
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    // "40*60*639*376" for a window at 40,60 sized 639x376.
    static QByteArray Text(qint32 left, qint32 top, qint32 width, qint32 height);

    // Pieces 1 to 4 of the text cut at "*", each read as a number; a missing or
    // non-numeric piece reads as 0.
    static GeometryRecord Parse(const QByteArray& text);

    // Whether the stored place may be applied: the top-left corner lies on the main
    // screen (-1 < left < screenWidth and -1 < top < screenHeight, as reals). Width
    // and height are not tested.
    bool FitsScreen(int screenWidth, int screenHeight) const;

    qint32 LeftPixels() const;
    qint32 TopPixels() const;
    qint32 WidthPixels() const;
    qint32 HeightPixels() const;
};
