// Feeds arbitrary bytes to the document reader. The first byte picks how:
//   0: the rest is the whole file;
//   1: the rest follows a correctly enciphered current-format header;
//   2: the rest follows a correctly enciphered older-format header.
// Whatever opens must also survive being written and read back unchanged.

#include "cipher/RC4.h"
#include "document/format/DocumentReader.h"
#include "document/format/DocumentWriter.h"
#include "document/format/HeaderRecord.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const QString kPassword = QStringLiteral("fuzz");

QByteArray headerPrefix(const char* tag, RC4& cipher) {
    QByteArray prefix;
    const QByteArray text = cipher.crypt(tag);
    prefix.append(static_cast<char>(text.size()));
    prefix.append(text);
    return prefix;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int mode = size == 0 ? 0 : data[0] % 3;
    const QByteArray rest = size == 0
                                ? QByteArray()
                                : QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    QByteArray file;
    if (mode == 0) {
        file = rest;
    } else {
        // The reader deciphers the rest with the keystream that follows the header.
        RC4 cipher;
        cipher.init(kPassword.toUtf8());
        file = headerPrefix(mode == 1 ? HeaderRecord::kVersionTag : HeaderRecord::kCheckPlaintext, cipher) + rest;
    }

    RC4 reader;
    const DocumentReadResult read = DocumentReader::ReadBytes(file, reader, kPassword);
    if (mode == 1)
        check(read.format == DocumentFormat::Current);
    if (mode == 2)
        check(read.format == DocumentFormat::Older);
    if (!read.opened()) {
        check(read.rows.empty());
        return 0;
    }
    for (const EntryRow& row : read.rows)
        for (const QString& cell : row)
            check(cell.size() <= 255);

    RC4 writer;
    QByteArray saved;
    const WindowPlacement placement{read.geometry.LeftPixels(), read.geometry.TopPixels(), read.geometry.WidthPixels(),
                                    read.geometry.HeightPixels()};
    check(DocumentWriter::WriteBytes(&saved, writer, kPassword, read.rows, -1, placement).ok());
    RC4 again;
    const DocumentReadResult reread = DocumentReader::ReadBytes(saved, again, kPassword);
    if (read.rows.empty()) {
        check(saved.isEmpty());
        return 0;
    }
    check(reread.format == DocumentFormat::Current);
    check(reread.rows == read.rows);
    check(reread.geometry.LeftPixels() == placement.left && reread.geometry.HeightPixels() == placement.height);
    return 0;
}
