#pragma once
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

// The shipped layouts with both built-in tile sets, for tests that run over
// every board a player can choose. Tests using it run from the source tree.
namespace shipped {
inline std::vector<std::string> layoutFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator("Assets/Layouts"))
        if (entry.path().extension() == ".lyt")
            files.push_back(entry.path().generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

inline const std::vector<const char*>& tileSets()
{
    static const std::vector<const char*> sets = {TileSet::standardFile, TileSet::hiraganaFile};
    return sets;
}

// A headless board with the layout and tile set, not yet dealt.
inline void prepare(Level& level, RenderEngine& re, SoundEngine& se, const std::string& layoutFile,
                    const char* setFile)
{
    level.renderEngine = &re;
    level.soundEngine = &se;
    level.setLayout(new Layout(&re, layoutFile));
    TileSet* ts = new TileSet(&re, &se, &level);
    ts->createTileSet(setFile);
    level.setTileSet(ts);
}

// Working directory and engines for the duration of a test.
class Session {
public:
    RenderEngine re{std::make_unique<Renderer>()};
    SoundEngine se;

    Session() : saved(std::filesystem::current_path()) { std::filesystem::current_path(JADELOOM_SOURCE_DIR); }
    ~Session()
    {
        re.clean_up();
        std::filesystem::current_path(saved);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

private:
    std::filesystem::path saved;
};
}
