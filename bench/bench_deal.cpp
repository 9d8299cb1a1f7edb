// Deals every shipped layout (the built-in Turtle and each file under
// Assets/Layouts) with each built-in tile set over many seeds and prints the
// median time of a deal (faces, shuffle and solvability pass), how often the
// first solvability pass succeeds, and the most passes one deal needed; then
// generated layouts of each size over as many numbers: the median and worst
// time to generate one, and to generate and deal it. Run from the repository
// root or a prepared working directory.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/LayoutGenerator.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

namespace {
void run(RenderEngine& re, SoundEngine& se, const std::string& layoutFile, const char* setFile,
         unsigned int seeds)
{
    Level level;
    level.renderEngine = &re;
    level.soundEngine = &se;
    Layout* layout = new Layout(&re, layoutFile);
    const std::string layoutName = layout->name;
    level.setLayout(layout);
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
    std::printf("%-10s %-16s seeds %u  median deal %.2f ms  (min %.2f, max %.2f)  "
                "first pass solvable %d/%u (%.1f%%)  solved %d/%u  most passes %d  most steps %d  seed 42 passes %d\n",
                layoutName.c_str(), ts->name.c_str(), seeds, ms[ms.size() / 2], ms.front(), ms.back(), firstPass, seeds,
                100.0 * firstPass / seeds, solved, seeds, mostPasses, mostSteps, seed42Passes);
    level.renderEngine = nullptr;
}

void runGenerated(RenderEngine& re, SoundEngine& se, int size, const char* setFile, unsigned int numbers)
{
    Level level;
    level.renderEngine = &re;
    level.soundEngine = &se;
    TileSet* ts = new TileSet(&re, &se, &level);
    ts->createTileSet(setFile);
    level.setTileSet(ts);
    using Clock = std::chrono::steady_clock;
    auto msSince = [](Clock::time_point t) {
        return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
    };
    std::vector<double> generate, total;
    int solved = 0, firstPass = 0, mostPasses = 0;
    for (unsigned int number = 1; number <= numbers; ++number) {
        const auto start = Clock::now();
        LayoutGenerator g(number, size);
        generate.push_back(msSince(start));
        level.setLayout(g.makeLayout(&re).release());
        const bool ok = level.deal();
        total.push_back(msSince(start));
        solved += ok ? 1 : 0;
        firstPass += (ok && level.solveAttempts == 1) ? 1 : 0;
        mostPasses = std::max(mostPasses, level.solveAttempts);
    }
    std::sort(generate.begin(), generate.end());
    std::sort(total.begin(), total.end());
    std::printf("Generated %-3d %-16s numbers %u  generate median %.2f ms (max %.2f)  generate and deal median "
                "%.2f ms (max %.2f)  first pass solvable %d/%u  solved %d/%u  most passes %d\n",
                size, ts->name.c_str(), numbers, generate[generate.size() / 2], generate.back(),
                total[total.size() / 2], total.back(), firstPass, numbers, solved, numbers, mostPasses);
    level.renderEngine = nullptr;
}
}

int main(int argc, char** argv)
{
    unsigned int seeds = argc > 1 ? static_cast<unsigned int>(std::strtoul(argv[1], nullptr, 10)) : 1000;
    if (seeds == 0)
        seeds = 1000;
    RenderEngine re(std::make_unique<Renderer>());
    SoundEngine se;
    std::vector<std::string> layouts = {Layout::builtinTurtleFile};
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("Assets/Layouts", error))
        if (entry.path().extension() == ".lyt" && entry.path() != Layout::builtinTurtleFile)
            files.push_back(entry.path().generic_string());
    std::sort(files.begin(), files.end());
    layouts.insert(layouts.end(), files.begin(), files.end());
    for (const std::string& layout : layouts)
        for (const char* set : {TileSet::standardFile, TileSet::hiraganaFile})
            run(re, se, layout, set, seeds);
    for (int size : LayoutGenerator::sizes)
        for (const char* set : {TileSet::standardFile, TileSet::hiraganaFile})
            runGenerated(re, se, size, set, seeds);
    re.clean_up();
    return 0;
}
