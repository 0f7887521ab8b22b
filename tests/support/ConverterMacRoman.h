#pragma once

#include <QByteArray>
#include <QString>

#include <unicode/ucnv.h>

#include <memory>

// MacRoman bytes as ICU's "macintosh" converter decodes them, one call per
// text: the tests' own reference, independent of the code under test.
inline QString ConverterMacRoman(const QByteArray& bytes) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, void (*)(UConverter*)> converter(ucnv_open("macintosh", &status), ucnv_close);
    if (U_FAILURE(status))
        return QStringLiteral("(no converter)");
    QString text(bytes.size() + 1, Qt::Uninitialized);
    const int32_t n = ucnv_toUChars(converter.get(), reinterpret_cast<UChar*>(text.data()), int32_t(text.size()),
                                    bytes.constData(), int32_t(bytes.size()), &status);
    if (U_FAILURE(status))
        return QStringLiteral("(not converted)");
    text.resize(n);
    return text;
}
