#include <gtest/gtest.h>

#include <algorithm>

#include "support/RecordingRenderer.h"
#include "support/WorkDir.h"
#include "render/Material.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"


namespace {
class MaterialTest : public ::testing::Test {
protected:
    WorkDir dir;
    RenderEngine engine{new Renderer};
    ~MaterialTest() override { engine.clean_up(); }
};

bool registered(const Texture* t)
{
    return std::find(Texture::textures.begin(), Texture::textures.end(), t) != Texture::textures.end();
}
}

TEST_F(MaterialTest, EveryKeywordFillsItsField)
{
    WorkDir::write("m.mtl",
              "Kd 0 0 0\n"  // before any material: ignored
              "newmtl First\n"
              "  illum 2\n"
              "Ka 0.1 0.2 0.3\nKd 0.5 0.5 0.5\nKs 0.7 0.8 0.9\nKe 0.4 0.3 0.2\n"
              "Ns 64\nd 0.25\nkd 9 9 9\n"
              "map_Ka a.png\nmap_Kd d.png\nmap_Ks s.png\nmap_Ke e.png\nmap_Ns n.png\n"
              "map_d o.png\nmap_Bump b.png\nmap_Kd d2.png\n"
              "newmtl Second\nTf 0.3 0.6 0.9\n"
              "newmtl Third\nTf 0.3 0.6 0.9\nd 1\n"
              "newmtl Fourth\nTr 0.5\nKd 0.1 bad 0.3\n");
    Material* first = Material::loadFile(&engine, "m.mtl");
    ASSERT_EQ(engine.materials.size(), 4u);
    ASSERT_EQ(first, engine.materials[0]);
    EXPECT_EQ(first->name, "First");
    EXPECT_EQ(first->file, "m.mtl");
    EXPECT_EQ(first->illum, 2.0f);
    EXPECT_EQ(first->ambient[2], 0.3f);
    EXPECT_EQ(first->ambient[3], 1.0f);
    EXPECT_EQ(first->diffuse[0], 0.5f);  // "kd" is another keyword
    EXPECT_EQ(first->specular[1], 0.8f);
    EXPECT_EQ(first->emission[0], 0.4f);
    EXPECT_EQ(first->shininess, 64.0f);
    EXPECT_EQ(first->alpha, 0.25f);
    const std::pair<Texture*, const char*> maps[] = {
        {first->ambientMap, "a.png"}, {first->diffuseMap, "d2.png"}, {first->specularMap, "s.png"},
        {first->emissiveMap, "e.png"}, {first->shininessMap, "n.png"}, {first->alphaMap, "o.png"},
        {first->bumpMap, "b.png"}};
    for (const auto& [texture, file] : maps) {
        ASSERT_NE(texture, nullptr) << file;
        EXPECT_EQ(texture->fileName, file);
        EXPECT_TRUE(registered(texture));
    }
    EXPECT_FLOAT_EQ(engine.materials[1]->alpha, 0.6f);
    EXPECT_EQ(engine.materials[2]->alpha, 1.0f);
    EXPECT_EQ(engine.materials[3]->alpha, 0.5f);
    EXPECT_EQ(engine.materials[3]->diffuse[0], 1.0f);  // a broken colour changes nothing
}

TEST_F(MaterialTest, EachFileIsReadOnceAndTextureNamesFollowItsDirectory)
{
    const std::string file = WorkDir::dataDir() + "cube.mtl";
    Material* first = Material::loadFile(&engine, file);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->name, "Box_Material");
    EXPECT_EQ(first->diffuseMap->fileName, WorkDir::dataDir() + "quad_rgba.png");
    EXPECT_EQ(engine.tileMaterial, engine.materials[1]);
    const size_t count = engine.materials.size();
    const size_t textures = Texture::textures.size();

    EXPECT_EQ(Material::loadFile(&engine, file), first);
    EXPECT_EQ(engine.materials.size(), count);
    EXPECT_EQ(Texture::textures.size(), textures);

    // A later "Tile_Material" takes over.
    WorkDir::write("other.mtl", "newmtl Tile_Material\n");
    Material::loadFile(&engine, "other.mtl");
    EXPECT_EQ(engine.tileMaterial, engine.materials.back());
}

TEST_F(MaterialTest, MissingFilesAndLongLines)
{
    {
        dir.clearLog();
        EXPECT_EQ(Material::loadFile(&engine, "absent.mtl"), nullptr);
        EXPECT_EQ(dir.log(), "");  // skipped without a word
    }
    WorkDir::write("long.mtl", "newmtl A\nmap_Kd " + std::string(400, 'x') + "\nNs 5\n");
    dir.clearLog();
    Material* m = Material::loadFile(&engine, "long.mtl");
    EXPECT_NE(dir.log().find("Line too long in material file: long.mtl"), std::string::npos);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->diffuseMap, nullptr);
    EXPECT_EQ(m->shininess, 5.0f);
}
