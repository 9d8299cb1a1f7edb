#include <gtest/gtest.h>

#include <random>

#include "base/MtRng.h"

// MT19937 as published: the standard library's engine for a one-word seed,
// the reference outputs of init_by_array for an array seed.
TEST(MtRng, MatchesTheReferenceSequences)
{
    MtRng<Mt32Traits> ours(5489u);
    std::mt19937 reference(5489u);
    for (int i = 0; i < 10000; ++i)
        ASSERT_EQ(reference(), ours()) << "draw " << i;

    const uint32_t key[4] = {0x123, 0x234, 0x345, 0x456};
    MtRng<Mt32Traits> rng;
    for (int round = 0; round < 2; ++round) {  // seeding again starts again
        rng.seed(key, 4);
        for (uint32_t e : {1067595299u, 955945823u, 477289528u, 4107218783u, 4228976476u})
            EXPECT_EQ(e, rng());
    }
}
