#pragma once

#include <QByteArray>
#include <QString>

// The text of one cell as stored: MacRoman bytes, at most 255 of them, with nothing
// escaped or terminated.
class FieldRecord {
public:
    static constexpr int kMaxBytes = 255;

    // The cell in MacRoman, cut to 255 bytes (one byte per character, so no
    // character is split). False, with *firstBadChar set, when some character of
    // the cell has no MacRoman form.
    static bool Encode(const QString& cell, QByteArray* out, int* firstBadChar = nullptr);

    static QString Decode(const QByteArray& bytes);
};
