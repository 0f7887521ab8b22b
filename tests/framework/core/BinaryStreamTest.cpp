#include "framework/core/BinaryStream.h"

#include "support/FailingDevice.h"
#include "support/TricklingDevice.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// The records of a small document and their bytes.
const std::vector<QByteArray> kRecords = {
    QByteArray("BRIMEL141"),
    QByteArray("40*60*639*376"),
    QByteArray("Bank"),
    QByteArray(),
    QByteArray("anna"),
    QByteArray(100, 'p'),
    QByteArray("two\rlines"),
    QByteArray("Mail"),
    QByteArray("*"),
    QByteArray(),
    QByteArray(),
    QByteArray(1, '\0'),
};

QByteArray RecordBytes() {
    QByteArray bytes;
    for (const QByteArray& r : kRecords)
        bytes.append(char(r.size())).append(r);
    return bytes;
}

std::unique_ptr<BinaryStream> WriterInto(QByteArray* target) {
    auto buffer = std::make_unique<QBuffer>(target);
    buffer->open(QIODevice::WriteOnly);
    return std::make_unique<BinaryStream>(std::move(buffer));
}

TEST(BinaryStream, PStringsRoundTrip) {
    const std::vector<QByteArray> records = {
        QByteArray(), QByteArray("BRIMEL141"), QByteArray(1, '\0'), QByteArray(255, '\xFF'), QByteArray("a*b\tc\rd\ne"),
        QByteArray(), QByteArray(254, 'x'),
    };
    QByteArray file;
    {
        auto out = WriterInto(&file);
        for (const QByteArray& r : records)
            ASSERT_TRUE(out->WritePString(r));
        ASSERT_TRUE(out->Close());
    }
    qsizetype expectedSize = 0;
    for (const QByteArray& r : records)
        expectedSize += 1 + r.size();
    EXPECT_EQ(file.size(), expectedSize);
    EXPECT_EQ(uchar(file.at(0)), 0);
    EXPECT_EQ(uchar(file.at(1)), 9);

    auto in = BinaryStream::FromBytes(file);
    for (const QByteArray& r : records) {
        ASSERT_FALSE(in->EndOfFile());
        EXPECT_EQ(in->ReadPString(), r);
    }
    EXPECT_TRUE(in->EndOfFile());
    EXPECT_TRUE(in->Close());
}

struct ShortCase {
    const char* name;
    QByteArray data;
    std::vector<QByteArray> reads;  // what successive reads give
};

TEST(BinaryStream, ReadsAtOrPastTheEndGiveEmpty) {
    const ShortCase cases[] = {
        {"empty data", QByteArray(), {QByteArray(), QByteArray()}},
        {"length byte only", QByteArray("\x03"), {QByteArray(), QByteArray()}},
        {"cut short",
         QByteArray("\x05"
                    "abc"),
         {QByteArray(), QByteArray()}},
        {"whole then cut",
         QByteArray("\x02"
                    "ab"
                    "\x04"
                    "c"),
         {QByteArray("ab"), QByteArray(), QByteArray()}},
        {"zero length at end", QByteArray("\x00", 1), {QByteArray(), QByteArray()}},
    };
    for (const ShortCase& c : cases) {
        auto in = BinaryStream::FromBytes(c.data);
        for (const QByteArray& expected : c.reads)
            EXPECT_EQ(in->ReadPString(), expected) << c.name;
        EXPECT_TRUE(in->EndOfFile()) << c.name;
        EXPECT_FALSE(in->HasError()) << c.name;
    }
}

TEST(BinaryStream, OverlongPStringIsRefusedAndNothingWritten) {
    QByteArray file;
    auto out = WriterInto(&file);
    EXPECT_FALSE(out->WritePString(QByteArray(256, 'x')));
    EXPECT_TRUE(file.isEmpty());
    EXPECT_FALSE(out->HasError());
    EXPECT_TRUE(out->WritePString("ok"));
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(file, QByteArray("\x02ok"));
}

TEST(BinaryStream, PlainWriteKeepsBytes) {
    QByteArray file;
    auto out = WriterInto(&file);
    EXPECT_TRUE(out->Write(QByteArray("a\tb\r", 4)));
    EXPECT_TRUE(out->Write(QByteArray()));
    EXPECT_TRUE(out->Close());
    EXPECT_EQ(file, QByteArray("a\tb\r"));
}

