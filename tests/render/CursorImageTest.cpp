#include <gtest/gtest.h>

#include "render/CursorImage.h"

TEST(CursorImageTest, TheThreePointersAreWholePicturesWithTheirHotSpots)
{
    struct Case {
        const char* const* rows;
        int hotX, hotY;
    } cases[] = {{CursorImage::openHand, 10, 14}, {CursorImage::closedHand, 10, 14},
                 {CursorImage::textBeam, 14, 11}};
    for (const Case& c : cases) {
        CursorImage image;
        ASSERT_TRUE(image.parse(c.rows, CursorImage::rowCount));
        EXPECT_EQ(32, image.width);
        EXPECT_EQ(32, image.height);
        EXPECT_EQ(c.hotX, image.hotX);
        EXPECT_EQ(c.hotY, image.hotY);
        ASSERT_EQ(128u, image.data.size());
        // The hot spot lies on a drawn pixel, and every black pixel is drawn.
        const size_t hot = static_cast<size_t>(image.hotY * 4 + image.hotX / 8);
        EXPECT_TRUE(image.mask[hot] & (0x80 >> (image.hotX % 8)));
        for (size_t i = 0; i < image.data.size(); ++i)
            EXPECT_EQ(0, image.data[i] & ~image.mask[i]);
    }
}

TEST(CursorImageTest, PixelsBecomeDataAndMaskBitsLeftmostHighest)
{
    const char* rows[] = {"16 2 3 1", "X c #000000", ". c #FFFFFF", "  c None",
                          "X.      X       ", "       .      .X", "3,1"};
    CursorImage image;
    ASSERT_TRUE(image.parse(rows, 7));
    EXPECT_EQ(16, image.width);
    EXPECT_EQ(2, image.height);
    EXPECT_EQ(3, image.hotX);
    EXPECT_EQ(1, image.hotY);
    EXPECT_EQ((std::vector<unsigned char>{0x80, 0x80, 0x00, 0x01}), image.data);
    EXPECT_EQ((std::vector<unsigned char>{0xC0, 0x80, 0x01, 0x03}), image.mask);
}

TEST(CursorImageTest, BrokenPicturesAreRefusedAndLeaveNothing)
{
    const char* narrow[] = {"12 1 1 1", "X c #000000", "XXXXXXXXXXXX", "0,0"};
    const char* unknownPixel[] = {"8 1 1 1", "X c #000000", "XXXX?XXX", "0,0"};
    const char* shortRow[] = {"8 2 1 1", "X c #000000", "XXXXXXXX", "XXX", "0,0"};
    const char* hotOutside[] = {"8 1 1 1", "X c #000000", "XXXXXXXX", "8,0"};
    const char* badColour[] = {"8 1 1 1", "X c black", "XXXXXXXX", "0,0"};
    const char* noHeader[] = {"", "X c #000000", "XXXXXXXX", "0,0"};
    const char* rowsMissing[] = {"8 4 1 1", "X c #000000", "XXXXXXXX", "0,0"};
    const char* const* pictures[] = {narrow, unknownPixel, hotOutside, badColour, noHeader};
    for (const char* const* rows : pictures) {
        CursorImage image;
        EXPECT_FALSE(image.parse(rows, 4)) << rows[0] << " / " << rows[1] << " / " << rows[2];
        EXPECT_EQ(0, image.width);
        EXPECT_TRUE(image.data.empty());
    }
    CursorImage image;
    EXPECT_FALSE(image.parse(shortRow, 5));
    EXPECT_FALSE(image.parse(rowsMissing, 4));
    EXPECT_FALSE(image.parse(nullptr, 0));
}
