#include "document/format/DocumentReader.h"

#include "cipher/RC4.h"
#include "document/format/DocumentWriter.h"
#include "RecordEncoder.h"
#include "framework/core/BinaryStream.h"
#include "framework/core/FolderItem.h"
#include "support/ConverterMacRoman.h"
#include "support/FailingDevice.h"
#include "support/TricklingDevice.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <vector>

#include <unistd.h>

namespace {

const QString kPassword = QString::fromUtf8("p\xC3\xA4ssword");

QByteArray key() {
    return kPassword.toUtf8();
}

EntryRow row(const QString& title, const QString& url = {}, const QString& user = {}, const QString& pw = {},
             const QString& notes = {}) {
    return {title, url, user, pw, notes};
}

DocumentReadResult readBytes(const QByteArray& bytes, const QString& password = kPassword) {
    RC4 cipher;
    return DocumentReader::ReadBytes(bytes, cipher, password);
}

TEST(DocumentReader, ReadsBackWhatWriterWrote) {
    const std::vector<EntryRow> rows = {
        row(QString::fromUtf8("Caf\xC3\xA9"), "https://x.example/?a=1*2", "me\tyou", "pa\rss\n",
            QString::fromUtf8("\xE2\x82\xAC \xE2\x84\xA2")),
        row("", "", "", "", ""),
        row(QString(255, QChar(u'z')), "*", "", "", QString(255, QChar(0x00E9))),
    };
    RC4 wcipher;
    QByteArray doc;
    ASSERT_TRUE(DocumentWriter::WriteBytes(&doc, wcipher, kPassword, rows, -1, {12, 34, 567, 890}).ok());

    const DocumentReadResult r = readBytes(doc);
    EXPECT_EQ(r.format, DocumentFormat::Current);
    ASSERT_TRUE(r.hasGeometry);
    EXPECT_EQ(r.geometry.LeftPixels(), 12);
    EXPECT_EQ(r.geometry.TopPixels(), 34);
    EXPECT_EQ(r.geometry.WidthPixels(), 567);
    EXPECT_EQ(r.geometry.HeightPixels(), 890);
    EXPECT_EQ(r.rows, rows);
}

TEST(DocumentReader, OlderFormatHasNoGeometryAndEntriesFollowHeader) {
    const QByteArray doc =
        testdoc::encodeRecords(key(), {"VUZIZEREV", "Title1", "url", "user", "pw",
                                       testdoc::macRoman(QString::fromUtf8("n\xC3\xBC")), "Title2", "", "", "", ""});
    const DocumentReadResult r = readBytes(doc);
    EXPECT_EQ(r.format, DocumentFormat::Older);
    EXPECT_FALSE(r.hasGeometry);
    const std::vector<EntryRow> expected = {row("Title1", "url", "user", "pw", QString::fromUtf8("n\xC3\xBC")),
                                            row("Title2")};
    EXPECT_EQ(r.rows, expected);
}

TEST(DocumentReader, HeaderDecidesFormat) {
    struct Case {
        QByteArray header;
        DocumentFormat format;
    };
    const Case cases[] = {
        {"BRIMEL141", DocumentFormat::Current},        {"VUZIZEREV", DocumentFormat::Older},
        {"brimel141", DocumentFormat::WrongPassword},  {"BRIMEL14", DocumentFormat::WrongPassword},
        {"BRIMEL1410", DocumentFormat::WrongPassword}, {QByteArray("BRIMEL141\0", 10), DocumentFormat::WrongPassword},
        {"", DocumentFormat::WrongPassword},
    };
    for (const Case& c : cases) {
        const DocumentReadResult r =
            readBytes(testdoc::encodeRecords(key(), {c.header, "1*2*3*4", "t", "", "", "", ""}));
        EXPECT_EQ(r.format, c.format) << c.header.toStdString();
        if (r.format == DocumentFormat::WrongPassword) {
            EXPECT_TRUE(r.rows.empty());
        }
    }
}

TEST(DocumentReader, WrongPasswordIsRefused) {
    const QByteArray doc = testdoc::encodeRecords(key(), {"BRIMEL141", "1*2*3*4", "t", "", "", "", ""});
    for (const QString& wrong : {QString("password"), QString::fromUtf8("P\xC3\xA4ssword"), QString()}) {
        const DocumentReadResult r = readBytes(doc, wrong);
        EXPECT_EQ(r.format, DocumentFormat::WrongPassword) << wrong.toStdString();
        EXPECT_FALSE(r.opened());
    }
}

TEST(DocumentReader, EmptyFileIsRefusedAsWrongPassword) {
    EXPECT_EQ(readBytes(QByteArray()).format, DocumentFormat::WrongPassword);
}

TEST(DocumentReader, FileEndingAfterHeaderHasEmptyGeometryAndNoEntries) {
    const DocumentReadResult r = readBytes(testdoc::encodeRecords(key(), {"BRIMEL141"}));
    EXPECT_EQ(r.format, DocumentFormat::Current);
    ASSERT_TRUE(r.hasGeometry);
    EXPECT_EQ(r.geometry.left, 0.0);
    EXPECT_EQ(r.geometry.top, 0.0);
    EXPECT_EQ(r.geometry.width, 0.0);
    EXPECT_EQ(r.geometry.height, 0.0);
    EXPECT_TRUE(r.geometry.FitsScreen(1920, 1080));
    EXPECT_TRUE(r.rows.empty());
}

TEST(DocumentReader, TruncatedLastEntryKeepsItsMissingFieldsEmpty) {
    const std::vector<QByteArray> texts = {"BRIMEL141", "1*2*3*4", "a", "b", "c", "d", "e", "Last", "url"};
    const DocumentReadResult r = readBytes(testdoc::encodeRecords(key(), texts));
    const std::vector<EntryRow> expected = {row("a", "b", "c", "d", "e"), row("Last", "url")};
    EXPECT_EQ(r.rows, expected);
}

TEST(DocumentReader, RecordCutShortByEndReadsEmpty) {
    const QByteArray full =
        testdoc::encodeRecords(key(), {"BRIMEL141", "1*2*3*4", "a", "b", "c", "d", "e", "Title", "a longer url"});
    // Cut inside the url record's body, then right after its length byte.
    for (int cut : {5, 12}) {
        const DocumentReadResult r = readBytes(full.left(full.size() - cut));
        const std::vector<EntryRow> expected = {row("a", "b", "c", "d", "e"), row("Title")};
        EXPECT_EQ(r.rows, expected) << cut;
    }
}

TEST(DocumentReader, GeometryCutShortReadsEmpty) {
    // Geometry record claims 40 bytes but the file ends after 3: no entries follow.
    QByteArray doc = testdoc::encodeRecords(key(), {"BRIMEL141"});
    doc.append(char(40)).append("abc");
    const DocumentReadResult r = readBytes(doc);
    EXPECT_EQ(r.format, DocumentFormat::Current);
    EXPECT_TRUE(r.rows.empty());
    EXPECT_EQ(r.geometry.left, 0.0);
}

TEST(DocumentReader, ReadsEveryEntryBeyondTableSize) {
    const int count = 10050;
    std::vector<QByteArray> texts = {"BRIMEL141", "0*0*100*100"};
    for (int i = 0; i < count; ++i) {
        texts.push_back(QByteArray::number(i));
        for (int c = 1; c < kEntryColumnCount; ++c)
            texts.push_back(QByteArray());
    }
    const DocumentReadResult r = readBytes(testdoc::encodeRecords(key(), texts));
    ASSERT_EQ(r.rows.size(), static_cast<size_t>(count));
    EXPECT_EQ(r.rows.front()[0], "0");
    EXPECT_EQ(r.rows.back()[0], QString::number(count - 1));
}

TEST(DocumentReader, EveryByteValueDecodesAndRoundTrips) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(static_cast<char>(b));
    const DocumentReadResult r =
        readBytes(testdoc::encodeRecords(key(), {"VUZIZEREV", all, QByteArray(1, '\0'), "", "", ""}));
    ASSERT_EQ(r.rows.size(), 1u);
    RC4 wcipher;
    QByteArray doc;
    ASSERT_TRUE(DocumentWriter::WriteBytes(&doc, wcipher, kPassword, r.rows, -1, {}).ok());
    EXPECT_EQ(readBytes(doc).rows, r.rows);
    EXPECT_EQ(r.rows[0][0].size(), 255);
}