// Every byte of the document in turn is the first that does not fit: Close
// fails with the device's reason, and only a device that takes every byte
// holds the document.
TEST(BinaryStream, AWriteThatFailsAtAnyByteFailsClose) {
    const QByteArray expected = RecordBytes();
    for (const QString& reason : {QStringLiteral("No space left on device"), QString()}) {
        for (qint64 limit = 0; limit <= expected.size(); ++limit) {
            auto device = std::make_unique<FailingDevice>(limit, QIODevice::WriteOnly, QByteArray(), reason);
            FailingDevice* disk = device.get();
            BinaryStream out(std::move(device));
            for (const QByteArray& r : kRecords)
                out.WritePString(r);
            QString error;
            const bool closed = out.Close(&error);
            ASSERT_EQ(closed, limit == expected.size()) << limit;
            if (closed) {
                EXPECT_EQ(disk->data, expected);
                continue;
            }
            // A device that gives no reason is not reported as "Unknown error".
            EXPECT_EQ(error, reason.isEmpty() ? QStringLiteral("the data could not be written.") : reason) << limit;
            EXPECT_EQ(out.ErrorString(), error);
            EXPECT_FALSE(out.Write("x"));
        }
    }
}

TEST(BinaryStream, ALargeWriteFailsAtOnceAndTheStreamStaysFailed) {
    BinaryStream out(std::make_unique<FailingDevice>(1000, QIODevice::WriteOnly, QByteArray(), "Disk quota exceeded"));
    EXPECT_FALSE(out.Write(QByteArray(100 * 1024, 'x')));
    EXPECT_TRUE(out.HasError());
    EXPECT_EQ(out.ErrorString(), "Disk quota exceeded");
    EXPECT_FALSE(out.WritePString("more"));
    QString error;
    EXPECT_FALSE(out.Close(&error));
    EXPECT_EQ(error, "Disk quota exceeded");
}

// A disk that fails after any byte of the document: the reads end (EndOfFile
// comes), the failure is kept with its reason, and every record read before
// it is whole.
TEST(BinaryStream, AReadThatFailsAtAnyByteEndsTheStreamInError) {
    const QByteArray file = RecordBytes();
    for (qint64 limit = 0; limit <= file.size(); ++limit) {
        BinaryStream in(std::make_unique<FailingDevice>(limit, QIODevice::ReadOnly, file, "Input/output error"));
        EXPECT_EQ(in.Length(), file.size());
        std::vector<QByteArray> read;
        while (!in.EndOfFile() && read.size() <= kRecords.size())
            read.push_back(in.ReadPString());
        ASSERT_TRUE(in.EndOfFile()) << limit;
        const bool whole = limit == file.size();
        EXPECT_EQ(in.HasError(), !whole) << limit;
        EXPECT_EQ(in.ErrorString(), whole ? QString() : QStringLiteral("Input/output error")) << limit;
        EXPECT_EQ(in.Close(), whole) << limit;
        qint64 end = 0;
        for (size_t i = 0; i < kRecords.size() && end + 1 + kRecords[i].size() <= limit; ++i) {
            end += 1 + kRecords[i].size();
            ASSERT_LT(i, read.size()) << limit;
            EXPECT_EQ(read[i], kRecords[i]) << limit;
        }
    }
}

// Records of every length, a few hundred kilobytes of them, so that they lie
// across the boundaries of any blocks the stream reads, at every offset.
std::vector<QByteArray> ManyRecords() {
    std::vector<QByteArray> records;
    for (int i = 0; i < 2500; ++i) {
        QByteArray r((i * 37 + i / 256) % 256, Qt::Uninitialized);
        for (qsizetype k = 0; k < r.size(); ++k)
            r[k] = char((i + k * 13) & 0xFF);
        records.push_back(r);
    }
    return records;
}

QByteArray BytesOf(const std::vector<QByteArray>& records) {
    QByteArray bytes;
    for (const QByteArray& r : records)
        bytes.append(char(r.size())).append(r);
    return bytes;
}

// Every record until the end, as a reader takes them.
std::vector<QByteArray> ReadAll(BinaryStream& in) {
    std::vector<QByteArray> read;
    while (!in.EndOfFile())
        read.push_back(in.ReadPString());
    return read;
}

