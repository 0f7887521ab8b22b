#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "document/MainWindowSortOrder.h"

namespace {

// The exchange sort itself, on row indices.
std::vector<int> ExchangeSort(const std::vector<QByteArray>& keys) {
    std::vector<int> rows(keys.size());
    std::iota(rows.begin(), rows.end(), 0);
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j)
            if (keys[std::size_t(rows[j])] < keys[std::size_t(rows[i])])
                std::swap(rows[i], rows[j]);
    return rows;
}

std::vector<QByteArray> Keys(const char* letters) {
    std::vector<QByteArray> keys;
    for (const char* c = letters; *c; ++c)
        keys.push_back(QByteArray(1, *c));
    return keys;
}

TEST(MainWindowSortOrder, EqualKeysPassedBySmallerOnesChangeOrder) {
    // "B" (first), "B" (second), "A": the second B ends before the first.
    EXPECT_EQ(MainWindowSortOrder::Compute(Keys("BBA")), (std::vector<int>{2, 1, 0}));
}

TEST(MainWindowSortOrder, MatchesTheExchangeSortOnHandPickedTables) {
    for (const char* table : {"", "a", "ab", "ba", "aa", "bab", "abab", "baab", "cbcaba", "bbbba", "abbbb", "cacbcb",
                              "dcbadcba", "aaaaaa"}) {
        const auto keys = Keys(table);
        EXPECT_EQ(MainWindowSortOrder::Compute(keys), ExchangeSort(keys)) << table;
    }
}

TEST(MainWindowSortOrder, MatchesTheExchangeSortOnRandomTablesWithManyEqualKeys) {
    std::mt19937 random(20240611);
    for (int trial = 0; trial < 3000; ++trial) {
        const int size = int(random() % 60);
        const int distinct = 1 + int(random() % 6);
        std::vector<QByteArray> keys;
        for (int i = 0; i < size; ++i)
            keys.push_back(QByteArray(1, char('a' + random() % unsigned(distinct))));
        ASSERT_EQ(MainWindowSortOrder::Compute(keys), ExchangeSort(keys)) << "trial " << trial;
    }
}

TEST(MainWindowSortOrder, MatchesTheExchangeSortOnLargerTables) {
    std::mt19937 random(7);
    for (int distinct : {2, 30, 400}) {
        std::vector<QByteArray> keys;
        for (int i = 0; i < 1500; ++i)
            keys.push_back(QByteArray::number(int(random() % unsigned(distinct))));
        EXPECT_EQ(MainWindowSortOrder::Compute(keys), ExchangeSort(keys)) << distinct;
    }
}

TEST(MainWindowSortOrder, InOrderAllowsEqualNeighbours) {
    EXPECT_TRUE(MainWindowSortOrder::IsInOrder(Keys("")));
    EXPECT_TRUE(MainWindowSortOrder::IsInOrder(Keys("aabbc")));
    EXPECT_FALSE(MainWindowSortOrder::IsInOrder(Keys("aabba")));
}

}  // namespace