// A disk that fails after any byte of a document: the open ends with the
// system's reason and no entry, never with a document read in part (which a
// later save would make the only copy), nor with "Wrong Password!".
TEST(DocumentReader, AReadErrorAnywhereGivesTheReasonAndNoEntry) {
    const std::vector<QByteArray> entries = {"Bank", "https://b.example", "anna", "s3cret", "PIN", "Mail", "", "", "",
                                             ""};
    std::vector<QByteArray> current = {"BRIMEL141", "40*60*639*376"};
    current.insert(current.end(), entries.begin(), entries.end());
    std::vector<QByteArray> older = {"VUZIZEREV"};
    older.insert(older.end(), entries.begin(), entries.end());
    const struct {
        const char* name;
        QByteArray file;
        QString password;
        DocumentFormat whole;
        qint64 read;  // the bytes read to tell it: a wrong password shows in the header
    } cases[] = {
        {"current", testdoc::encodeRecords(key(), current), kPassword, DocumentFormat::Current, -1},
        {"older", testdoc::encodeRecords(key(), older), kPassword, DocumentFormat::Older, -1},
        {"wrong password", testdoc::encodeRecords(key(), current), "other", DocumentFormat::WrongPassword, 10},
    };
    for (const auto& c : cases) {
        for (qint64 limit = 0; limit <= c.file.size(); ++limit) {
            BinaryStream stream(
                std::make_unique<FailingDevice>(limit, QIODevice::ReadOnly, c.file, "Input/output error"));
            RC4 cipher;
            const DocumentReadResult r = DocumentReader::Read(stream, cipher, c.password);
            if (limit >= (c.read < 0 ? c.file.size() : c.read)) {
                EXPECT_EQ(r.format, c.whole) << c.name;
                EXPECT_EQ(r.rows.size(), c.whole == DocumentFormat::WrongPassword ? 0u : 2u) << c.name;
                continue;
            }
            EXPECT_EQ(r.format, DocumentFormat::Unreadable) << c.name << " " << limit;
            EXPECT_EQ(r.error, "Input/output error") << c.name << " " << limit;
            EXPECT_TRUE(r.rows.empty()) << c.name << " " << limit;
        }
    }
}

