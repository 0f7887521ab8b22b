#pragma once

#include "document/format/DocumentReadResult.h"

#include <QByteArray>
#include <QString>

class BinaryStream;
class FolderItem;
class RC4;

// Reads a document: keys the cipher with the password, tells the format from the
// first record, reads the geometry (current format) and then entries of five field
// records until the end of the file. The end is tested only before each entry; a
// record missing at the end, or cut short by it, reads as an empty text, so a
// truncated last entry keeps its remaining fields empty. Every entry is returned.
class DocumentReader {
public:
    static DocumentReadResult Read(BinaryStream& stream, RC4& cipher, const QString& password);

    // Unreadable, with the reason, when the file cannot be opened.
    static DocumentReadResult ReadFile(const FolderItem& file, RC4& cipher, const QString& password);

    static DocumentReadResult ReadBytes(const QByteArray& bytes, RC4& cipher, const QString& password);

private:
    static QByteArray ReadRecord(BinaryStream& stream, RC4& cipher);
    static EntryRow ReadEntry(BinaryStream& stream, RC4& cipher);
};
