#include <gtest/gtest.h>

#include "render/CursorImage.h"

TEST(CursorImageTest, TheThreePointersParseWithTheHotSpotOnADrawnPixel)
{
    for (const char* const* rows : {CursorImage::openHand, CursorImage::closedHand, CursorImage::textBeam}) {
        CursorImage image;
        ASSERT_TRUE(image.parse(rows, CursorImage::rowCount));
        ASSERT_EQ(128u, image.data.size());  // 32 x 32
        // The hot spot lies on a drawn pixel, and every black pixel is drawn.
        const size_t hot = static_cast<size_t>(image.hotY * 4 + image.hotX / 8);
        EXPECT_TRUE(image.mask[hot] & (0x80 >> (image.hotX % 8)));
        for (size_t i = 0; i < image.data.size(); ++i)
            EXPECT_EQ(0, image.data[i] & ~image.mask[i]);
    }
}
