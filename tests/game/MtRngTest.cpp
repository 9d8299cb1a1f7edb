#include <gtest/gtest.h>

#include <random>

#include "game/MtRng.h"

// The published reference outputs of MT19937.
TEST(MtRng, SingleWordSeedMatchesReferenceSequence)
{
    MtRng<Mt32Traits> rng(5489u);
    const uint32_t expected[10] = {3499211612u, 581869302u, 3890346734u, 3586334585u, 545404204u,
                                   4161255391u, 3922919429u, 949333985u, 2715962298u, 1323567403u};
    for (uint32_t e : expected)
        EXPECT_EQ(rng(), e);

    // Far past several twists it still agrees with the standard library's
    // engine, whose 10000th output for this seed is fixed by the standard.
    MtRng<Mt32Traits> ours(5489u);
    std::mt19937 reference(5489u);
    uint32_t last = 0;
    for (int i = 0; i < 10000; ++i) {
        last = ours();
        ASSERT_EQ(last, reference()) << "at draw " << i;
    }
    EXPECT_EQ(last, 4123659995u);
}

TEST(MtRng, ArraySeedMatchesReferenceSequence)
{
    const uint32_t key[4] = {0x123, 0x234, 0x345, 0x456};
    MtRng<Mt32Traits> rng;
    rng.seed(key, 4);
    const uint32_t expected[10] = {1067595299u, 955945823u, 477289528u, 4107218783u, 4228976476u,
                                   3344332714u, 3355579695u, 227628506u, 810200273u, 2591290167u};
    for (uint32_t e : expected)
        EXPECT_EQ(rng(), e);
}

TEST(MtRng, ReseedingRestartsTheSequence)
{
    const uint32_t key[4] = {42u + 0x12345u, 42u + 0x23456u, 42u + 0x34567u, 42u + 0x45678u};
    MtRng<Mt32Traits> a, b;
    a.seed(key, 4);
    for (int i = 0; i < 1000; ++i)
        a();
    a.seed(key, 4);
    b.seed(key, 4);
    for (int i = 0; i < 2000; ++i)
        ASSERT_EQ(a(), b());
}
