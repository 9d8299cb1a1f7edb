#include <gtest/gtest.h>

#include <SDL/SDL_image.h>

#include <cstring>

#include "render/PictureDecoder.h"
#include "render/Texture.h"
#include "support/WorkDir.h"

namespace {
bool samePixels(SDL_Surface* a, SDL_Surface* b)
{
    if (!a || !b || a->w != b->w || a->h != b->h || a->pitch != b->pitch
        || a->format->BitsPerPixel != b->format->BitsPerPixel)
        return false;
    return std::memcmp(a->pixels, b->pixels, static_cast<size_t>(a->pitch) * a->h) == 0;
}
}

// A picture decoded ahead is the one the main thread would have decoded;
// one that fails, one never listed and one taken twice come back null, so
// that the caller decodes (and logs) them itself. Pictures nobody takes are
// freed by stop (the sanitizer build reports a leak otherwise).
TEST(PictureDecoderTest, HandsOverEachListedPictureOnce)
{
    WorkDir dir;
    const std::string rgba = WorkDir::dataDir() + "quad_rgba.png";
    const std::string black = WorkDir::dataDir() + "quad_black.png";
    PictureDecoder decoder;
    decoder.start({rgba, "absent.png", black, rgba});
    SDL_Surface* ahead = decoder.take(rgba);
    SDL_Surface* own = Texture::decodeFile(rgba);
    EXPECT_TRUE(samePixels(ahead, own));
    EXPECT_EQ(decoder.take("absent.png"), nullptr);
    EXPECT_EQ(decoder.take("never listed.png"), nullptr);
    SDL_Surface* again = decoder.take(rgba);  // listed twice: the second entry
    EXPECT_TRUE(samePixels(again, own));
    EXPECT_EQ(decoder.take(rgba), nullptr);
    decoder.stop();
    EXPECT_EQ(decoder.take(black), nullptr);
    for (SDL_Surface* s : {ahead, own, again})
        SDL_FreeSurface(s);
}

// The quick copy of whole-byte pictures gives exactly what SDL's general
// converter gives, for pictures with and without alpha.
TEST(PictureDecoderTest, QuickConversionEqualsSDLs)
{
    for (const char* name : {"quad_rgba.png", "rgb24.bmp", "quad_black.png"}) {
        SDL_Surface* loaded = IMG_Load((WorkDir::dataDir() + name).c_str());
        ASSERT_NE(loaded, nullptr) << name;
        SDL_Surface* quick = Texture::toDisplayLayout(loaded);
        SDL_Surface* model = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, quick->format->Rmask, quick->format->Gmask,
                                                  quick->format->Bmask, quick->format->Amask);
        SDL_Surface* general = SDL_ConvertSurface(loaded, model->format, SDL_SWSURFACE);
        EXPECT_TRUE(samePixels(quick, general)) << name;
        for (SDL_Surface* s : {loaded, quick, model, general})
            SDL_FreeSurface(s);
    }
}

// Only what the header shows to be a PNG of a sane size is decoded ahead: a
// stray huge picture in a folder must not cost the start-up its memory.
TEST(PictureDecoderTest, LeavesOddAndHugeFilesToTheMainThread)
{
    WorkDir dir;
    EXPECT_TRUE(PictureDecoder::plainPicture(WorkDir::dataDir() + "quad_rgba.png"));
    const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    WorkDir::write("huge.png", png + std::string("\0\1\0\0\0\1\0\0", 8));    // 65536 x 65536
    WorkDir::write("fine.png", png + std::string("\0\0\x10\0\0\0\x10\0", 8));  // 4096 x 4096
    WorkDir::write("text.png", "not a picture at all, just text");
    WorkDir::write("short.png", png.substr(0, 10));
    EXPECT_FALSE(PictureDecoder::plainPicture("huge.png"));
    EXPECT_TRUE(PictureDecoder::plainPicture("fine.png"));
    EXPECT_FALSE(PictureDecoder::plainPicture("text.png"));
    EXPECT_FALSE(PictureDecoder::plainPicture("short.png"));
    EXPECT_FALSE(PictureDecoder::plainPicture("absent.png"));
}

TEST(PictureDecoderTest, ListsTheFoldersPicturesSorted)
{
    const auto files = PictureDecoder::picturesIn(WorkDir::dataDir().substr(0, WorkDir::dataDir().size() - 1));
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], WorkDir::dataDir() + "quad_black.png");
    EXPECT_EQ(files[1], WorkDir::dataDir() + "quad_rgba.png");
    EXPECT_TRUE(PictureDecoder::picturesIn("no such folder").empty());
}
