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

TEST(RandomSource, OverrideIsScoped) {
    testing::FixedRandom fixed({7});
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
