#include <gtest/gtest.h>
#include <GL/gl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "support/WorkDir.h"
#include "render/GLRender.h"
#include "render/Material.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"

namespace {
// The OpenGL renderer with no window: pictures are decoded, nothing is uploaded.
class TextureTest : public ::testing::Test {
protected:
    WorkDir dir;
    RenderEngine engine{std::make_unique<GLRender>()};
    ~TextureTest() override { engine.clean_up(); }
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
}

TEST_F(TextureTest, AFileIsLoadedOnceMissingOrNotAndFreedOnce)
{
    const std::string file = WorkDir::dataDir() + "quad_rgba.png";
    Texture* a = engine.renderer->loadTexture(file);
    EXPECT_EQ(engine.renderer->loadTexture(file), a);
    Texture* missing = engine.renderer->loadTexture("absent.png");
    EXPECT_EQ(engine.renderer->loadTexture("absent.png"), missing);
    EXPECT_EQ(missing->pixels, nullptr);
    EXPECT_EQ(dir.count("Loaded texture file: "), 1);
    EXPECT_EQ(dir.count("Missing texture file: absent.png"), 1);
    {
        Texture copy(*a);  // copies share the picture and are not registered
        EXPECT_EQ(copy.pixels, a->pixels);
    }
    EXPECT_EQ(pixel(*a, 0, 1), (std::vector<int>{255, 0, 0, 255}));
    engine.releaseSharedTexture(missing);
    EXPECT_FALSE(registered(missing));
    unsigned char* before = a->pixels;  // a swap to a missing picture keeps the old one
    EXPECT_FALSE(a->swapImage("absent.png", 0));
    EXPECT_EQ(a->pixels, before);
}

// Materials that name one picture share one texture: it is decoded once and
// lives until the last material holding it is destroyed.
TEST_F(TextureTest, MaterialsShareAPictureNamedTwiceAndFreeItWithTheLast)
{
    const std::string quad = WorkDir::dataDir() + "quad_rgba.png";
    WorkDir::write("shared.mtl", "newmtl First\nmap_Kd " + quad + "\nmap_Ka " + quad + "\n"
                   "newmtl Second\nmap_Kd " + quad + "\nmap_Bump " + WorkDir::dataDir() + "rgb24.bmp\n"
                   "newmtl Long\nmap_Kd " + std::string(400, 'x') + "\nNs 5\n");
    // A picture someone else owns is never handed to a material, which could outlive it.
    auto own = std::make_unique<Texture>(&engine, WorkDir::dataDir() + "rgb24.bmp", 0, "");
    dir.clearLog();
    Material* first = Material::loadFile(&engine, "shared.mtl");
    ASSERT_EQ(engine.materials.size(), 3u);
    EXPECT_EQ(Material::loadFile(&engine, "shared.mtl"), first);  // each file is read once
    EXPECT_EQ(engine.materials.size(), 3u);
    Material* second = engine.materials[1].get();
    EXPECT_EQ(dir.count("Loaded texture file: "), 2);
    Texture* shared = first->diffuseMap;
    EXPECT_EQ(first->ambientMap, shared);
    EXPECT_EQ(second->diffuseMap, shared);
    EXPECT_NE(second->bumpMap, own.get());
    EXPECT_EQ(dir.count("Line too long in material file: shared.mtl"), 1);
    EXPECT_EQ(engine.materials[2]->shininess, 5.0f);

    engine.materials.erase(engine.materials.begin() + 1);
    EXPECT_TRUE(registered(shared));
    engine.materials.erase(engine.materials.begin());
    EXPECT_FALSE(registered(shared));
    EXPECT_TRUE(registered(own.get()));
}