// A document of the given number of entries, made by the tests' own encoder:
// fields of every length from 0 to 255 bytes and every byte value, so that
// records lie across the boundaries of any blocks a reader takes. *expected
// gets its entries, as the converter decodes them.
QByteArray ManyFieldsDocument(int entries, std::vector<EntryRow>* expected) {
    std::vector<QByteArray> texts = {"BRIMEL141", "10*20*300*400"};
    expected->clear();
    for (int i = 0; i < entries; ++i) {
        EntryRow entry;
        for (int c = 0; c < kEntryColumnCount; ++c) {
            QByteArray field((i * 7 + c * 53) % 256, Qt::Uninitialized);
            for (qsizetype k = 0; k < field.size(); ++k)
                field[k] = char((i * 31 + c * 17 + k * 11) & 0xFF);
            texts.push_back(field);
            entry[size_t(c)] = ConverterMacRoman(field);
        }
        expected->push_back(entry);
    }
    return testdoc::encodeRecords(key(), texts);
}

// Documents of several sizes read from a file and through a device that gives
// a few bytes at a time: every entry as it was put in.
TEST(DocumentReaderFile, DocumentsOfManySizesReadBackWhateverTheirReads) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("many.brimel");
    for (const int entries : {1, 2, 97, 1500}) {
        std::vector<EntryRow> expected;
        const QByteArray file = ManyFieldsDocument(entries, &expected);
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_EQ(f.write(file), file.size());
        }
        RC4 cipher;
        const DocumentReadResult fromFile = DocumentReader::ReadFile(FolderItem(path), cipher, kPassword);
        EXPECT_EQ(fromFile.format, DocumentFormat::Current) << entries;
        EXPECT_EQ(fromFile.rows, expected) << entries;
        BinaryStream slow(std::make_unique<TricklingDevice>(file, 97));
        const DocumentReadResult trickled = DocumentReader::Read(slow, cipher, kPassword);
        EXPECT_EQ(trickled.rows, expected) << entries;
    }
}