// The same records from memory, from a file and from devices that give a few
// bytes at a time: a record cut by a block read comes out whole.
TEST(BinaryStream, LargeDataReadsBackTheSameRecordsHoweverItArrives) {
    const std::vector<QByteArray> records = ManyRecords();
    const QByteArray bytes = BytesOf(records);
    ASSERT_GT(bytes.size(), 300 * 1024);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("records"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }
    const struct {
        const char* name;
        std::function<std::unique_ptr<QIODevice>()> device;
    } sources[] = {
        {"memory",
         [&] {
             auto buffer = std::make_unique<QBuffer>();
             buffer->setData(bytes);
             return buffer;
         }},
        {"file", [&] { return std::make_unique<QFile>(path); }},
        {"1 byte a read", [&] { return std::make_unique<TricklingDevice>(bytes, 1); }},
        {"255 bytes a read", [&] { return std::make_unique<TricklingDevice>(bytes, 255); }},
        {"256 bytes a read", [&] { return std::make_unique<TricklingDevice>(bytes, 256); }},
        {"4097 bytes a read", [&] { return std::make_unique<TricklingDevice>(bytes, 4097); }},
    };
    for (const auto& source : sources) {
        std::unique_ptr<QIODevice> device = source.device();
        if (!device->isOpen()) {
            ASSERT_TRUE(device->open(QIODevice::ReadOnly)) << source.name;
        }
        BinaryStream in(std::move(device));
        EXPECT_EQ(ReadAll(in), records) << source.name;
        EXPECT_FALSE(in.HasError()) << source.name;
        EXPECT_TRUE(in.Close()) << source.name;
    }
}

// Data that ends anywhere, near block boundaries or far from them: every
// record before the end comes out whole, one cut short by it reads empty, and
// the stream ends there without an error.
TEST(BinaryStream, LargeDataEndingAnywhereGivesItsWholeRecordsThenEmpty) {
    const std::vector<QByteArray> records = ManyRecords();
    const QByteArray bytes = BytesOf(records);
    std::vector<qsizetype> ends = {0, 1, bytes.size() - 1, bytes.size()};
    for (qsizetype block = 4096; block < bytes.size(); block *= 2)
        for (qsizetype delta : {-2, -1, 0, 1, 2})
            ends.push_back(block + delta);
    for (qsizetype end = 7; end < bytes.size(); end += 9973)
        ends.push_back(end);
    for (const qsizetype end : ends) {
        std::vector<QByteArray> expected;
        qsizetype at = 0;
        for (const QByteArray& r : records) {
            if (at >= end)
                break;
            at += 1 + r.size();
            expected.push_back(at <= end ? r : QByteArray());
        }
        auto in = BinaryStream::FromBytes(bytes.left(end));
        EXPECT_EQ(ReadAll(*in), expected) << end;
        EXPECT_FALSE(in->HasError()) << end;
    }
}

// A disk that fails somewhere in a large file, inside a block or at its edge:
// the stream ends in error with the reason, and every record read before the
// failure is whole.
TEST(BinaryStream, AReadThatFailsInsideALargeFileEndsTheStreamInError) {
    const std::vector<QByteArray> records = ManyRecords();
    const QByteArray bytes = BytesOf(records);
    std::vector<qint64> limits;
    for (qint64 block = 4096; block < bytes.size(); block *= 2)
        for (qint64 delta : {-1, 0, 1})
            limits.push_back(block + delta);
    for (qint64 limit = 3; limit < bytes.size(); limit += 7919)
        limits.push_back(limit);
    for (const qint64 limit : limits) {
        BinaryStream in(std::make_unique<FailingDevice>(limit, QIODevice::ReadOnly, bytes, "Input/output error"));
        const std::vector<QByteArray> read = ReadAll(in);
        EXPECT_TRUE(in.HasError()) << limit;
        EXPECT_EQ(in.ErrorString(), QStringLiteral("Input/output error")) << limit;
        EXPECT_FALSE(in.Close()) << limit;
        qint64 at = 0;
        for (size_t i = 0; i < records.size() && at + 1 + records[i].size() <= limit; ++i) {
            at += 1 + records[i].size();
            ASSERT_LT(i, read.size()) << limit;
            EXPECT_EQ(read[i], records[i]) << limit;
        }
    }
}

TEST(BinaryStream, ReadStreamRefusesWritesAndClosedStreamIsDone) {
    auto in = BinaryStream::FromBytes(QByteArray("\x01z"));
    EXPECT_FALSE(in->Write("x"));
    auto again = BinaryStream::FromBytes(QByteArray("\x01z"));
    EXPECT_TRUE(again->Close());
    EXPECT_TRUE(again->EndOfFile());
    EXPECT_EQ(again->ReadPString(), QByteArray());
}

TEST(BinaryStream, NoDeviceIsAnError) {
    BinaryStream s(nullptr);
    EXPECT_TRUE(s.HasError());
    EXPECT_TRUE(s.EndOfFile());
    EXPECT_EQ(s.ReadPString(), QByteArray());
    EXPECT_FALSE(s.Close());
}

}  // namespace
