#include <gtest/gtest.h>
#include <GL/gl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "support/RecordingRenderer.h"
#include "support/WorkDir.h"
#include "render/GLRender.h"
#include "render/Material.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"


namespace {
// The OpenGL renderer with no window: pictures are decoded, nothing is
// uploaded.
class TextureTest : public ::testing::Test {
protected:
    WorkDir dir;
    RenderEngine engine{new GLRender};
    ~TextureTest() override { engine.clean_up(); }

    std::unique_ptr<Texture> load(const std::string& file, unsigned int format = 0)
    {
        return std::make_unique<Texture>(&engine, file, format, "");
    }
};

std::vector<int> pixel(const Texture& t, int x, int y)
{
    const int step = t.bpp / 8;
    const unsigned char* p = t.pixels + t.surface->pitch * y + step * x;
    return std::vector<int>(p, p + step);
}

bool registered(const Texture* t)
{
    return std::find(Texture::textures.begin(), Texture::textures.end(), t) != Texture::textures.end();
}

std::string tga(int type, int width, int height, int depth, int descriptor, const std::string& data)
{
    std::string h(18, '\0');
    h[2] = static_cast<char>(type);
    h[12] = static_cast<char>(width & 0xFF);
    h[13] = static_cast<char>(width >> 8);
    h[14] = static_cast<char>(height & 0xFF);
    h[15] = static_cast<char>(height >> 8);
    h[16] = static_cast<char>(depth);
    h[17] = static_cast<char>(descriptor);
    return h + data;
}
}

TEST_F(TextureTest, PicturesAreKeptBottomRowFirstInRedGreenBlueOrder)
{
    dir.clearLog();
    auto t = load(WorkDir::dataDir() + "quad_rgba.png");
    EXPECT_EQ(WorkDir::countOf(dir.log(), "Loaded texture file: " + WorkDir::dataDir() + "quad_rgba.png"), 1);
    EXPECT_TRUE(registered(t.get()));
    EXPECT_EQ(t->width, 2);
    EXPECT_EQ(t->height, 2);
    EXPECT_EQ(t->bpp, 32);
    EXPECT_TRUE(t->flipped);
    EXPECT_EQ(t->format, static_cast<unsigned int>(GL_RGBA));
    ASSERT_EQ(t->pixels, t->surface->pixels);
    EXPECT_EQ(pixel(*t, 0, 0), (std::vector<int>{0, 0, 255, 255}));      // blue, bottom left
    EXPECT_EQ(pixel(*t, 1, 0), (std::vector<int>{255, 255, 255, 128}));  // half-transparent white
    EXPECT_EQ(pixel(*t, 0, 1), (std::vector<int>{255, 0, 0, 255}));      // red, top left
    EXPECT_EQ(pixel(*t, 1, 1), (std::vector<int>{0, 255, 0, 255}));

    // A 24-bit picture comes out opaque in the same layout; GL_BGRA keeps
    // the decoded byte order.
    auto bmp = load(WorkDir::dataDir() + "rgb24.bmp");
    EXPECT_EQ(bmp->bpp, 32);
    EXPECT_EQ(pixel(*bmp, 2, 0), (std::vector<int>{160, 170, 180, 255}));
    EXPECT_EQ(pixel(*bmp, 0, 1), (std::vector<int>{10, 20, 30, 255}));
    auto bgra = load(WorkDir::dataDir() + "rgb24.bmp", GL_BGRA);
    EXPECT_EQ(pixel(*bgra, 0, 1), (std::vector<int>{30, 20, 10, 255}));
    EXPECT_EQ(bgra->format, static_cast<unsigned int>(GL_BGRA));
}

TEST_F(TextureTest, LookupFindsMaterialsThenRegisteredTexturesThenLoads)
{
    const std::string file = WorkDir::dataDir() + "quad_rgba.png";
    dir.clearLog();
    Texture* a = engine.renderer->loadTexture(file);
    Texture* b = engine.renderer->loadTexture(file);
    EXPECT_EQ(a, b);
    Texture* missing = engine.renderer->loadTexture("absent.png");
    EXPECT_EQ(engine.renderer->loadTexture("absent.png"), missing);
    EXPECT_TRUE(registered(missing));
    EXPECT_EQ(missing->pixels, nullptr);
    const std::string text = dir.log();
    EXPECT_EQ(WorkDir::countOf(text, "Loaded texture file: "), 1);
    EXPECT_EQ(WorkDir::countOf(text, "Missing texture file: absent.png"), 1);

    // A material's diffuse map of that name comes before the list.
    Material* m = new Material;
    m->diffuseMap = new Texture(&engine, file, 0, "");
    engine.materials.push_back(m);
    EXPECT_EQ(engine.renderer->loadTexture(file), m->diffuseMap);

    delete a;
    delete missing;
    EXPECT_FALSE(registered(a));
    EXPECT_FALSE(registered(missing));
}

