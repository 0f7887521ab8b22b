#include "document/format/DocumentReader.h"

#include "cipher/RC4.h"
#include "document/format/DocumentPassword.h"
#include "document/format/FieldRecord.h"
#include "document/format/HeaderRecord.h"
#include "framework/core/BinaryStream.h"
#include "framework/core/FolderItem.h"

#include <memory>

DocumentReadResult DocumentReader::Read(BinaryStream& stream, RC4& cipher, const QString& password) {
    cipher.init(DocumentPassword::KeyBytes(password));
    DocumentReadResult result;
    result.format = HeaderRecord::Classify(ReadRecord(stream, cipher));
    if (result.format == DocumentFormat::WrongPassword)
        return result;
    if (result.format == DocumentFormat::Current) {
        result.geometry = GeometryRecord::Parse(ReadRecord(stream, cipher));
        result.hasGeometry = true;
    }
    while (!stream.EndOfFile())
        result.rows.push_back(ReadEntry(stream, cipher));
    return result;
}

DocumentReadResult DocumentReader::ReadFile(const FolderItem& file, RC4& cipher, const QString& password) {
    QString error;
    std::unique_ptr<BinaryStream> stream = file.OpenAsBinaryFile(&error);
    if (!stream) {
        DocumentReadResult result;
        result.format = DocumentFormat::Unreadable;
        result.error = error;
        return result;
    }
    return Read(*stream, cipher, password);
}

DocumentReadResult DocumentReader::ReadBytes(const QByteArray& bytes, RC4& cipher, const QString& password) {
    std::unique_ptr<BinaryStream> stream = BinaryStream::FromBytes(bytes);
    return Read(*stream, cipher, password);
}

QByteArray DocumentReader::ReadRecord(BinaryStream& stream, RC4& cipher) {
    return cipher.crypt(stream.ReadPString());
}

EntryRow DocumentReader::ReadEntry(BinaryStream& stream, RC4& cipher) {
    EntryRow row;
    for (QString& cell : row)
        cell = FieldRecord::Decode(ReadRecord(stream, cipher));
    return row;
}
