#include "framework/core/MacRoman.h"

#include "support/ConverterMacRoman.h"

#include <gtest/gtest.h>

namespace {

QByteArray AllBytes() {
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(char(b));
    return bytes;
}

TEST(MacRoman, EveryByteRoundTrips) {
    const QByteArray bytes = AllBytes();
    const QString text = MacRoman::Decode(bytes);
    ASSERT_EQ(text.size(), 256);
    QByteArray back;
    int bad = 99;
    ASSERT_TRUE(MacRoman::Encode(text, &back, &bad));
    EXPECT_EQ(bad, -1);
    EXPECT_EQ(back, bytes);
    // Each byte has its own character.
    for (int b = 0; b < 256; ++b)
        for (int c = b + 1; c < 256; ++c)
            ASSERT_NE(text.at(b), text.at(c)) << b << " " << c;
}

// Each byte alone, and texts of every length up to a record's and beyond, in
// which each byte value stands at every position of a word (where the decoder
// looks eight bytes at a time): the characters the converter gives.
TEST(MacRoman, DecodeGivesTheConvertersCharacters) {
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        EXPECT_EQ(MacRoman::Decode(one), ConverterMacRoman(one)) << b;
    }
    for (int length = 0; length <= 300; ++length) {
        for (int shift = 0; shift < 8; ++shift) {
            QByteArray bytes(length, Qt::Uninitialized);
            for (int i = 0; i < length; ++i)
                bytes[i] = char((i * 11 + shift) & 0xFF);
            ASSERT_EQ(MacRoman::Decode(bytes), ConverterMacRoman(bytes)) << length << " " << shift;
        }
    }
    const QByteArray ascii = QByteArray("Bank 40*60\t").repeated(30);
    EXPECT_EQ(MacRoman::Decode(ascii), QString::fromLatin1(ascii));
}

TEST(MacRoman, OneByteAtATimeRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const QByteArray one(1, char(b));
        QByteArray back;
        ASSERT_TRUE(MacRoman::Encode(MacRoman::Decode(one), &back)) << b;
        EXPECT_EQ(back, one) << b;
    }
}

struct KnownChar {
    const char* name;
    char32_t codePoint;
    uchar byte;
};

TEST(MacRoman, AppleMapping) {
    const KnownChar cases[] = {
        {"euro", 0x20AC, 0xDB},
        {"apple logo", 0xF8FF, 0xF0},
        {"e acute", 0x00E9, 0x8E},
        {"A diaeresis", 0x00C4, 0x80},
        {"trade mark", 0x2122, 0xAA},
        {"omega", 0x03A9, 0xBD},
        {"no-break space", 0x00A0, 0xCA},
        {"tab", 0x09, 0x09},
        {"carriage return", 0x0D, 0x0D},
        {"NUL", 0x00, 0x00},
        {"DEL", 0x7F, 0x7F},
    };
    for (const KnownChar& c : cases) {
        const QString text = QString::fromUcs4(&c.codePoint, 1);
        QByteArray out;
        ASSERT_TRUE(MacRoman::Encode(text, &out)) << c.name;
        EXPECT_EQ(out, QByteArray(1, char(c.byte))) << c.name;
        EXPECT_EQ(MacRoman::Decode(QByteArray(1, char(c.byte))), text) << c.name;
    }
}

TEST(MacRoman, NormalisesToNfcFirst) {
    QByteArray out;
    ASSERT_TRUE(MacRoman::Encode(QString::fromUtf8("caf"
                                                   "e\u0301"),
                                 &out));
    EXPECT_EQ(out, QByteArray("caf\x8E"));
    // The ohm sign is canonically the Greek capital omega.
    ASSERT_TRUE(MacRoman::Encode(QString(QChar(0x2126)), &out));
    EXPECT_EQ(out, QByteArray("\xBD"));
}

struct BadCase {
    const char* name;
    QString text;
    int firstBad;
};

TEST(MacRoman, ReportsTheFirstCharacterItLacks) {
    const QString smile = QString::fromUcs4(U"\U0001F600");
    const BadCase cases[] = {
        {"CJK", QString::fromUtf8("ab\u4E2D"), 2},
        {"emoji after pair", smile + QStringLiteral("x") + smile, 0},
        {"emoji counted as one", QString::fromUtf8("\u00E9") + QStringLiteral("x") + smile, 2},
        {"after decomposed accent", QString::fromUtf8("e\u0301z\u4E2D"), 3},
        {"combining mark MacRoman lacks", QString::fromUtf8("xq\u0301"), 1},
        {"lone surrogate", QStringLiteral("ab") + QChar(0xD800), 2},
        {"first of two", QString::fromUtf8("\u0100\u4E2D"), 0},
        {"invisible, never dropped", QString::fromUtf8("a\u200Bb\uFEFF"), 1},
    };
    for (const BadCase& c : cases) {
        QByteArray out("stale");
        int bad = -7;
        EXPECT_FALSE(MacRoman::Encode(c.text, &out, &bad)) << c.name;
        EXPECT_EQ(bad, c.firstBad) << c.name;
        EXPECT_TRUE(out.isEmpty()) << c.name;
        EXPECT_FALSE(MacRoman::CanEncode(c.text)) << c.name;
    }
}

TEST(MacRoman, NamesEveryCharacterItLacksOnceInOrder) {
    const QString smile = QString::fromUcs4(U"\U0001F600");
    const struct {
        const char* name;
        QString text;
        QStringList unencodable;
    } cases[] = {
        {"all of it encodes", QString::fromUtf8("Caf\u00E9 Zo\u00EB \u2013 \u20AC"), {}},
        {"decomposed accent encodes", QString::fromUtf8("e\u0301"), {}},
        {"each once, in order",
         QString::fromUtf8("\u0141\u00F3d\u017A \u0141"),
         {QString::fromUtf8("\u0141"), QString::fromUtf8("\u017A")}},
        {"a pair is one character", QStringLiteral("a") + smile + smile, {smile}},
        {"with its combining mark",
         QString::fromUtf8("xq\u0331y\u4E2D"),
         {QString::fromUtf8("q\u0331"), QString::fromUtf8("\u4E2D")}},
        {"invisible", QString::fromUtf8("a\u200Bb"), {QString::fromUtf8("\u200B")}},
        {"lone surrogate", QStringLiteral("ab") + QChar(0xD800), {QString(QChar(0xD800))}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MacRoman::Unencodable(c.text), c.unencodable) << c.name;
}

TEST(MacRoman, AsciiAndEmpty) {
    QByteArray out("stale");
    int bad = 5;
    EXPECT_TRUE(MacRoman::Encode(QString(), &out, &bad));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(bad, -1);
    EXPECT_TRUE(MacRoman::Encode(QStringLiteral("40*60*639*376\t\r\n"), &out));
    EXPECT_EQ(out, QByteArray("40*60*639*376\t\r\n"));
    EXPECT_EQ(MacRoman::Decode(QByteArray()), QString());
}

}  // namespace
