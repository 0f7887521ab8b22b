#include "document/format/DocumentWriter.h"

#include "cipher/RC4.h"
#include "document/format/DocumentPassword.h"
#include "document/format/FieldRecord.h"
#include "document/format/GeometryRecord.h"
#include "document/format/HeaderRecord.h"
#include "framework/core/BinaryStream.h"
#include "framework/core/FolderItem.h"

#include <QBuffer>

#include <algorithm>
#include <memory>

namespace {

DocumentWriteResult writeFailed(const QString& reason) {
    DocumentWriteResult r;
    r.status = DocumentWriteResult::Status::WriteFailed;
    r.error = reason;
    return r;
}

}  // namespace

DocumentWriteResult DocumentWriter::WriteFile(const FolderItem& file, RC4& cipher, const QString& password,
                                              const std::vector<EntryRow>& rows, int entryCount,
                                              const WindowPlacement& placement) {
    const auto open = [&file](QString* error) { return file.CreateBinaryFile(QString::fromLatin1(kTypeName), error); };
    return Write(open, cipher, password, rows, entryCount, placement);
}

DocumentWriteResult DocumentWriter::WriteBytes(QByteArray* out, RC4& cipher, const QString& password,
                                               const std::vector<EntryRow>& rows, int entryCount,
                                               const WindowPlacement& placement) {
    QByteArray bytes;
    const auto open = [&bytes](QString* error) -> std::unique_ptr<BinaryStream> {
        auto buffer = std::make_unique<QBuffer>(&bytes);
        if (!buffer->open(QIODevice::WriteOnly)) {
            *error = buffer->errorString();
            return nullptr;
        }
        return std::make_unique<BinaryStream>(std::move(buffer));
    };
    const DocumentWriteResult result = Write(open, cipher, password, rows, entryCount, placement);
    if (result.ok())
        *out = bytes;
    return result;
}

DocumentWriteResult DocumentWriter::Write(const StreamOpener& open, RC4& cipher, const QString& password,
                                          const std::vector<EntryRow>& rows, int entryCount,
                                          const WindowPlacement& placement) {
    // Every cell is checked before anything is created, so a refusal leaves no file behind.
    std::vector<QByteArray> cells;
    DocumentWriteResult encoded = EncodeCells(rows, entryCount, &cells);
    if (!encoded.ok())
        return encoded;

    cipher.init(DocumentPassword::KeyBytes(password));
    QString error;
    std::unique_ptr<BinaryStream> stream = open(&error);
    if (!stream)
        return writeFailed(error);
    return Finish(*stream, WriteRecords(*stream, cipher, cells, placement));
}

DocumentWriteResult DocumentWriter::EncodeCells(const std::vector<EntryRow>& rows, int entryCount,
                                                std::vector<QByteArray>* cells) {
    const int count =
        entryCount < 0 ? static_cast<int>(rows.size()) : std::min(entryCount, static_cast<int>(rows.size()));
    cells->clear();
    cells->reserve(static_cast<size_t>(count) * kEntryColumnCount);
    for (int row = 0; row < count; ++row) {
        for (int col = 0; col < kEntryColumnCount; ++col) {
            QByteArray bytes;
            int bad = -1;
            if (!FieldRecord::Encode(rows[static_cast<size_t>(row)][static_cast<size_t>(col)], &bytes, &bad)) {
                DocumentWriteResult r;
                r.status = DocumentWriteResult::Status::UnencodableCell;
                r.row = row;
                r.column = static_cast<EntryColumn>(col);
                r.character = bad;
                cells->clear();
                return r;
            }
            cells->push_back(bytes);
        }
    }
    return {};
}

bool DocumentWriter::WriteRecords(BinaryStream& stream, RC4& cipher, const std::vector<QByteArray>& cells,
                                  const WindowPlacement& placement) {
    QByteArray record;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i == 0) {
            if (!WriteRecord(stream, cipher, HeaderRecord::kVersionTag, &record))
                return false;
            const QByteArray geometry =
                GeometryRecord::Text(placement.left, placement.top, placement.width, placement.height);
            if (!WriteRecord(stream, cipher, geometry, &record))
                return false;
        }
        if (!WriteRecord(stream, cipher, cells[i], &record))
            return false;
    }
    return true;
}

bool DocumentWriter::WriteRecord(BinaryStream& stream, RC4& cipher, QByteArrayView text, QByteArray* record) {
    cipher.crypt(text, record);
    return stream.WritePString(*record);
}

DocumentWriteResult DocumentWriter::Finish(BinaryStream& stream, bool written) {
    const QString generic = QStringLiteral("The document could not be written.");
    if (!written) {
        // Dropped without Close: a file being replaced keeps its old content.
        const QString reason = stream.ErrorString();
        return writeFailed(reason.isEmpty() ? generic : reason);
    }
    QString error;
    if (!stream.Close(&error))
        return writeFailed(error.isEmpty() ? generic : error);
    return {};
}
