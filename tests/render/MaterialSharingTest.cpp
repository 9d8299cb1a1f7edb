// Materials that name one picture share one texture: it is decoded once and
// lives until the last material holding it is destroyed.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "RenderTestSupport.h"
#include "support/WorkDir.h"
#include "render/GLRender.h"
#include "render/Material.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"

using namespace rendertest;

namespace {
bool registered(const Texture* t)
{
    return std::find(Texture::textures.begin(), Texture::textures.end(), t) != Texture::textures.end();
}
}

TEST(MaterialSharingTest, OnePictureNamedTwiceIsLoadedOnceAndFreedWithItsLastMaterial)
{
    WorkDir dir(std::string(), WorkDir::keepLog);
    RenderEngine engine{new GLRender};
    const std::string quad = dataDir() + "quad_rgba.png";
    writeFile("shared.mtl", "newmtl First\nmap_Kd " + quad + "\nmap_Ka " + quad + "\n"
                            "newmtl Second\nmap_Kd " + quad + "\nmap_Kd " + quad + "\n"
                            "map_Bump " + dataDir() + "rgb24.bmp\n");
    // A picture someone else owns is never handed to a material, which
    // could outlive it.
    auto own = std::make_unique<Texture>(&engine, dataDir() + "rgb24.bmp", 0, "");
    LogCapture log;
    Material* first = Material::loadFile(&engine, "shared.mtl");
    ASSERT_NE(first, nullptr);
    Material* second = engine.materials.back();
    ASSERT_NE(second, first);
    EXPECT_EQ(countOf(log.text(), "Loaded texture file: "), 2);
    Texture* shared = first->diffuseMap;
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(first->ambientMap, shared);
    EXPECT_EQ(second->diffuseMap, shared);
    ASSERT_NE(second->bumpMap, nullptr);
    EXPECT_NE(second->bumpMap, own.get());
    EXPECT_EQ(shared->materialUsers, 3);

    engine.materials.erase(std::find(engine.materials.begin(), engine.materials.end(), second));
    delete second;
    EXPECT_TRUE(registered(shared));
    EXPECT_EQ(shared->materialUsers, 2);
    engine.materials.erase(std::find(engine.materials.begin(), engine.materials.end(), first));
    delete first;
    EXPECT_FALSE(registered(shared));
    EXPECT_TRUE(registered(own.get()));
    own.reset();
    engine.clean_up();
}
