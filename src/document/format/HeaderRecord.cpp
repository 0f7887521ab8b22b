#include "document/format/HeaderRecord.h"

#include "framework/core/StrComp.h"

#include <QString>

DocumentFormat HeaderRecord::Classify(const QByteArray& text) {
    // Latin-1 maps each byte to one character, so only the exact bytes can match.
    const QString s = QString::fromLatin1(text);
    if (StrComp(s, QString::fromLatin1(kCheckPlaintext)) == 0)
        return DocumentFormat::Older;
    if (StrComp(s, QString::fromLatin1(kVersionTag)) == 0)
        return DocumentFormat::Current;
    return DocumentFormat::WrongPassword;
}
