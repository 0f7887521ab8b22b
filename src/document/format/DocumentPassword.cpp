#include "document/format/DocumentPassword.h"

QByteArray DocumentPassword::KeyBytes(const QString& password) {
    return password.toUtf8();
}
