#pragma once

#include "document/format/DocumentFormat.h"

#include <QByteArray>

// The first record of a document: at once the password check and the format version.
class HeaderRecord {
public:
    static constexpr const char* kVersionTag = "BRIMEL141";
    static constexpr const char* kCheckPlaintext = "VUZIZEREV";

    // The format named by a deciphered header text; WrongPassword for any other text.
    static DocumentFormat Classify(const QByteArray& text);
};
