#include <random>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "game/RefutedSet.h"

// Positions kept across many growths, and keys that differ only in their
// last word never taken for one another.
TEST(RefutedSet, KeepsEveryPositionThroughGrowthAndTellsNearKeysApart)
{
    std::mt19937_64 random(7);
    RefutedSet set(3);
    std::set<std::vector<uint64_t>> kept;
    for (int i = 0; i < 20000; ++i) {
        std::vector<uint64_t> key = {random(), random() & 0xffff, static_cast<uint64_t>(i % 3)};
        set.insert(key.data());
        kept.insert(key);
    }
    EXPECT_EQ(kept.size(), set.size());
    for (const auto& key : kept)
        ASSERT_TRUE(set.contains(key.data()));
    for (const auto& key : kept) {
        std::vector<uint64_t> near = key;
        near[2] += 3;  // outside the values used
        ASSERT_FALSE(set.contains(near.data()));
    }
    std::vector<uint64_t> again = *kept.begin();
    set.insert(again.data());  // a second insert adds nothing
    EXPECT_EQ(kept.size(), set.size());
}