TEST_F(TextureTest, CopiesAndDeletionLeaveWhatOthersUse)
{
    auto t = load(WorkDir::dataDir() + "quad_rgba.png");
    const size_t count = Texture::textures.size();
    {
        Texture copy(*t);
        EXPECT_EQ(copy.pixels, t->pixels);
        EXPECT_EQ(copy.fileName, t->fileName);
        EXPECT_EQ(Texture::textures.size(), count);  // copies are not registered
    }
    ASSERT_NE(t->surface, nullptr);
    EXPECT_EQ(pixel(*t, 0, 1), (std::vector<int>{255, 0, 0, 255}));

    // Taken out of the list, the texture keeps its picture until destroyed.
    t->deleteTexture();
    EXPECT_FALSE(registered(t.get()));
    EXPECT_NE(t->surface, nullptr);

    // A texture without a file (a movie frame) is registered for re-upload.
    auto empty = std::make_unique<Texture>(&engine, "", 0, "movie frame");
    EXPECT_TRUE(registered(empty.get()));
}

TEST_F(TextureTest, ReloadingAndSwappingKeepAPictureToReUpload)
{
    auto t = load(WorkDir::dataDir() + "quad_rgba.png");
    unsigned char* before = t->pixels;
    t->removeTexture();
    t->reloadTexture();
    EXPECT_EQ(t->pixels, before);
    EXPECT_EQ(t->format, static_cast<unsigned int>(GL_RGBA));

    dir.clearLog();
    EXPECT_FALSE(t->swapImage("absent.png", 0));
    EXPECT_NE(dir.log().find("Missing texture file: absent.png"), std::string::npos);
    EXPECT_EQ(t->pixels, before);  // the old picture stays
    EXPECT_TRUE(t->flipped);

    EXPECT_TRUE(t->swapImage(WorkDir::dataDir() + "quad_black.png", 0));
    EXPECT_FALSE(t->flipped);
    EXPECT_EQ(t->format, static_cast<unsigned int>(GL_BGRA));
    EXPECT_EQ(pixel(*t, 0, 0), (std::vector<int>{0, 0, 0, 255}));

    EXPECT_TRUE(t->getImageData(WorkDir::dataDir() + "rgb24.bmp", nullptr, 0));
    EXPECT_EQ(t->width, 3);
    EXPECT_EQ(t->pixels, t->surface->pixels);  // never left pointing at a freed picture
}

TEST_F(TextureTest, TGAFiles)
{
    // 2 x 2, 32 bits, stored bottom row first: blue-green-red-alpha bytes.
    std::string data;
    for (int i = 0; i < 4; ++i)
        data += std::string{static_cast<char>(i), 0, 0, static_cast<char>(255)};
    WorkDir::write("bottom.tga", tga(2, 2, 2, 32, 0, data));
    WorkDir::write("top.tga", tga(2, 2, 2, 32, 0x20, data));
    WorkDir::write("rgb.tga", tga(2, 2, 1, 24, 0, std::string{1, 2, 3, 4, 5, 6}));
    WorkDir::write("short.tga", tga(2, 2, 2, 32, 0, data.substr(0, 9)));
    WorkDir::write("rle.tga", tga(10, 2, 2, 32, 0, data));
    WorkDir::write("huge.tga", tga(2, 65535, 65535, 32, 0, data));

    auto t = std::make_unique<Texture>(&engine, "", 0, "tga");
    ASSERT_TRUE(t->loadTGA("bottom.tga"));
    EXPECT_EQ(t->width, 2);
    EXPECT_TRUE(t->flipped);
    EXPECT_EQ(t->format, static_cast<unsigned int>(GL_BGRA));
    EXPECT_EQ(pixel(*t, 1, 0)[0], 1);
    EXPECT_EQ(pixel(*t, 0, 1)[0], 2);
    ASSERT_TRUE(t->loadTGA("top.tga"));
    EXPECT_EQ(pixel(*t, 0, 0)[0], 2);  // top row first in the file: reversed
    EXPECT_EQ(pixel(*t, 0, 1)[0], 0);
    ASSERT_TRUE(t->loadTGA("rgb.tga"));
    EXPECT_EQ(t->format, static_cast<unsigned int>(GL_BGR));
    EXPECT_EQ(pixel(*t, 1, 0), (std::vector<int>{4, 5, 6}));

    dir.clearLog();
    for (const char* bad : {"short.tga", "rle.tga", "huge.tga", "absent.tga"})
        EXPECT_FALSE(t->loadTGA(bad)) << bad;
    EXPECT_EQ(WorkDir::countOf(dir.log(), "TGA file: "), 3);
    EXPECT_EQ(pixel(*t, 1, 0), (std::vector<int>{4, 5, 6}));  // still the last good picture
}