// Read into a table that has room already (a window's own), the entries are
// the document's alone: none of the table's rows is left over, and a document
// with more entries than rows gets them all.
TEST(DocumentReader, ReadingIntoATableLeavesNoneOfItsRows) {
    const EntryRow stale = row("stale", "u", "n", "p", "x");
    for (const int entries : {0, 2, 7}) {
        std::vector<EntryRow> expected;
        const QByteArray file = ManyFieldsDocument(entries, &expected);
        RC4 cipher;
        const DocumentReadResult r =
            DocumentReader::Read(*BinaryStream::FromBytes(file), cipher, kPassword, std::vector<EntryRow>(5, stale));
        EXPECT_EQ(r.format, DocumentFormat::Current) << entries;
        EXPECT_EQ(r.rows, expected) << entries;
    }
}

// Each entry is handed on as soon as it is read, in file order: the very
// texts the table then holds, so that what is learnt of them stays theirs.
TEST(DocumentReader, EachEntryIsHandedOnAsItIsRead) {
    std::vector<EntryRow> expected;
    const QByteArray file = ManyFieldsDocument(300, &expected);
    std::vector<EntryRow> seen;
    std::vector<const QChar*> seenTitles;
    RC4 cipher;
    const DocumentReadResult r =
        DocumentReader::Read(*BinaryStream::FromBytes(file), cipher, kPassword, {}, [&](const EntryRow& entry) {
            seen.push_back(entry);
            seenTitles.push_back(entry[0].constData());
        });
    EXPECT_EQ(seen, expected);
    ASSERT_EQ(r.rows, expected);
    for (std::size_t i = 0; i < r.rows.size(); ++i)
        EXPECT_EQ(seenTitles[i], r.rows[i][0].constData()) << i;
}

// A disk that fails inside a large document, within a block or at its edge:
// the open ends with the reason and no entry.
TEST(DocumentReader, AReadErrorInsideALargeDocumentGivesTheReasonAndNoEntry) {
    std::vector<EntryRow> expected;
    const QByteArray file = ManyFieldsDocument(1500, &expected);
    std::vector<qint64> limits;
    for (qint64 block = 4096; block < file.size(); block *= 2)
        for (qint64 delta : {-1, 0, 1})
            limits.push_back(block + delta);
    for (qint64 limit = 5; limit < file.size(); limit += 65521)
        limits.push_back(limit);
    for (const qint64 limit : limits) {
        BinaryStream stream(std::make_unique<FailingDevice>(limit, QIODevice::ReadOnly, file, "Input/output error"));
        RC4 cipher;
        const DocumentReadResult r = DocumentReader::Read(stream, cipher, kPassword);
        EXPECT_EQ(r.format, DocumentFormat::Unreadable) << limit;
        EXPECT_EQ(r.error, "Input/output error") << limit;
        EXPECT_TRUE(r.rows.empty()) << limit;
    }
}

