// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/fixed_random.h"

namespace sorvane {
namespace {

TEST(RandomSource, SharedSourceStaysInRangeAndReachesEveryValue) {
    for (std::uint32_t m : {1u, 2u, 62u, 171u, 256u, 257u, 100000u}) {
        std::vector<int> seen(std::min<std::uint32_t>(m, 300), 0);
        for (int i = 0; i < 20000; ++i) {
            const std::uint32_t v = RandomBelow(m);
            ASSERT_LT(v, m);
            if (v < seen.size()) {
                seen[v] = 1;
            }
        }
        if (m <= 300) {
            EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), static_cast<int>(m)) << m;
        }
    }
}

// Chi-square of counts against a uniform spread over m values.
double ChiSquare(const std::vector<int>& counts, int draws) {
    const double expected = static_cast<double>(draws) / counts.size();
    double sum = 0;
    for (int count : counts) sum += (count - expected) * (count - expected) / expected;
    return sum;
}

TEST(RandomSource, SingleAndBulkDrawsAreUniform) {
    constexpr int kDraws = 171 * 3000;
    std::vector<int> single(171), bulk(171);
    for (int i = 0; i < kDraws; ++i) ++single[RandomBelow(171)];
    std::vector<std::uint8_t> values(kDraws);
    RandomFillBelow(171, values.data(), values.size());
    for (std::uint8_t v : values) {
        ASSERT_LT(v, 171);
        ++bulk[v];
    }
    // 170 degrees of freedom: the 99.99th percentile is about 243.
    EXPECT_LT(ChiSquare(single, kDraws), 243.0);
    EXPECT_LT(ChiSquare(bulk, kDraws), 243.0);
    // Bulk draws of a size that is no multiple of the digits per word, and other ranges.
    for (std::uint32_t m : {1u, 2u, 62u, 153u, 256u}) {
        std::vector<std::uint8_t> few(7);
        RandomFillBelow(m, few.data(), few.size());
        for (std::uint8_t v : few) EXPECT_LT(v, m);
    }
}

TEST(RandomSource, OverrideIsScoped) {
    test_support::FixedRandom fixed({7});
    {
        ScopedRandomSource scope(fixed);
        EXPECT_EQ(RandomBelow(100), 7u);
    }
    EXPECT_EQ(fixed.draws(), 1u);
    RandomBelow(100);
    EXPECT_EQ(fixed.draws(), 1u);
}

}  // namespace
}  // namespace sorvane
