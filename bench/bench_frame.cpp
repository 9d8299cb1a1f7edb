// Frame time of the full scene: the room, the rewards and the whole Turtle
// board with the Standard pictures from the layout's default view, drawn
// into a real window (1280 x 800 by default). Prints the median over the
// frames after a short warm-up. Run on a display (Xvfb with Mesa's software
// renderer serves) from a prepared working directory:
//   scripts/prepare-workdir.sh . /tmp/w && cd /tmp/w && bench_frame [frames [width height [aniso]]]
// With aniso given, every texture's anisotropic filtering is limited to that
// degree (1 turns it off), to see what the filtering costs; "board" after
// it hides the room and the other sprites.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/Layout.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "render/RenderEngine.h"
#include "render/Sprite.h"
#include "render/Texture.h"

#ifndef GL_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_TEXTURE_MAX_ANISOTROPY_EXT 0x84FE
#endif

int main(int argc, char** argv)
{
    int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    const int width = argc > 3 ? std::atoi(argv[2]) : 1280;
    const int height = argc > 3 ? std::atoi(argv[3]) : 800;
    const float aniso = argc > 4 ? static_cast<float>(std::atof(argv[4])) : 0.0f;
    if (frames <= 0 || width <= 0 || height <= 0)
        return 2;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) < 0) {
        std::fprintf(stderr, "no video: %s\n", SDL_GetError());
        return 1;
    }
    int code = 0;
    {
        RenderEngine re;
        re.windowWidth = width;
        re.windowHeight = height;
        SDL_WM_SetCaption("Jadeloom", "Jadeloom");
        re.init();
        Level* level = new Level;
        level->setLayout(new Layout(&re, Layout::builtinTurtleFile));
        TileSet* ts = new TileSet(&re, nullptr, level);
        ts->createTileSet(TileSet::standardFile);
        level->init(&re, nullptr, ts);
        if (re.boardTiles.empty()) {
            std::fprintf(stderr, "no board: run from a prepared working directory\n");
            code = 1;
        } else {
            if (aniso >= 1.0f)
                for (Texture* t : Texture::textures)
                    if (t && t->glName) {
                        glBindTexture(GL_TEXTURE_2D, t->glName);
                        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, aniso);
                    }
            const bool boardOnly = argc > 5 && std::string(argv[5]) == "board";
            if (boardOnly)
                for (Sprite* s : re.sprites)
                    s->visible = false;
            for (int i = 0; i < 20; ++i)
                re.renderScene();
            // Wall time per frame, and the CPU time of all the process's
            // threads (the software renderer's included), which a busy
            // machine disturbs less.
            std::vector<double> ms, cpu;
            for (int i = 0; i < frames; ++i) {
                timespec c0, c1;
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c0);
                auto start = std::chrono::steady_clock::now();
                re.renderScene();
                glFinish();
                auto end = std::chrono::steady_clock::now();
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c1);
                ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
                cpu.push_back((c1.tv_sec - c0.tv_sec) * 1e3 + (c1.tv_nsec - c0.tv_nsec) / 1e6);
            }
            std::sort(ms.begin(), ms.end());
            std::sort(cpu.begin(), cpu.end());
            const char* version = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
            std::printf("%dx%d  tiles %zu  sprites %zu  frames %d  median %.2f ms (%.1f fps)  "
                        "min %.2f  max %.2f  median CPU %.2f ms  aniso %s  [%s]\n",
                        width, height, re.boardTiles.size(), re.sprites.size(), frames,
                        ms[ms.size() / 2], 1000.0 / ms[ms.size() / 2], ms.front(), ms.back(), cpu[cpu.size() / 2],
                        aniso >= 1.0f ? argv[4] : "as loaded", version ? version : "?");
        }
        re.boardTiles.clear();
        delete level;
        re.clean_up();
    }
    SDL_Quit();
    return code;
}
