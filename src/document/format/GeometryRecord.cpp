#include "document/format/GeometryRecord.h"

#include "framework/core/Strings.h"

#include <QString>

QByteArray GeometryRecord::Text(qint32 left, qint32 top, qint32 width, qint32 height) {
    const QString sep = QStringLiteral("*");
    return (Str(left) + sep + Str(top) + sep + Str(width) + sep + Str(height)).toLatin1();
}

GeometryRecord GeometryRecord::Parse(const QByteArray& text) {
    const QString s = QString::fromLatin1(text);
    const QString sep = QStringLiteral("*");
    GeometryRecord g;
    g.left = Val(NthField(s, sep, 1));
    g.top = Val(NthField(s, sep, 2));
    g.width = Val(NthField(s, sep, 3));
    g.height = Val(NthField(s, sep, 4));
    return g;
}

bool GeometryRecord::FitsScreen(int screenWidth, int screenHeight) const {
    return left < static_cast<double>(screenWidth) && left > -1.0 && top < static_cast<double>(screenHeight) &&
           top > -1.0;
}

qint32 GeometryRecord::LeftPixels() const {
    return DoubleToInt32(left);
}
qint32 GeometryRecord::TopPixels() const {
    return DoubleToInt32(top);
}
qint32 GeometryRecord::WidthPixels() const {
    return DoubleToInt32(width);
}
qint32 GeometryRecord::HeightPixels() const {
    return DoubleToInt32(height);
}
