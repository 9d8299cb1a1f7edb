// Loads every data file the game ships through the game's own readers and
// checks that none of them is missing a part or fails to load.
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "main/Input.h"
#include "menu/FontObj.h"
#include "menu/Menu.h"
#include "menu/MenuLabel.h"
#include "menu/MenuTextbox.h"
#include "menu/MenuTileSlot.h"
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
    RenderEngine engine;  // the OpenGL renderer, with no window: nothing is uploaded

    static std::vector<std::string> shipped(const std::string& extension)
    {
        std::vector<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator("Assets"))
            if (entry.is_regular_file() && entry.path().extension() == extension)
                files.push_back(entry.path().generic_string());
        std::sort(files.begin(), files.end());
        return files;
    }
    ~AssetSweep() override
    {
        std::istringstream lines(dir.log());
        for (std::string line; std::getline(lines, line);)
            for (const char* fault : {"Missing", "Unable to load", "Could not", "Failed", "refused",
                                      "no model object", "another kind's tag", "before the root", "Font "})
                EXPECT_EQ(line.find(fault), std::string::npos) << line;
        engine.clean_up();
    }
};
}

TEST_F(AssetSweep, ModelsMaterialsPicturesAndSoundsLoad)
{
    const auto models = shipped(".obj");
    ASSERT_GE(models.size(), 3u);
    for (const std::string& path : models) {
        Model* m = engine.loadModel(path);
        ASSERT_FALSE(m->objects.empty()) << path;
        for (Object* o : m->objects) {
            EXPECT_GT(o->indexCount, 0) << path << " object " << o->name;
            EXPECT_TRUE(o->materialName.empty() || o->material) << path << " usemtl " << o->materialName;
        }
    }
    for (const std::string& path : shipped(".mtl"))
        EXPECT_NE(engine.renderer->loadMaterials(path), nullptr) << path;
    // The tile has the parts and takes the board plays.
    Model* tile = engine.loadModel("Assets/Tiles/tile.obj");
    std::set<std::string> names;
    for (Object* o : tile->objects)
        names.insert(o->name);
    for (const auto& t : tile->takes)
        names.insert(t->name);
    for (const char* part : {"Tile", "Face", "clear_tile", "new_game", "game_won"})
        EXPECT_EQ(1u, names.count(part)) << part;

    std::vector<std::string> pictures = shipped(".png");
    pictures.insert(pictures.end(), {"splash.png", "logo.png", "icon.bmp"});
    for (const std::string& path : pictures) {
        SDL_Surface* s = Texture::decodeFile(path);
        ASSERT_NE(s, nullptr) << path;
        SDL_FreeSurface(s);
    }
    SoundEngine sound;
    std::vector<std::string> sounds = shipped(".wav");
    for (const std::string& ogg : shipped(".ogg"))
        sounds.push_back(ogg);
    for (const std::string& path : sounds)
        EXPECT_GE(sound.addSound(path, false), 0) << path;
}

TEST_F(AssetSweep, LayoutAndTileSetFilesMatchTheBuiltInOnes)
{
    // "./" keeps the built-in layout of the same name from standing in for
    // the file: the reader itself must see it.
    Layout file(&engine, "./Assets/Layouts/turtle_demo.lyt");
    Layout builtIn(&engine, "Assets/Layouts/turtle_demo.lyt");
    EXPECT_EQ(file.tileCoordinates, builtIn.tileCoordinates);
    for (const char* set : {TileSet::standardFile, TileSet::hiraganaFile}) {
        TileSet fromFile(&engine, nullptr, nullptr);
        fromFile.loadTiles(set);
        TileSet fromTable(&engine, nullptr, nullptr);
        fromTable.createTileSet(set);
        EXPECT_EQ(fromFile.name, fromTable.name);
        ASSERT_EQ(fromFile.templates.size(), fromTable.templates.size()) << set;
        for (size_t i = 0; i < fromTable.templates.size(); ++i) {
            const Tile* a = fromFile.templates[i].get();
            const Tile* b = fromTable.templates[i].get();
            EXPECT_EQ(a->name, b->name);
            EXPECT_EQ(a->texturePosX, b->texturePosX) << a->name;
            EXPECT_EQ(a->texturePosY, b->texturePosY) << a->name;
            EXPECT_EQ(a->standardRepeat, b->standardRepeat) << a->name;
            EXPECT_EQ(a->matches, b->matches) << a->name;
        }
    }
}

TEST_F(AssetSweep, TheMenuHoldsEveryItemTheCodeLooksUpAndItsLabelsHaveGlyphs)
{
    Input input;
    engine.loadFont("Assets/Menu/font.cfg");
    Menu menu(&engine, &input, "Assets/Menu/menu.obj");
    menu.loadMenuFile("Assets/Menu/menu.cfg");
    ASSERT_NE(menu.root.get(), nullptr);
    ASSERT_NE(engine.font, nullptr);
    const std::regex lookup(
        R"re((?:menuItem|getItemByID|showItem|setLabel|setActive)\(\s*"([A-Za-z0-9_]+)"\s*[,)])re");
    int lookups = 0;
    for (const auto& entry : fs::recursive_directory_iterator("src")) {
        const std::string code = WorkDir::read(entry.path().string());
        for (std::sregex_iterator m(code.begin(), code.end(), lookup), end; m != end; ++m, ++lookups)
            EXPECT_NE(menu.getItemByID((*m)[1]), nullptr) << (*m)[1] << " in " << entry.path();
    }
    EXPECT_GT(lookups, 20);  // the pattern still finds the code's lookups
    for (const char* id : {"Slot1", "Slot2", "Slot3"})
        EXPECT_NE(dynamic_cast<MenuTileSlot*>(menu.getItemByID(id)), nullptr) << id;
    EXPECT_NE(dynamic_cast<MenuTextbox*>(menu.getItemByID("MenuNewPlayerTextBox")), nullptr);
    std::vector<MenuItem*> pending{menu.root.get()};
    while (!pending.empty()) {
        MenuItem* item = pending.back();
        pending.pop_back();
        for (const auto& child : item->children)
            pending.push_back(child.get());
        auto* label = dynamic_cast<MenuLabel*>(item);
        for (char c : label ? label->text : std::string())
            EXPECT_NE(engine.font->glyphOf(static_cast<unsigned char>(c)), nullptr) << label->id << " '" << c << "'";
    }
}
