#include <gtest/gtest.h>

#include <QString>
#include <numeric>
#include <random>

#include "document/MainWindowSortOrder.h"
#include "framework/core/StrComp.h"

namespace {

// The exchange sort itself, on row indices.
template <typename Key, typename Less>
std::vector<int> ExchangeSort(const std::vector<Key>& keys, Less less) {
    std::vector<int> rows(keys.size());
    std::iota(rows.begin(), rows.end(), 0);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j)
            if (less(keys[std::size_t(rows[j])], keys[std::size_t(rows[i])]))
                std::swap(rows[i], rows[j]);
    return rows;
}

std::vector<int> ExchangeSort(const std::vector<QString>& keys) {
    return ExchangeSort(keys, TextLess);
}

// The order computed with the program's comparison, counting the comparisons.
std::vector<int> Computed(const std::vector<QString>& keys, int* comparisons = nullptr) {
    int counted = 0;
    std::vector<int> order = MainWindowSortOrder::Compute(
        int(keys.size()),
        [&](int a, int b) {
            ++counted;
            return TextLess(keys[std::size_t(a)], keys[std::size_t(b)]);
        },
        [&](int a, int b) { return keys[std::size_t(a)] == keys[std::size_t(b)]; });
    if (comparisons)
        *comparisons = counted;
    return order;
}

std::vector<QString> Keys(const char* letters) {
    std::vector<QString> keys;
    for (const char* c = letters; *c; ++c)
        keys.push_back(QString(QChar(*c)));
    return keys;
}

// n titles in order, with about n / repeats distinct ones.
std::vector<QString> SortedTitles(std::mt19937& random, int n, int repeats) {
    std::vector<QString> keys;
    for (int i = 0; i < n; ++i)
        keys.push_back(
            QStringLiteral("t%1").arg(int(random() % unsigned(std::max(1, n / repeats))), 6, 10, QChar(u'0')));
    std::sort(keys.begin(), keys.end(), TextLess);
    return keys;
}

TEST(MainWindowSortOrder, EqualKeysPassedBySmallerOnesChangeOrder) {
    // "B" (first), "B" (second), "A": the second B ends before the first.
    EXPECT_EQ(Computed(Keys("BBA")), (std::vector<int>{2, 1, 0}));
}

TEST(MainWindowSortOrder, MatchesTheExchangeSortOnHandPickedTables) {
    for (const char* table : {"", "a", "ab", "ba", "aa", "bab", "abab", "baab", "cbcaba", "bbbba", "abbbb", "cacbcb",
                              "dcbadcba", "aaaaaa", "abcdea", "eabcd", "abdcef", "aAbBaA"}) {
        const auto keys = Keys(table);
        EXPECT_EQ(Computed(keys), ExchangeSort(keys)) << table;
    }
}

TEST(MainWindowSortOrder, MatchesTheExchangeSortOnRandomTablesWithManyEqualKeys) {
    std::mt19937 random(20240611);
    for (int trial = 0; trial < 3000; ++trial) {
        const int size = int(random() % 60);
        const int distinct = 1 + int(random() % 6);
        std::vector<QString> keys;
        for (int i = 0; i < size; ++i)
            keys.push_back(QString(QChar(u'a' + int(random() % unsigned(distinct)))));
        ASSERT_EQ(Computed(keys), ExchangeSort(keys)) << "trial " << trial;
    }
}

TEST(MainWindowSortOrder, MatchesTheExchangeSortOnLargerTables) {
    std::mt19937 random(7);
    for (int distinct : {2, 30, 400}) {
        std::vector<QString> keys;
        for (int i = 0; i < 1500; ++i)
            keys.push_back(QString::number(int(random() % unsigned(distinct))));
        EXPECT_EQ(Computed(keys), ExchangeSort(keys)) << distinct;
    }
}

// A document in order in which a few titles were edited or entries added at
// the end: the rows set aside and merged back in land where the exchange
// sort puts them, equal titles included.
TEST(MainWindowSortOrder, MatchesTheExchangeSortOnTablesNearlyInOrder) {
    std::mt19937 random(42);
    for (int trial = 0; trial < 400; ++trial) {
        const int n = 1 + int(random() % 300);
        std::vector<QString> keys = SortedTitles(random, n, 1 + int(random() % 4));
        const int edits = 1 + int(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t row = random() % keys.size();
            switch (random() % 3) {
                case 0:  // renamed to another title of the table
                    keys[row] = keys[random() % keys.size()];
                    break;
                case 1:  // renamed to one of its own
                    keys[row] = QStringLiteral("t%1").arg(int(random() % 400), 6, 10, QChar(u'0'));
                    break;
                default:  // a new entry at the end
                    keys.push_back(keys[random() % keys.size()]);
            }
        }
        ASSERT_EQ(Computed(keys), ExchangeSort(keys)) << "trial " << trial;
    }
}

// The program's comparison: case, accents, canonical equivalents, ignorable
// and supplementary characters, in tables with repeated titles.
TEST(MainWindowSortOrder, MatchesTheExchangeSortWithTheProgramsComparison) {
    const std::vector<QString> texts{QString(),
                                     QStringLiteral("a"),
                                     QStringLiteral("A"),
                                     QStringLiteral("ab"),
                                     QStringLiteral("Apple"),
                                     QStringLiteral("apple"),
                                     QString::fromUtf8("\u00E9"),
                                     QString::fromUtf8("e\u0301"),
                                     QStringLiteral("e"),
                                     QString::fromUtf8("a\u200B"),
                                     QString::fromUcs4(U"\U0001F600"),
                                     QStringLiteral("10"),
                                     QStringLiteral("9"),
                                     QStringLiteral(" a")};
    std::mt19937 random(3);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<QString> keys;
        const int n = int(random() % 40);
        for (int i = 0; i < n; ++i)
            keys.push_back(texts[random() % texts.size()]);
        if (trial % 2)
            std::sort(keys.begin(), keys.begin() + n / 2, TextLess);
        ASSERT_EQ(Computed(keys), ExchangeSort(keys)) << "trial " << trial;
    }
}

// Sorting when the title field loses the focus must cost little more than
// looking at each row once: a table in order is one comparison per row, and
// an entry renamed or added in a large document a few more.
TEST(MainWindowSortOrder, ComparesLittleMoreThanOncePerRowWhenNearlyInOrder) {
    std::mt19937 random(11);
    std::vector<QString> keys = SortedTitles(random, 2001, 3);
    int comparisons = 0;
    std::vector<int> identity(keys.size());
    std::iota(identity.begin(), identity.end(), 0);
    EXPECT_EQ(Computed(keys, &comparisons), identity);
    EXPECT_EQ(comparisons, 2000);

    struct Edit {
        const char* name;
        std::size_t row;
        QString title;
    };
    for (const Edit& edit :
         {Edit{"last to the top", keys.size() - 1, QStringLiteral("!")},
          Edit{"first to the end", 0, QStringLiteral("z")}, Edit{"middle to the end", 1000, QStringLiteral("z")},
          Edit{"middle to a twin", 1000, keys[20]}, Edit{"added", keys.size(), keys[1500]}}) {
        std::vector<QString> edited = keys;
        if (edit.row == edited.size())
            edited.push_back(edit.title);
        else
            edited[edit.row] = edit.title;
        EXPECT_EQ(Computed(edited, &comparisons), ExchangeSort(edited)) << edit.name;
        EXPECT_LT(comparisons, 2000 + 60) << edit.name;
    }
}

}  // namespace
