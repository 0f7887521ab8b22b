#include "framework/core/Strings.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// U+1F600 (an emoji) takes two UTF-16 units but is one character.
const QString kSmile = QString::fromUcs4(U"\U0001F600");
const QString kMixed = QStringLiteral("a") + kSmile + QStringLiteral("b");

TEST(Strings, LenCountsCharactersNotUnits) {
    EXPECT_EQ(Len(QString()), 0);
    EXPECT_EQ(Len(QStringLiteral("abc")), 3);
    EXPECT_EQ(Len(kSmile), 1);
    EXPECT_EQ(Len(kMixed), 3);
    // A lone surrogate is still one character.
    EXPECT_EQ(Len(QString(QChar(0xD800)) + QStringLiteral("x")), 2);
}

struct SliceCase {
    const char* name;
    QString text;
    int start;
    int length;
    QString expected;
};

class MidTest : public ::testing::TestWithParam<SliceCase> {};

TEST_P(MidTest, Slices) {
    const SliceCase& c = GetParam();
    EXPECT_EQ(Mid(c.text, c.start, c.length), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Strings, MidTest,
    ::testing::Values(SliceCase{"first", QStringLiteral("abc"), 1, 1, QStringLiteral("a")},
                      SliceCase{"last", QStringLiteral("abc"), 3, 1, QStringLiteral("c")},
                      SliceCase{"past end", QStringLiteral("abc"), 4, 1, QString()},
                      SliceCase{"to end", QStringLiteral("abcdef"), 3, -1, QStringLiteral("cdef")},
                      SliceCase{"length past end", QStringLiteral("abc"), 2, 10, QStringLiteral("bc")},
                      SliceCase{"zero length", QStringLiteral("abc"), 2, 0, QString()},
                      SliceCase{"start below 1", QStringLiteral("abc"), 0, 2, QStringLiteral("ab")},
                      SliceCase{"empty text", QString(), 1, 1, QString()},
                      SliceCase{"pair whole", kMixed, 2, 1, kSmile},
                      SliceCase{"after pair", kMixed, 3, 1, QStringLiteral("b")},
                      SliceCase{"pair then rest", kMixed, 2, -1, kSmile + QStringLiteral("b")}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (!isalnum(uchar(ch)))
                ch = '_';
        return n;
    });

TEST(Strings, LeftNeverSplitsAPair) {
    EXPECT_EQ(Left(kMixed, 2), QStringLiteral("a") + kSmile);
    EXPECT_EQ(Left(kMixed, 1), QStringLiteral("a"));
    EXPECT_EQ(Left(kMixed, 99), kMixed);
    EXPECT_EQ(Left(kMixed, 0), QString());
    EXPECT_EQ(Left(kMixed, -1), QString());
}

struct ValCase {
    const char* text;
    double expected;
};

TEST(Strings, ValReadsTheNumberAtTheStart) {
    const ValCase cases[] = {
        {"", 0},       {"abc", 0},   {"-", 0},           {".", 0},         {"e5", 0},   {"14", 14},
        {"-5", -5},    {"+7", 7},    {"2.5x", 2.5},      {"  42", 42},     {"\t3", 3},  {".5", 0.5},
        {"5.", 5},     {"1e9", 1e9}, {"1E+2", 100},      {"2.5e-1", 0.25}, {"3e", 3},   {"3e+", 3},
        {"12*34", 12}, {"007", 7},   {"-0.125", -0.125}, {"1,5", 1},       {"&H10", 0}, {"x12", 0},
    };
    for (const ValCase& c : cases)
        EXPECT_DOUBLE_EQ(Val(QString::fromLatin1(c.text)), c.expected) << c.text;
}

TEST(Strings, ValOutOfRangeGivesNearestValue) {
    EXPECT_TRUE(std::isinf(Val(QStringLiteral("1e999"))));
    EXPECT_LT(Val(QStringLiteral("-1e999")), 0);
    EXPECT_EQ(Val(QStringLiteral("1e-999")), 0.0);
    // A long run of digits is still read.
    EXPECT_TRUE(std::isinf(Val(QString(400, QLatin1Char('9')))));
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("0.") + QString(400, QLatin1Char('3'))), 1.0 / 3.0);
}

