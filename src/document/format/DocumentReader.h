#pragma once

#include "document/format/DocumentReadResult.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class BinaryStream;
class FolderItem;
class RC4;

// Reads a document: keys the cipher with the password, tells the format from the
// first record, reads the geometry (current format) and then entries of five field
// records until the end of the file. The end is tested only before each entry; a
// record missing at the end, or cut short by it, reads as an empty text, so a
// truncated last entry keeps its remaining fields empty. Every entry is returned.
//
// A read that fails, or a file beyond the limits below, gives Unreadable with the
// reason and no entry: never a document read in part, which a later save would
// make the only copy.
class DocumentReader {
public:
    // Far beyond any document: 100,000 entries with every field full weigh
    // 128 MB, and an entry takes at least 5 bytes.
    static constexpr qint64 kMaxBytes = qint64(256) * 1024 * 1024;
    static constexpr int kMaxEntries = 1000000;

    // Called with each entry as soon as it is read, while its texts are still
    // in the processor's cache: what is learnt of them then costs no second
    // pass over the document.
    using EntryHook = std::function<void(const EntryRow& entry)>;

    // room: a table whose storage the entries are read into (its rows are
    // dropped), so that a window's empty table takes them and no second one
    // is made.
    static DocumentReadResult Read(BinaryStream& stream, RC4& cipher, const QString& password,
                                   std::vector<EntryRow> room = {}, const EntryHook& onEntry = {});

    // Unreadable, with the reason, when the file cannot be opened.
    static DocumentReadResult ReadFile(const FolderItem& file, RC4& cipher, const QString& password);

    static DocumentReadResult ReadBytes(const QByteArray& bytes, RC4& cipher, const QString& password);

    // Why the stream cannot hold a document, judged by its size alone; "" when
    // it may. Read checks it too; callers ask it before asking for a password.
    static QString SizeRefusal(const BinaryStream& stream);

private:
    static DocumentReadResult Unreadable(const QString& reason);
    // False when there are more entries than kMaxEntries.
    static bool ReadEntries(BinaryStream& stream, RC4& cipher, std::vector<EntryRow>* rows, const EntryHook& onEntry);
    static QByteArray ReadRecord(BinaryStream& stream, RC4& cipher);
    // record: room for one record, used again for each.
    static EntryRow ReadEntry(BinaryStream& stream, RC4& cipher, QByteArray* record);
};
