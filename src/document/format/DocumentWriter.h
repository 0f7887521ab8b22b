#pragma once

#include <functional>
#include <memory>

#include "document/format/DocumentWriteResult.h"
#include "document/format/EntryRow.h"
#include "document/format/WindowPlacement.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

class BinaryStream;
class FolderItem;
class RC4;

// Writes a document: the version tag and the window's placement ahead of the first
// entry, then five field records per entry, all through one keystream. A table
// with no entry gives an empty file.
//
// Every cell is converted to MacRoman before anything is written; when one cannot
// be, nothing is created or changed and the first such cell is reported.
class DocumentWriter {
public:
    static constexpr const char* kTypeName = "Brimel Document";

    // Keys cipher with the password, creates file anew and writes rows 0 to
    // entryCount - 1 (all rows when entryCount < 0). On a failure the file keeps
    // its old content.
    static DocumentWriteResult WriteFile(const FolderItem& file, RC4& cipher, const QString& password,
                                         const std::vector<EntryRow>& rows, int entryCount,
                                         const WindowPlacement& placement);

    // The same, into *out instead of a file.
    static DocumentWriteResult WriteBytes(QByteArray* out, RC4& cipher, const QString& password,
                                          const std::vector<EntryRow>& rows, int entryCount,
                                          const WindowPlacement& placement);

private:
    // Opens the stream to write to, or gives nullptr with the reason in *error.
    using StreamOpener = std::function<std::unique_ptr<BinaryStream>(QString* error)>;
    static DocumentWriteResult Write(const StreamOpener& open, RC4& cipher, const QString& password,
                                     const std::vector<EntryRow>& rows, int entryCount,
                                     const WindowPlacement& placement);
    static DocumentWriteResult EncodeCells(const std::vector<EntryRow>& rows, int entryCount,
                                           std::vector<QByteArray>* cells);
    static bool WriteRecords(BinaryStream& stream, RC4& cipher, const std::vector<QByteArray>& cells,
                             const WindowPlacement& placement);
    // record: room for the enciphered text, used again for each record.
    static bool WriteRecord(BinaryStream& stream, RC4& cipher, QByteArrayView text, QByteArray* record);
    static DocumentWriteResult Finish(BinaryStream& stream, bool written);
};
