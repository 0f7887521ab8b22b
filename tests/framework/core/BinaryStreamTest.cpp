#include "framework/core/BinaryStream.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A device that takes the first `capacity` bytes and then fails, like a disk
// that fills up.
class FillingDevice : public QIODevice {
public:
    explicit FillingDevice(qint64 capacity) : capacity_(capacity) { open(QIODevice::WriteOnly); }
    QByteArray data;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* bytes, qint64 size) override {
        const qint64 room = capacity_ - data.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 n = qMin(room, size);
        data.append(bytes, n);
        return n;
    }

private:
    qint64 capacity_;
};

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

TEST(BinaryStream, FailedWriteIsReportedAndSticks) {
    auto device = std::make_unique<FillingDevice>(10);
    BinaryStream out(std::move(device));
    EXPECT_TRUE(out.WritePString("12345"));
    EXPECT_FALSE(out.WritePString("abcdefgh"));  // only 4 of 9 bytes fit
    EXPECT_TRUE(out.HasError());
    EXPECT_FALSE(out.ErrorString().isEmpty());
    EXPECT_FALSE(out.Write("x"));  // refused after the first failure
    QString error;
    EXPECT_FALSE(out.Close(&error));
    EXPECT_FALSE(error.isEmpty());
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
