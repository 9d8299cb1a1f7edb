// Every layout file shipped under Assets/Layouts deals a solvable board with
// both built-in tile sets, one tile per position, and keeps a preview; the
// chooser offers every one of them.
#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "main/GameEngine.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

namespace fs = std::filesystem;

TEST(ShippedLayout, EachDealsASolvableBoardWithEverySet)
{
    fs::path saved = fs::current_path();
    fs::current_path(JADELOOM_SOURCE_DIR);
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator("Assets/Layouts"))
        if (entry.path().extension() == ".lyt")
            files.push_back(entry.path().generic_string());
    ASSERT_EQ(24u, files.size());  // the Turtle and twenty-three of our own
    // The chooser lists the Turtle once, and every file.
    const std::vector<std::string> chooser
        = GameEngine::chooserFiles({Layout::builtinTurtleFile}, "Assets/Layouts", ".lyt");
    EXPECT_EQ(24u, chooser.size());
    for (const std::string& file : files)
        EXPECT_NE(chooser.end(), std::find(chooser.begin(), chooser.end(), file)) << file;
    std::set<std::string> names;

    RenderEngine re(new Renderer);
    SoundEngine se;
    for (const std::string& file : files) {
        for (const char* set : {TileSet::standardFile, TileSet::hiraganaFile}) {
            Level level;
            level.renderEngine = &re;
            level.soundEngine = &se;
            Layout* layout = new Layout(&re, "./" + file);
            size_t positions = layout->tileCoordinates.size();
            EXPECT_FALSE(layout->name.empty()) << file;
            EXPECT_TRUE(positions % 2 == 0 && positions >= 2 && positions <= 144) << file;
            names.insert(layout->name);
            EXPECT_FALSE(layout->previewImage.empty()) << file;
            EXPECT_TRUE(fs::exists(layout->previewImage)) << file;
            level.setLayout(layout);
            TileSet* ts = new TileSet(&re, &se, &level);
            ts->createTileSet(set);
            level.setTileSet(ts);
            EXPECT_TRUE(level.deal()) << file << " with " << set;
            // Overlapping positions would leave a tile unplaced.
            EXPECT_EQ(static_cast<size_t>(level.tilesLeft()), positions) << file;
            EXPECT_GT(level.movesLeft(), 0) << file;
            level.renderEngine = nullptr;
        }
    }
    EXPECT_EQ(files.size(), names.size());  // no two share a name (statistics are kept by name)
    re.clean_up();
    fs::current_path(saved);
}
