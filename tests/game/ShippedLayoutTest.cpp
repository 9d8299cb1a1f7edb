// Every layout file shipped under Assets/Layouts deals a solvable board with
// both built-in tile sets, one tile per position, and keeps a preview.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/Level.h"
#include "game/TileSet.h"
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
    ASSERT_GE(files.size(), 7u);  // the Turtle and six of our own

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
    re.clean_up();
    fs::current_path(saved);
}
