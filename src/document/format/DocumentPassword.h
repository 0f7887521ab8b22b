#pragma once

#include <QByteArray>
#include <QString>

// The bytes that key a document's cipher.
class DocumentPassword {
public:
    // The password's UTF-8 form, as text fields on the platform the format comes
    // from gave it, so that documents made there open here.
    static QByteArray KeyBytes(const QString& password);
};
