// Deals the Turtle board with each built-in tile set over many seeds and
// prints the median time of a deal (faces, shuffle and solvability pass), how
// often the first solvability pass succeeds, and the most passes one deal
// needed. Run from the repository root so that the tile model is found.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

namespace {
void run(RenderEngine& re, SoundEngine& se, const char* setFile, unsigned int seeds)
{
    Level level;
    level.renderEngine = &re;
    level.soundEngine = &se;
    level.setLayout(new Layout(&re, Layout::builtinTurtleFile));
    TileSet* ts = new TileSet(&re, &se, &level);
    ts->createTileSet(setFile);
    level.setTileSet(ts);

    std::vector<double> ms;
    int firstPass = 0, solved = 0, mostPasses = 0, seed42Passes = 0, mostSteps = 0;
    for (unsigned int seed = 1; seed <= seeds; ++seed) {
        auto start = std::chrono::steady_clock::now();
        bool ok = level.deal(seed);
        auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        solved += ok ? 1 : 0;
        firstPass += (ok && level.solveAttempts == 1) ? 1 : 0;
        mostPasses = std::max(mostPasses, level.solveAttempts);
        mostSteps = std::max(mostSteps, level.solveSteps);
    }
    level.deal(Level::dealSeed);
    seed42Passes = level.solveAttempts;
    std::sort(ms.begin(), ms.end());
    std::printf("%-16s seeds %u  median deal %.2f ms  (min %.2f, max %.2f)  "
                "first pass solvable %d/%u (%.1f%%)  solved %d/%u  most passes %d  most steps %d  seed 42 passes %d\n",
                ts->name.c_str(), seeds, ms[ms.size() / 2], ms.front(), ms.back(), firstPass, seeds,
                100.0 * firstPass / seeds, solved, seeds, mostPasses, mostSteps, seed42Passes);
    level.renderEngine = nullptr;
}
}

int main(int argc, char** argv)
{
    unsigned int seeds = argc > 1 ? static_cast<unsigned int>(std::strtoul(argv[1], nullptr, 10)) : 1000;
    if (seeds == 0)
        seeds = 1000;
    RenderEngine re(new Renderer);
    SoundEngine se;
    run(re, se, TileSet::standardFile, seeds);
    run(re, se, TileSet::hiraganaFile, seeds);
    re.clean_up();
    return 0;
}
