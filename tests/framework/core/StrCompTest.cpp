#include "framework/core/StrComp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int Sign(int v) {
    return (v > 0) - (v < 0);
}

// A mix of texts that collate equal or close: case, accents, canonical
// equivalents, ignorable characters, prefixes, supplementary characters.
std::vector<QString> MixedTexts() {
    return {
        QString(),
        QStringLiteral("a"),
        QStringLiteral("A"),
        QStringLiteral("ab"),
        QStringLiteral("Ab"),
        QStringLiteral("aB"),
        QStringLiteral("b"),
        QStringLiteral("B"),
        QStringLiteral("Apple"),
        QStringLiteral("apple"),
        QStringLiteral("banana"),
        QStringLiteral("Cherry"),
        QString::fromUtf8("é"),
        QString::fromUtf8("e\u0301"),
        QStringLiteral("e"),
        QString::fromUtf8("É"),
        QStringLiteral("f"),
        QStringLiteral("a") + QChar(0),
        QStringLiteral("a") + QChar(1),
        QString::fromUtf8("\u200B"),
        QString::fromUtf8("a\u200B"),
        QString::fromUcs4(U"\U0001F600"),
        QString::fromUtf8("\uFFFD"),
        QString::fromUtf8("\uE000"),
        QStringLiteral("10"),
        QStringLiteral("9"),
        QStringLiteral(" a"),
        QStringLiteral("a b"),
        QStringLiteral("ab "),
        QString(QChar(0xD800)),
        QString(QChar(0xDC00)),
        QStringLiteral("BRIMEL141"),
        QStringLiteral("brimel141"),
    };
}

TEST(StrComp, EqualOnlyWhenIdentical) {
    const std::vector<QString> texts = MixedTexts();
    for (const QString& a : texts)
        for (const QString& b : texts)
            EXPECT_EQ(StrComp(a, b) == 0, a == b) << a.toStdString() << " | " << b.toStdString();
}

TEST(StrComp, IsAntisymmetricAndTransitive) {
    const std::vector<QString> texts = MixedTexts();
    for (const QString& a : texts)
        for (const QString& b : texts) {
            EXPECT_EQ(Sign(StrComp(a, b)), -Sign(StrComp(b, a)));
            for (const QString& c : texts) {
                if (StrComp(a, b) < 0 && StrComp(b, c) < 0) {
                    EXPECT_LT(StrComp(a, c), 0);
                }
            }
        }
}

TEST(StrComp, LettersBeforeCase) {
    // Regardless of case, the letters decide first.
    EXPECT_LT(StrComp(QStringLiteral("Apple"), QStringLiteral("banana")), 0);
    EXPECT_LT(StrComp(QStringLiteral("banana"), QStringLiteral("Cherry")), 0);
    EXPECT_LT(StrComp(QStringLiteral("apple"), QStringLiteral("Banana")), 0);
    EXPECT_LT(StrComp(QStringLiteral("Zebra"), QStringLiteral("zoo")), 0);
    // Case and accent differences come after the letters: "a" and "A" are
    // unequal but nothing falls between them.
    EXPECT_NE(StrComp(QStringLiteral("a"), QStringLiteral("A")), 0);
    EXPECT_LT(StrComp(QStringLiteral("A"), QStringLiteral("ab")), 0);
    EXPECT_LT(StrComp(QStringLiteral("a"), QStringLiteral("ab")), 0);
    EXPECT_LT(StrComp(QString::fromUtf8("é"), QStringLiteral("f")), 0);
    EXPECT_GT(StrComp(QString::fromUtf8("é"), QStringLiteral("e")), 0);
    EXPECT_LT(StrComp(QString::fromUtf8("résumé"), QStringLiteral("resumes")), 0);
}

TEST(StrComp, CanonicalEquivalentsStayDistinct) {
    const QString composed = QString::fromUtf8("é");
    const QString decomposed = QString::fromUtf8("e\u0301");
    EXPECT_NE(StrComp(composed, decomposed), 0);
    // The tie is broken by code points: U+0065 before U+00E9.
    EXPECT_LT(StrComp(decomposed, composed), 0);
}

}  // namespace
