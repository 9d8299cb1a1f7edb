// Loads every data file the game ships through the game's own readers and
// checks that none of them is missing a part or fails to load.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "render/Material.h"
#include "render/Model.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"
#include "render/Take.h"
#include "render/Texture.h"
#include "support/WorkDir.h"

namespace fs = std::filesystem;

namespace {
// Runs in the source tree, where the game's relative paths resolve; reads only.
class AssetSweep : public ::testing::Test {
protected:
    WorkDir dir{JADELOOM_SOURCE_DIR};

    static std::vector<std::string> shipped(const std::string& extension)
    {
        std::vector<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator("Assets"))
            if (entry.is_regular_file() && entry.path().extension() == extension)
                files.push_back(entry.path().generic_string());
        std::sort(files.begin(), files.end());
        return files;
    }

    void expectCleanLog()
    {
        std::istringstream lines(dir.log());
        std::string line;
        while (std::getline(lines, line)) {
            EXPECT_EQ(line.find("Missing"), std::string::npos) << line;
            EXPECT_EQ(line.find("Unable to load"), std::string::npos) << line;
            EXPECT_EQ(line.find("Could not"), std::string::npos) << line;
            EXPECT_EQ(line.find("Failed"), std::string::npos) << line;
            EXPECT_EQ(line.find("refused"), std::string::npos) << line;
        }
    }

    RenderEngine engine;  // the OpenGL renderer, with no window: nothing is uploaded
};
}

TEST_F(AssetSweep, ModelsMaterialsAndTheirTexturesLoad)
{
    const auto models = shipped(".obj");
    ASSERT_GE(models.size(), 3u);
    for (const std::string& path : models) {
        Model* m = engine.loadModel(path);
        ASSERT_FALSE(m->objects.empty()) << path;
        for (Object* o : m->objects) {
            EXPECT_GT(o->indexCount, 0) << path << " object " << o->name;
            EXPECT_EQ(o->indexCount % 3, 0) << path << " object " << o->name;
            if (!o->materialName.empty()) {
                EXPECT_NE(o->material, nullptr) << path << " usemtl " << o->materialName;
            }
        }
    }
    for (const std::string& path : shipped(".mtl"))
        EXPECT_NE(engine.renderer->loadMaterials(path), nullptr) << path;
    for (Material* m : engine.materials) {
        if (m->diffuseMap) {
            EXPECT_GT(m->diffuseMap->width, 0) << m->name;
        }
    }
    expectCleanLog();
}

TEST_F(AssetSweep, TheTileHasItsPartsAndTakes)
{
    Model* tile = engine.loadModel("Assets/Tiles/tile.obj");
    std::vector<std::string> names, takes;
    for (Object* o : tile->objects)
        names.push_back(o->name);
    for (Take* t : tile->takes)
        takes.push_back(t->name);
    for (const char* part : {"Tile", "Face"})
        EXPECT_NE(std::find(names.begin(), names.end(), part), names.end()) << part;
    for (const char* take : {"clear_tile", "new_game", "game_won"})
        EXPECT_NE(std::find(takes.begin(), takes.end(), take), takes.end()) << take;
    EXPECT_NE(engine.tileMaterial, nullptr);
    expectCleanLog();
}

TEST_F(AssetSweep, PicturesDecode)
{
    std::vector<std::string> pictures = shipped(".png");
    for (const char* top : {"splash.png", "logo.png", "icon.bmp"})
        pictures.push_back(top);
    for (const std::string& path : pictures) {
        SDL_Surface* s = Texture::decodeFile(path);
        ASSERT_NE(s, nullptr) << path;
        EXPECT_GT(s->w, 0);
        EXPECT_GT(s->h, 0);
        SDL_FreeSurface(s);
    }
    expectCleanLog();
}

TEST_F(AssetSweep, LayoutFilesGiveTheBuiltInTurtle)
{
    // "./" keeps the built-in layout of the same name from standing in for
    // the file: the reader itself must see it.
    for (const std::string& path : shipped(".lyt")) {
        Layout fromFile(&engine, "./" + path);
        EXPECT_TRUE(fromFile.isPlayable()) << path;
        EXPECT_EQ(fromFile.tileCoordinates.size() % 2, 0u) << path;
    }
    Layout file(&engine, "./Assets/Layouts/turtle_demo.lyt");
    Layout builtIn(&engine, "Assets/Layouts/turtle_demo.lyt");
    ASSERT_EQ(file.tileCoordinates.size(), builtIn.tileCoordinates.size());
    for (size_t i = 0; i < file.tileCoordinates.size(); ++i)
        EXPECT_EQ(file.tileCoordinates[i], builtIn.tileCoordinates[i]) << "position " << i;
    expectCleanLog();
}

TEST_F(AssetSweep, TileSetFilesDescribeTheBuiltInSets)
{
    const std::pair<const char*, const char*> sets[] = {
        {"Assets/Tiles/Standard/standard_tiles_demo.tls", "Standard"},
        {"Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls", "Hiragana(Basic)"}};
    for (const auto& [file, name] : sets) {
        TileSet fromFile(&engine, nullptr, nullptr);
        fromFile.loadTiles(file);
        TileSet builtIn(&engine, nullptr, nullptr);
        builtIn.createTileSet(file);
        EXPECT_EQ(fromFile.name, name);
        EXPECT_NE(fromFile.stampMaterial, nullptr) << file;
        ASSERT_EQ(fromFile.templates.size(), builtIn.templates.size()) << file;
        for (size_t i = 0; i < builtIn.templates.size(); ++i) {
            const Tile* a = fromFile.templates[i];
            const Tile* b = builtIn.templates[i];
            EXPECT_EQ(a->name, b->name);
            EXPECT_EQ(a->texturePosX, b->texturePosX) << a->name;
            EXPECT_EQ(a->texturePosY, b->texturePosY) << a->name;
            EXPECT_EQ(a->standardRepeat, b->standardRepeat) << a->name;
            EXPECT_EQ(a->matches, b->matches) << a->name;
        }
    }
    expectCleanLog();
}

TEST_F(AssetSweep, SoundsDecode)
{
    SoundEngine sound;
    std::vector<std::string> files = shipped(".wav");
    for (const std::string& ogg : shipped(".ogg"))
        files.push_back(ogg);
    ASSERT_GE(files.size(), 3u);
    for (const std::string& path : files)
        EXPECT_GE(sound.addSound(path, false), 0) << path;
    expectCleanLog();
}
