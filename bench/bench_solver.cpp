// The analyst over every shipped layout with both built-in tile sets: for
// each, fresh deals (seeds 1..N) and the positions reached by 30 random
// moves from those deals. Prints per board and kind of position the share
// decided within the 100 ms budget, the median and 99th percentile time and
// nodes per second; the last line is the share decided over everything.
// Times are the analyst's own processor time.
// Usage: bench_solver [deals per board, default 1000] [only layout files
// whose name holds this text]; run from the
// repository root or a prepared working directory.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "audio/SoundEngine.h"
#include "game/Analyst.h"
#include "game/Layout.h"
#include "game/Level.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

namespace {
constexpr int randomMoves = 30;

struct Figures {
    std::vector<double> ms;
    long long nodes = 0;
    int decided = 0, winnable = 0;

    void add(const Analyst::Result& r)
    {
        ms.push_back(r.milliseconds);
        nodes += r.nodes;
        decided += r.verdict != Analyst::Verdict::Undecided;
        winnable += r.verdict == Analyst::Verdict::Winnable;
    }
    void print(const char* board, const char* kind) const
    {
        std::vector<double> sorted(ms);
        std::sort(sorted.begin(), sorted.end());
        double total = 0;
        for (double m : sorted)
            total += m;
        const size_t n = sorted.size();
        std::printf("%-28s %-6s %5zu  decided %6.2f %%  winnable %5d  median %7.3f ms  p99 %8.3f ms  "
                    "%6.2f M nodes/s\n",
                    board, kind, n, 100.0 * decided / n, winnable, sorted[n / 2],
                    sorted[std::min(n - 1, n * 99 / 100)], total > 0 ? nodes / total / 1000.0 : 0.0);
    }
};

// Random free pairs, by a generator of the bench's own.
void playRandomly(Level& level, std::mt19937& random)
{
    for (int move = 0; move < randomMoves; ++move) {
        level.updateTilesFree();
        std::vector<std::pair<Tile*, Tile*>> pairs;
        const std::vector<Tile*>& f = level.freeTiles;
        for (size_t i = 0; i < f.size(); ++i)
            for (size_t j = i + 1; j < f.size(); ++j)
                if (f[i]->match(f[j]) || f[j]->match(f[i]))
                    pairs.emplace_back(f[i], f[j]);
        if (pairs.empty())
            return;
        const auto& p = pairs[random() % pairs.size()];
        level.clearTiles(p.first, p.second);
    }
}
}

int main(int argc, char** argv)
{
    unsigned int deals = argc > 1 ? static_cast<unsigned int>(std::strtoul(argv[1], nullptr, 10)) : 1000;
    if (deals == 0)
        deals = 1000;
    RenderEngine re(std::make_unique<Renderer>());
    SoundEngine se;
    std::vector<std::string> layouts;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("Assets/Layouts", error))
        if (entry.path().extension() == ".lyt"
            && (argc < 3 || entry.path().filename().string().find(argv[2]) != std::string::npos))
            layouts.push_back(entry.path().generic_string());
    std::sort(layouts.begin(), layouts.end());
    // Processor time, so that other work on the machine does not count
    // against the analyst; the game gives it the same budget on the wall.
    const AnalystBudget budget{100.0, 1LL << 40, true};
    Figures all, allFresh;
    for (const std::string& file : layouts) {
        for (const char* set : {TileSet::standardFile, TileSet::hiraganaFile}) {
            Level level;
            level.renderEngine = &re;
            level.soundEngine = &se;
            level.setLayout(new Layout(&re, file));
            TileSet* ts = new TileSet(&re, &se, &level);
            ts->createTileSet(set);
            level.setTileSet(ts);
            Figures fresh, played;
            for (unsigned int seed = 1; seed <= deals; ++seed) {
                level.deal(seed);
                fresh.add(Analyst::analyse(level, budget));
                std::mt19937 random(seed);
                playRandomly(level, random);
                played.add(Analyst::analyse(level, budget));
            }
            const std::string board = level.layout->name + " / " + ts->name;
            fresh.print(board.c_str(), "deal");
            played.print(board.c_str(), "played");
            for (const Figures* f : {&fresh, &played}) {
                all.ms.insert(all.ms.end(), f->ms.begin(), f->ms.end());
                all.nodes += f->nodes;
                all.decided += f->decided;
                all.winnable += f->winnable;
            }
            allFresh.ms.insert(allFresh.ms.end(), fresh.ms.begin(), fresh.ms.end());
            allFresh.decided += fresh.decided;
            allFresh.nodes += fresh.nodes;
            allFresh.winnable += fresh.winnable;
            level.renderEngine = nullptr;
        }
    }
    allFresh.print("all boards", "deal");
    all.print("all boards", "all");
    std::printf("decided within 100 ms: %.2f %%\n", 100.0 * all.decided / all.ms.size());
    re.clean_up();
    return 0;
}
