#include "document/format/DocumentReader.h"

#include "cipher/RC4.h"
#include "document/format/DocumentPassword.h"
#include "document/format/FieldRecord.h"
#include "document/format/HeaderRecord.h"
#include "framework/core/BinaryStream.h"
#include "framework/core/FolderItem.h"

#include <memory>

DocumentReadResult DocumentReader::Read(BinaryStream& stream, RC4& cipher, const QString& password,
                                        std::vector<EntryRow> room, const EntryHook& onEntry) {
    const QString refusal = SizeRefusal(stream);
    if (!refusal.isEmpty())
        return Unreadable(refusal);
    cipher.init(DocumentPassword::KeyBytes(password));
    DocumentReadResult result;
    result.rows = std::move(room);
    result.rows.clear();
    result.format = HeaderRecord::Classify(ReadRecord(stream, cipher));
    if (result.format == DocumentFormat::Current) {
        result.geometry = GeometryRecord::Parse(ReadRecord(stream, cipher));
        result.hasGeometry = true;
    }
    if (result.opened() && !ReadEntries(stream, cipher, &result.rows, onEntry))
        return Unreadable(
            QStringLiteral("it holds more than %L1 entries, far more than any document.").arg(kMaxEntries));
    if (stream.HasError())
        return Unreadable(stream.ErrorString());
    return result;
}

DocumentReadResult DocumentReader::ReadFile(const FolderItem& file, RC4& cipher, const QString& password) {
    QString error;
    std::unique_ptr<BinaryStream> stream = file.OpenAsBinaryFile(&error);
    if (!stream)
        return Unreadable(error);
    return Read(*stream, cipher, password);
}

DocumentReadResult DocumentReader::ReadBytes(const QByteArray& bytes, RC4& cipher, const QString& password) {
    std::unique_ptr<BinaryStream> stream = BinaryStream::FromBytes(bytes);
    return Read(*stream, cipher, password);
}

QString DocumentReader::SizeRefusal(const BinaryStream& stream) {
    if (stream.Length() <= kMaxBytes)
        return QString();
    return QStringLiteral("it is larger than %1 MB, far larger than any document.").arg(kMaxBytes / (1024 * 1024));
}

DocumentReadResult DocumentReader::Unreadable(const QString& reason) {
    DocumentReadResult result;
    result.format = DocumentFormat::Unreadable;
    result.error = reason;
    return result;
}

bool DocumentReader::ReadEntries(BinaryStream& stream, RC4& cipher, std::vector<EntryRow>* rows,
                                 const EntryHook& onEntry) {
    QByteArray record;
    while (!stream.EndOfFile()) {
        if (rows->size() == size_t(kMaxEntries))
            return false;
        rows->push_back(ReadEntry(stream, cipher, &record));
        if (onEntry)
            onEntry(rows->back());
    }
    return true;
}

QByteArray DocumentReader::ReadRecord(BinaryStream& stream, RC4& cipher) {
    QByteArray text;
    cipher.crypt(stream.NextPString(), &text);
    return text;
}

EntryRow DocumentReader::ReadEntry(BinaryStream& stream, RC4& cipher, QByteArray* record) {
    EntryRow row;
    for (QString& cell : row) {
        // Deciphered from the stream's buffer, and decoded from there.
        cipher.crypt(stream.NextPString(), record);
        cell = FieldRecord::Decode(*record);
    }
    return row;
}
