// The characters of generated passwords: every pool character turns up, and
// none more often than chance allows.
#include <gtest/gtest.h>

#include <QMap>
#include <cmath>

#include "framework/ui/CheckBox.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/RadioButton.h"
#include "framework/ui/TextField.h"
#include "generator/GeneratePwd.h"
#include "support/FakeDesktop.h"

namespace {

// The chi-square value a fair source exceeds with probability about 1e-9
// (Wilson-Hilferty, six standard deviations): loose enough never to fail by
// chance, tight enough to catch a character drawn a few percent too often.
double ChiSquareLimit(int degreesOfFreedom) {
    const double k = degreesOfFreedom;
    const double z = 6.0;
    return k * std::pow(1.0 - 2.0 / (9.0 * k) + z * std::sqrt(2.0 / (9.0 * k)), 3.0);
}

double ChiSquare(const QMap<QChar, int>& counts, const QString& pool, int total) {
    const double expected = double(total) / pool.size();
    double sum = 0;
    for (QChar c : pool) {
        const double d = counts.value(c) - expected;
        sum += d * d / expected;
    }
    return sum;
}

// Every pool character drawn at least once, nothing from outside, and the
// counts within the chi-square limit.
void ExpectUniform(const QMap<QChar, int>& counts, const QString& pool) {
    int total = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        EXPECT_TRUE(pool.contains(it.key())) << "drawn from outside the pool: " << QString(it.key()).toStdString();
        total += it.value();
    }
    for (QChar c : pool)
        EXPECT_GT(counts.value(c), 0) << "never drawn: " << QString(c).toStdString();
    const double chi = ChiSquare(counts, pool, total);
    EXPECT_LT(chi, ChiSquareLimit(int(pool.size()) - 1)) << "over " << total << " draws from " << pool.toStdString();
}

struct PoolCase {
    const char* name;
    int type;  // 1..5: RadioButton1 .. RadioButton5
    bool mixedCase, symbols;
    QString pool;
};

class Distribution : public ::testing::TestWithParam<PoolCase> {
protected:
    // About 100 000 characters, 999 per click, duplicates allowed.
    static constexpr int kClicks = 100;

    QStringList Passwords() {
        GeneratePwd& window = GeneratePwd::Instance();
        window.RadioButton1()->SetValue(true);
        window.CheckBox1()->SetValue(GetParam().mixedCase);
        window.CheckBox2()->SetValue(true);
        window.CheckBox3()->SetValue(GetParam().symbols);
        RadioButton* types[] = {window.RadioButton1(), window.RadioButton2(), window.RadioButton3(),
                                window.RadioButton4(), window.RadioButton5()};
        types[GetParam().type - 1]->SetValue(true);
        window.EditField1()->SetText("999");
        QStringList passwords;
        for (int i = 0; i < kClicks; ++i) {
            window.PushButton1()->Push();
            passwords << window.EditField2()->Text();
        }
        return passwords;
    }

    FakeDesktop::Guard desktop;
};

TEST_P(Distribution, EveryCharacterEquallyLikely) {
    QMap<QChar, int> counts;
    for (const QString& password : Passwords()) {
        ASSERT_EQ(password.size(), 999);
        for (QChar c : password)
            ++counts[c];
    }
    ExpectUniform(counts, GetParam().pool);
}

INSTANTIATE_TEST_SUITE_P(
    Pools, Distribution,
    ::testing::Values(
        PoolCase{"Alphabetic", 1, true, true, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!@#$%"},
        PoolCase{"NumericWithSymbols", 2, false, true, "0123456789!@#$%"},
        PoolCase{"Alphanumeric", 3, true, true, "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ!@#$%"},
        PoolCase{"AlphanumericLower", 3, false, false, "abcdefghijklmnopqrstuvwxyz0123456789"},
        PoolCase{"Hexadecimal", 4, false, false, "0123456789ABCDEF"}),
    [](const auto& info) { return std::string(info.param.name); });

class SpeakableDistribution : public Distribution {};

// The doubled consonant pool keeps each consonant equally likely; the vowels
// after them are drawn from their own five.
TEST_P(SpeakableDistribution, ConsonantsAndVowelsEachEquallyLikely) {
    QMap<QChar, int> consonants, vowels;
    for (const QString& password : Passwords()) {
        ASSERT_EQ(password.size(), 999);
        for (int i = 0; i < password.size(); ++i)
            ++(i % 2 == 0 ? consonants : vowels)[password[i]];
    }
    ExpectUniform(consonants, "bcdfghjklmnpqrstvwxyz");
    ExpectUniform(vowels, "aeiou");
}

INSTANTIATE_TEST_SUITE_P(Pools, SpeakableDistribution, ::testing::Values(PoolCase{"Speakable", 5, false, false, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
