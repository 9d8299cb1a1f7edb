// CPU time of one tile pick over the full Turtle board: the window position
// unprojected into a ray through the layout's default view, every visible
// tile's face box tested, the nearest hit chosen. Positions sweep the whole
// 1280 x 800 window, on and off the board. No window is needed; run from the
// repository root so that the tile model and the tile set are found.
//   bench_selection [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/Layout.h"
#include "game/Level.h"
#include "game/Tile.h"
#include "game/TileSet.h"
#include "render/Frustum.h"
#include "render/Picking.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

int main(int argc, char** argv)
{
    int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    if (rounds <= 0)
        rounds = 20;
    const int width = 1280, height = 800;

    RenderEngine re(std::make_unique<Renderer>());
    Level* level = new Level;
    level->setLayout(new Layout(&re, Layout::builtinTurtleFile));
    TileSet* ts = new TileSet(&re, nullptr, level);
    ts->createTileSet(TileSet::standardFile);
    level->init(&re, nullptr, ts);
    if (re.boardTiles().empty()) {
        std::fprintf(stderr, "no board: run from the repository root\n");
        return 1;
    }

    const Camera& cam = re.camera;
    float projection[16], modelview[16];
    Frustum::perspective(cam.fovy, float(width) / height, 1.0f, 500.0f, projection);
    Frustum::lookAt(cam.eye, cam.centre, cam.up, modelview);
    const int viewport[4] = {0, 0, width, height};

    std::vector<double> perRound;
    long picks = 0, hitsFound = 0;
    std::vector<Tile*> hits;
    for (int r = 0; r < rounds; ++r) {
        long n = 0;
        auto start = std::chrono::steady_clock::now();
        for (int y = 0; y < height; y += 8)
            for (int x = 0; x < width; x += 8) {
                if (Picking::select(x, y, height, modelview, projection, viewport, re.boardTiles(),
                                    cam.eye, hits))
                    ++hitsFound;
                ++n;
            }
        auto end = std::chrono::steady_clock::now();
        perRound.push_back(std::chrono::duration<double, std::micro>(end - start).count() / n);
        picks += n;
    }
    std::sort(perRound.begin(), perRound.end());
    std::printf("tiles %zu  picks %ld (%.1f%% on a tile)  median %.2f us per pick  (min %.2f, max %.2f)\n",
                re.boardTiles().size(), picks, 100.0 * hitsFound / picks, perRound[perRound.size() / 2],
                perRound.front(), perRound.back());

    re.showBoard(nullptr);
    delete level;
    re.clean_up();
    return 0;
}
