#include "document/format/DocumentWriter.h"

#include "cipher/RC4.h"
#include "RecordEncoder.h"
#include "framework/core/FolderItem.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

namespace {

const QString kPassword = QStringLiteral("s3cret");
const WindowPlacement kPlacement{40, 60, 639, 376};

EntryRow row(const char* title, const char* url = "", const char* user = "", const char* pw = "",
             const char* notes = "") {
    return {QString::fromUtf8(title), QString::fromUtf8(url), QString::fromUtf8(user), QString::fromUtf8(pw),
            QString::fromUtf8(notes)};
}

QByteArray writeBytes(const std::vector<EntryRow>& rows, const WindowPlacement& placement = kPlacement,
                      const QString& password = kPassword) {
    RC4 cipher;
    QByteArray out;
    const DocumentWriteResult r = DocumentWriter::WriteBytes(&out, cipher, password, rows, -1, placement);
    EXPECT_TRUE(r.ok()) << r.error.toStdString();
    return out;
}

// Splits a document into its records' (clear length, enciphered body) pairs.
std::vector<QByteArray> recordBodies(const QByteArray& doc) {
    std::vector<QByteArray> bodies;
    for (int pos = 0; pos < doc.size();) {
        const int n = static_cast<unsigned char>(doc[pos]);
        bodies.push_back(doc.mid(pos + 1, n));
        pos += 1 + n;
    }
    return bodies;
}

std::vector<QByteArray> expectedTexts(const std::vector<EntryRow>& rows, const QByteArray& geometry) {
    std::vector<QByteArray> texts;
    if (rows.empty())
        return texts;
    texts.push_back("BRIMEL141");
    texts.push_back(geometry);
    for (const EntryRow& r : rows)
        for (const QString& cell : r)
            texts.push_back(testdoc::macRoman(cell));
    return texts;
}

TEST(DocumentWriter, BytesEqualIndependentEncoder) {
    const QString long255 = QString(254, QChar(u'x')) + QChar(0x2122);
    const std::vector<EntryRow> rows = {
        row("Bank", "https://bank.example", "me", "pa*ss", "line1\rline2\nline3\ttab"),
        row("", "", "", "", ""),
        row("Caf\xC3\xA9", "",
            "\xE2\x82\xAC"
            "uro",
            "", "\xE2\x84\xA2 mark"),
        {long255, long255, QString(), QStringLiteral("*"), QStringLiteral("\t\r\n")},
        row("last"),
    };
    const QByteArray expected = testdoc::encodeRecords(kPassword.toUtf8(), expectedTexts(rows, "40*60*639*376"));
    EXPECT_EQ(writeBytes(rows), expected);
}

TEST(DocumentWriter, NegativePlacementIsWrittenWithMinusSigns) {
    const std::vector<EntryRow> rows = {row("a")};
    const WindowPlacement p{-1200, -5, 2147483647, -2147483647 - 1};
    const QByteArray expected =
        testdoc::encodeRecords(kPassword.toUtf8(), expectedTexts(rows, "-1200*-5*2147483647*-2147483648"));
    EXPECT_EQ(writeBytes(rows, p), expected);
}

TEST(DocumentWriter, RecordCountIsTwoPlusFivePerEntry) {
    struct Case {
        int entries;
        size_t records;
    };
    for (const Case c : {Case{1, 7}, Case{3, 17}}) {
        std::vector<EntryRow> rows(static_cast<size_t>(c.entries), row("t", "u", "n", "p", "x"));
        EXPECT_EQ(recordBodies(writeBytes(rows)).size(), c.records) << c.entries;
    }
}

TEST(DocumentWriter, NoEntriesGivesEmptyFile) {
    EXPECT_TRUE(writeBytes({}).isEmpty());
}

TEST(DocumentWriter, EntryCountLimitsRowsWritten) {
    std::vector<EntryRow> table(10, row("x"));
    table[0] = row("first");
    table[1] = row("second");
    RC4 cipher;
    QByteArray limited;
    ASSERT_TRUE(DocumentWriter::WriteBytes(&limited, cipher, kPassword, table, 2, kPlacement).ok());
    EXPECT_EQ(limited, writeBytes({row("first"), row("second")}));
}

TEST(DocumentWriter, EmptyCellsUseNoKeystream) {
    const QByteArray doc = writeBytes({row("A", "", "", "", "B")});
    const std::vector<QByteArray> bodies = recordBodies(doc);
    ASSERT_EQ(bodies.size(), 7u);
    for (int i : {3, 4, 5})
        EXPECT_TRUE(bodies[static_cast<size_t>(i)].isEmpty());
    // "B" is enciphered with the keystream byte right after "A"'s.
    const QByteArray stream = testdoc::encodeRecords(kPassword.toUtf8(), {"BRIMEL14140*60*639*376AB"});
    EXPECT_EQ(bodies[6], stream.right(1));
}

TEST(DocumentWriter, SameInputGivesIdenticalBytes) {
    const std::vector<EntryRow> rows = {row("a", "b", "c", "d", "e"), row("f")};
    EXPECT_EQ(writeBytes(rows), writeBytes(rows));
}

TEST(DocumentWriter, LongerGeometryTextShiftsEveryLaterRecord) {
    const std::vector<EntryRow> rows = {row("Title", "URL", "User", "Password", "Notes"), row("Title")};
    const std::vector<QByteArray> at9 = recordBodies(writeBytes(rows, {9, 60, 639, 376}));
    const std::vector<QByteArray> at10 = recordBodies(writeBytes(rows, {10, 60, 639, 376}));
    ASSERT_EQ(at9.size(), at10.size());
    EXPECT_EQ(at9[0], at10[0]);
    for (size_t i = 2; i < at9.size(); ++i) {
        if (at9[i].isEmpty())
            continue;
        EXPECT_EQ(at9[i].size(), at10[i].size());
        EXPECT_NE(at9[i], at10[i]) << "record " << i;
    }
}

TEST(DocumentWriter, CellOverLimitIsCutTo255Bytes) {
    const QString tooLong = QString(300, QChar(0x00E9));
    const std::vector<QByteArray> bodies = recordBodies(writeBytes({{tooLong, "", "", "", ""}}));
    ASSERT_EQ(bodies.size(), 7u);
    EXPECT_EQ(bodies[2].size(), 255);
}

struct UnencodableCase {
    const char* name;
    int row;
    EntryColumn column;
    QString text;
    int character;
};

class DocumentWriterUnencodable : public ::testing::TestWithParam<UnencodableCase> {
protected:
    std::vector<EntryRow> table() const {
        std::vector<EntryRow> rows = {row("ok \xE2\x82\xAC", "x", "y", "z", "w"), row("b"), row("c")};
        rows[static_cast<size_t>(GetParam().row)][static_cast<size_t>(GetParam().column)] = GetParam().text;
        // A later bad cell must not be the one reported.
        rows[2][4] = QString::fromUtf8("\xE4\xB8\xAD");
        return rows;
    }
};

TEST_P(DocumentWriterUnencodable, RefusedWithFirstBadCellAndNothingWritten) {
    const auto& c = GetParam();
    RC4 cipher;
    QByteArray out = "untouched";
    const DocumentWriteResult r = DocumentWriter::WriteBytes(&out, cipher, kPassword, table(), -1, kPlacement);
    EXPECT_EQ(r.status, DocumentWriteResult::Status::UnencodableCell);
    EXPECT_EQ(r.row, c.row);
    EXPECT_EQ(r.column, c.column);
    EXPECT_EQ(r.character, c.character);
    EXPECT_EQ(out, QByteArray("untouched"));
}

TEST_P(DocumentWriterUnencodable, ExistingFileIsLeftAsItWas) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("doc.brimel");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old content");
    }
    RC4 cipher;
    const DocumentWriteResult r =
        DocumentWriter::WriteFile(FolderItem(path), cipher, kPassword, table(), -1, kPlacement);
    EXPECT_EQ(r.status, DocumentWriteResult::Status::UnencodableCell);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("old content"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, DocumentWriterUnencodable,
    ::testing::Values(UnencodableCase{"EmojiInTitle", 0, EntryColumn::Title, QString::fromUtf8("a\xF0\x9F\x98\x80"), 1},
                      UnencodableCase{"HanInNotes", 1, EntryColumn::Notes, QString::fromUtf8("\xE4\xB8\xAD"), 0},
                      UnencodableCase{"AfterEuroInPassword", 1, EntryColumn::Password,
                                      QString::fromUtf8("\xE2\x82\xAC\xE2\x84\xA2\xF0\x9F\x98\x80"), 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentWriterFile, WritesSameBytesAsInMemory) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("doc.brimel");
    const std::vector<EntryRow> rows = {row("one", "u", "n", "p", "x"), row("two")};
    RC4 cipher;
    const DocumentWriteResult r = DocumentWriter::WriteFile(FolderItem(path), cipher, kPassword, rows, -1, kPlacement);
    ASSERT_TRUE(r.ok()) << r.error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), writeBytes(rows));
}

TEST(DocumentWriterFile, ReportsFileThatCannotBeCreated) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const FolderItem missing(dir.filePath("no/such/folder/doc.brimel"));
    RC4 cipher;
    const DocumentWriteResult r = DocumentWriter::WriteFile(missing, cipher, kPassword, {row("a")}, -1, kPlacement);
    EXPECT_EQ(r.status, DocumentWriteResult::Status::WriteFailed);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_FALSE(QFile::exists(missing.NativePath()));
}

}  // namespace