// Every record of no more than its length byte is an empty entry field: a
// file of zeros after the header would read as millions of entries. The count
// stops far beyond any document.
TEST(DocumentReader, MoreEntriesThanAnyDocumentHoldsAreRefused) {
    QByteArray file = testdoc::encodeRecords(key(), {"BRIMEL141", "0*0*639*376"});
    file.append(QByteArray(qsizetype(DocumentReader::kMaxEntries) * kEntryColumnCount, '\0'));
    EXPECT_EQ(readBytes(file).rows.size(), size_t(DocumentReader::kMaxEntries));

    file.append('\0');
    const DocumentReadResult r = readBytes(file);
    EXPECT_EQ(r.format, DocumentFormat::Unreadable);
    EXPECT_TRUE(r.error.contains("entries")) << r.error.toStdString();
    EXPECT_TRUE(r.rows.empty());
}

TEST(DocumentReaderFile, ReadsFileAndReportsUnreadableOne) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("doc.brimel");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(testdoc::encodeRecords(key(), {"BRIMEL141", "5*6*7*8", "t", "u", "n", "p", "x"}));
    }
    RC4 cipher;
    const DocumentReadResult r = DocumentReader::ReadFile(FolderItem(path), cipher, kPassword);
    EXPECT_EQ(r.format, DocumentFormat::Current);
    EXPECT_EQ(r.rows, std::vector<EntryRow>{row("t", "u", "n", "p", "x")});

    const DocumentReadResult missing = DocumentReader::ReadFile(FolderItem(dir.filePath("none")), cipher, kPassword);
    EXPECT_EQ(missing.format, DocumentFormat::Unreadable);
    EXPECT_FALSE(missing.error.isEmpty());
}

// Judged by its size alone, before anything is read: a sparse file takes no room.
TEST(DocumentReaderFile, AFileLargerThanAnyDocumentIsRefusedUnread) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("huge.brimel");
    for (const qint64 size : {DocumentReader::kMaxBytes, DocumentReader::kMaxBytes + 1}) {
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(testdoc::encodeRecords(key(), {"BRIMEL141", "5*6*7*8", "t", "u", "n", "p", "x"}));
            ASSERT_TRUE(f.resize(size));
        }
        auto stream = FolderItem(path).OpenAsBinaryFile();
        ASSERT_NE(stream, nullptr);
        const QString refusal = DocumentReader::SizeRefusal(*stream);
        RC4 cipher;
        const DocumentReadResult r = DocumentReader::ReadFile(FolderItem(path), cipher, kPassword);
        if (size == DocumentReader::kMaxBytes) {
            EXPECT_EQ(refusal, QString());
            continue;
        }
        EXPECT_TRUE(refusal.contains("256 MB")) << refusal.toStdString();
        EXPECT_EQ(r.format, DocumentFormat::Unreadable);
        EXPECT_EQ(r.error, refusal);
    }
}

TEST(DocumentReaderFile, FixtureDocumentsOpen) {
    // Small documents kept as files, written once with password "fixture".
    struct Case {
        const char* file;
        DocumentFormat format;
        size_t entries;
    };
    for (const Case c : {Case{"current-2-entries.brimel", DocumentFormat::Current, 2},
                         Case{"older-1-entry.brimel", DocumentFormat::Older, 1}}) {
        RC4 cipher;
        const DocumentReadResult r =
            DocumentReader::ReadFile(FolderItem(QString(BRIMEL_TEST_DATA "/") + c.file), cipher, "fixture");
        EXPECT_EQ(r.format, c.format) << c.file;
        EXPECT_EQ(r.rows.size(), c.entries) << c.file;
        if (!r.rows.empty()) {
            EXPECT_EQ(r.rows[0][0], QString::fromUtf8("Caf\xC3\xA9")) << c.file;
        }
        if (c.entries == 2) {
            EXPECT_EQ(r.geometry.LeftPixels(), 40);
            EXPECT_EQ(r.rows[0][4], "line1\rline2");
            EXPECT_EQ(r.rows[1][3], QString::fromUtf8("\xE2\x82\xAC"
                                                      "5"));
        }
    }
}

}  // namespace