TEST(Strings, StrWritesDecimal) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {14, "14"},   {-3, "-3"},      {0, "0"},
        {-0.0, "0"},  {2.5, "2.5"},    {-0.25, "-0.25"},
        {0.1, "0.1"}, {1e20, "1e+20"}, {123456789012345.0, "123456789012345"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Str(c.value), QString::fromLatin1(c.expected)) << c.expected;
    EXPECT_EQ(Str(qint64(-9007199254740993LL)), QStringLiteral("-9007199254740993"));
    EXPECT_EQ(Str(40), QStringLiteral("40"));
}

TEST(Strings, StrThenValRoundTrips) {
    for (double v : {1.0 / 3.0, -2.75, 1e-7, 6.02214076e23, 639.0})
        EXPECT_EQ(Val(Str(v)), v) << Str(v).toStdString();
}

struct FieldCase {
    const char* text;
    const char* sep;
    int n;
    const char* expected;
};

TEST(Strings, NthFieldCutsAtEverySeparator) {
    const FieldCase cases[] = {
        {"40*60*639*376", "*", 1, "40"},
        {"40*60*639*376", "*", 4, "376"},
        {"40*60*639*376", "*", 5, ""},
        {"40*60*639*376", "*", 0, ""},
        {"40*60*639*376", "*", -1, ""},
        {"a**b", "*", 2, ""},
        {"a**b", "*", 3, "b"},
        {"*a", "*", 1, ""},
        {"a*", "*", 2, ""},
        {"", "*", 1, ""},
        {"abc", "*", 1, "abc"},
        {"abc", "*", 2, ""},
        {"a--b--c", "--", 2, "b"},
        {"aaa", "aa", 2, "a"},
        {"abc", "", 1, "abc"},
        {"abc", "", 2, ""},
        {"aXb", "x", 1, "aXb"},
    };
    for (const FieldCase& c : cases)
        EXPECT_EQ(NthField(QString::fromLatin1(c.text), QString::fromLatin1(c.sep), c.n),
                  QString::fromLatin1(c.expected))
            << c.text << " / " << c.sep << " / " << c.n;
}

TEST(Strings, CountFieldsAgreesWithNthField) {
    const struct {
        const char* text;
        const char* sep;
        int expected;
    } cases[] = {{"40*60*639*376", "*", 4}, {"", "*", 1}, {"a**", "*", 3}, {"aaa", "aa", 2}, {"abc", "", 1}};
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        const QString sep = QString::fromLatin1(c.sep);
        EXPECT_EQ(CountFields(text, sep), c.expected) << c.text;
        // The last field joined back with the others gives the text again.
        QStringList parts;
        for (int i = 1; i <= CountFields(text, sep); ++i)
            parts << NthField(text, sep, i);
        if (!sep.isEmpty()) {
            EXPECT_EQ(parts.join(sep), text) << c.text;
        }
    }
}

// One unit among plain letters, at every place of texts of several lengths
// (whole words of four units and the units after them).
TEST(Strings, OrOfUnitsSeesEveryUnit) {
    EXPECT_EQ(OrOfUnits(QStringView()), 0);
    for (const char16_t unit : {0x01, 0x7F, 0x80, 0x2FF, 0x300, 0xD800, 0xFFFF}) {
        for (qsizetype length = 1; length <= 13; ++length) {
            for (qsizetype at = 0; at < length; ++at) {
                QString text(length, QChar(u'a'));
                text[at] = QChar(unit);
                const char16_t others = length > 1 ? u'a' : 0;
                EXPECT_EQ(OrOfUnits(text), char16_t(others | unit)) << int(unit) << " " << length << " " << at;
            }
        }
    }
}

TEST(Strings, DoubleToInt32RoundsAndClamps) {
    const struct {
        double value;
        qint32 expected;
    } cases[] = {
        {0, 0},
        {2.4, 2},
        {2.5, 3},
        {-2.5, -3},
        {-2.4, -2},
        {639.0, 639},
        {2147483646.6, 2147483647},
        {3e9, 2147483647},
        {-3e9, -2147483647 - 1},
        {std::numeric_limits<double>::infinity(), 2147483647},
        {-std::numeric_limits<double>::infinity(), -2147483647 - 1},
        {std::nan(""), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DoubleToInt32(c.value), c.expected) << c.value;
}

}  // namespace
