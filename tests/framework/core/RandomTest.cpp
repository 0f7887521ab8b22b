#include "framework/core/Random.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

TEST(Random, StaysWithinBoundsAndReachesBothEnds) {
    const struct {
        qint64 min;
        qint64 max;
    } ranges[] = {{1, 5}, {1, 42}, {-3, 3}, {7, 7}, {0, 1}};
    Random r;
    for (const auto& range : ranges) {
        bool sawMin = false;
        bool sawMax = false;
        for (int i = 0; i < 2000; ++i) {
            const qint64 v = r.InRange(range.min, range.max);
            ASSERT_GE(v, range.min);
            ASSERT_LE(v, range.max);
            sawMin |= v == range.min;
            sawMax |= v == range.max;
        }
        EXPECT_TRUE(sawMin) << range.min << ".." << range.max;
        EXPECT_TRUE(sawMax) << range.min << ".." << range.max;
    }
}

TEST(Random, SwappedBoundsStayWithin) {
    Random r;
    for (int i = 0; i < 200; ++i) {
        const qint64 v = r.InRange(10, 1);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 10);
    }
}

TEST(Random, WideRanges) {
    constexpr qint64 lo = std::numeric_limits<qint64>::min();
    constexpr qint64 hi = std::numeric_limits<qint64>::max();
    Random r;
    int negative = 0;
    int upperHalf = 0;
    for (int i = 0; i < 1000; ++i) {
        negative += r.InRange(lo, hi) < 0;
        const qint64 v = r.InRange(hi - 1, hi);
        ASSERT_GE(v, hi - 1);
        const qint64 w = r.InRange(lo, lo + 1);
        ASSERT_LE(w, lo + 1);
        // A span just over 2^62: both halves must be drawn.
        const qint64 u = r.InRange(0, (qint64(1) << 62) + 5);
        ASSERT_GE(u, 0);
        ASSERT_LE(u, (qint64(1) << 62) + 5);
        upperHalf += u > (qint64(1) << 61);
    }
    EXPECT_GT(negative, 400);
    EXPECT_LT(negative, 600);
    EXPECT_GT(upperHalf, 400);
    EXPECT_LT(upperHalf, 600);
}

TEST(Random, ChiSquareIsUniform) {
    // 42 bins, 42000 draws: 41 degrees of freedom. The 99.99th percentile is
    // about 84; a uniform source stays under 100 virtually always.
    constexpr int bins = 42;
    constexpr int draws = bins * 1000;
    std::vector<int> counts(bins, 0);
    Random r;
    for (int i = 0; i < draws; ++i)
        ++counts[size_t(r.InRange(1, bins) - 1)];
    const double expected = double(draws) / bins;
    double chi2 = 0;
    for (int c : counts)
        chi2 += (c - expected) * (c - expected) / expected;
    EXPECT_LT(chi2, 100.0);
}

}  // namespace
