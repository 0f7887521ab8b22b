#include "document/format/FieldRecord.h"

#include "framework/core/MacRoman.h"

bool FieldRecord::Encode(const QString& cell, QByteArray* out, int* firstBadChar) {
    if (!MacRoman::Encode(cell, out, firstBadChar))
        return false;
    if (out->size() > kMaxBytes)
        out->truncate(kMaxBytes);
    return true;
}

QString FieldRecord::Decode(const QByteArray& bytes) {
    return MacRoman::Decode(bytes);
}
