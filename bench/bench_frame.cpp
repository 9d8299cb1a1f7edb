// Frame time of the full scene: the room, the rewards and the whole Turtle
// board with the Standard pictures from the layout's default view, drawn
// into a real window (1280 x 800 by default). Prints the median and the
// 99th percentile over the frames after a short warm-up, in wall time and
// in the processor time of all the process's threads. Run on a display
// (Xvfb with Mesa's software renderer serves) from a prepared working
// directory:
//   scripts/prepare-workdir.sh . /tmp/w && cd /tmp/w
//   bench_frame [frames [width height [aniso [word...]]]]
// With aniso given (0: as the renderer chose), every texture's anisotropic
// filtering is set to that degree (1 turns it off), to see what the
// filtering costs. Further words: "board" hides the room and the other
// sprites; "seed=N" deals board N instead of a random one; "shot=FILE.png"
// saves the screen after the last frame (with ImageMagick's import);
// "warmup=N" draws N frames before measuring (20); "trilinear" filters every
// texture between two mipmap levels (as a graphics card is served); "menu"
// draws the game's menus of play (top and bottom bars) over the scene.
// Every frame is drawn whole unless "waiting" is given: then the game
// waits for the player, frames equal to the one shown are not drawn and,
// with "menu", the clock's label changes every frame, so that only the
// menus are drawn over the kept scene. "reward" stands the first reward on
// the table beside the board, turning as in the game.
// "orbit" turns the camera once around the board over the measured frames
// (a new view every frame, as an arrow key held does; the frames are kept
// as in the game), "room" first zooms out until the whole room shows, and
// "shots=PREFIX" saves the screen at four points of the turn (PREFIX-0.png
// to PREFIX-3.png, a quarter turn apart); after "idle=", the reward stopped,
// it saves PREFIX-region.png and PREFIX-whole.png, one pose drawn over the
// kept scene and whole. "idle=SECONDS" instead lets the
// game wait that long at the display's pace, the clock's label changing
// once a second (with "menu"), and prints the processor time it took per
// second, in cores. "smooth" asks for smooth edges (4x multisampling),
// which a software renderer otherwise goes without.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "game/Layout.h"
#include "game/Level.h"
#include "game/TileSet.h"
#include "main/Input.h"
#include "menu/Menu.h"
#include "menu/MenuLabel.h"
#include "render/GLRender.h"
#include "render/RenderEngine.h"
#include "render/Sprite.h"
#include "render/Take.h"
#include "render/Texture.h"

#ifndef GL_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_TEXTURE_MAX_ANISOTROPY_EXT 0x84FE
#endif

namespace {
double percentile(const std::vector<double>& sorted, double p)
{
    const size_t i = static_cast<size_t>(p * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(i, sorted.size() - 1)];
}

}

int main(int argc, char** argv)
{
    int frames = argc > 1 ? std::atoi(argv[1]) : 300;
    const int width = argc > 3 ? std::atoi(argv[2]) : 1280;
    const int height = argc > 3 ? std::atoi(argv[3]) : 800;
    const float aniso = argc > 4 ? static_cast<float>(std::atof(argv[4])) : 0.0f;
    bool boardOnly = false, trilinear = false, withMenu = false, waiting = false, reward = false;
    bool orbit = false, room = false, smooth = false;
    double idleSeconds = 0.0;
    std::string shotsPrefix;
    unsigned int seed = 0;
    int warmup = 20;
    std::string shotFile;
    for (int i = 5; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "board")
            boardOnly = true;
        else if (word == "trilinear")
            trilinear = true;
        else if (word == "menu")
            withMenu = true;
        else if (word == "waiting")
            waiting = true;
        else if (word == "reward")
            reward = true;
        else if (word == "orbit")
            orbit = true;
        else if (word == "room")
            room = true;
        else if (word == "smooth")
            smooth = true;
        else if (word.rfind("idle=", 0) == 0)
            idleSeconds = std::atof(word.c_str() + 5);
        else if (word.rfind("shots=", 0) == 0)
            shotsPrefix = word.substr(6);
        else if (word.rfind("seed=", 0) == 0)
            seed = static_cast<unsigned int>(std::strtoul(word.c_str() + 5, nullptr, 10));
        else if (word.rfind("warmup=", 0) == 0)
            warmup = std::atoi(word.c_str() + 7);
        else if (word.rfind("shot=", 0) == 0)
            shotFile = word.substr(5);
    }
    if (frames <= 0 || width <= 0 || height <= 0)
        return 2;
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "no video: %s\n", SDL_GetError());
        return 1;
    }
    int code = 0;
    {
        RenderEngine re;
        re.windowWidth = width;
        re.windowHeight = height;
        if (smooth)
            re.smoothEdgesChoice = true;
        SDL_WM_SetCaption("Jadeloom", "Jadeloom");
        re.init();
        // Every frame is measured as fast as it can be drawn.
        GLRender* gl = static_cast<GLRender*>(re.renderer.get());
        gl->paceFrames = idleSeconds > 0.0;
        gl->keepFrames = waiting || orbit || idleSeconds > 0.0;
        Input input;
        Menu* menu = nullptr;
        MenuLabel* clock = nullptr;
        if (withMenu) {
            menu = new Menu(&re, &input, "Assets/Menu/menu.obj");
            menu->loadMenuFile("Assets/Menu/menu.cfg");
            re.menu = menu;
            clock = dynamic_cast<MenuLabel*>(menu->getItemByID("TimeText"));
            // The view of play: the main menu's doors open, no panel up.
            for (const char* id : {"MainMenuLeft", "MainMenuRight", "MenuNewPlayer"})
                if (MenuItem* item = menu->getItemByID(id))
                    item->setVisibility(false);
        }
        Level* level = new Level;
        level->setLayout(new Layout(&re, Layout::builtinTurtleFile));
        TileSet* ts = new TileSet(&re, nullptr, level);
        ts->createTileSet(TileSet::standardFile);
        level->init(&re, nullptr, ts);
        if (seed != 0)
            level->deal(seed);
        if (re.boardTiles().empty()) {
            std::fprintf(stderr, "no board: run from a prepared working directory\n");
            code = 1;
        } else {
            if (aniso >= 1.0f)
                for (Texture* t : Texture::textures)
                    if (t && t->glName) {
                        glBindTexture(GL_TEXTURE_2D, t->glName);
                        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, aniso);
                    }
            if (trilinear)
                for (Texture* t : Texture::textures)
                    if (t && t->glName && t->drawn == Texture::Drawn::InScene) {
                        glBindTexture(GL_TEXTURE_2D, t->glName);
                        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
                    }
            if (boardOnly)
                for (const auto& s : re.sprites)
                    s->visible = false;
            Sprite* cat = reward && !re.rewardSprites.empty() ? re.rewardSprites.front().get() : nullptr;
            if (cat) {
                cat->visible = true;
                cat->worldPosition = Vector3(30.0f, 0.0f, -14.0f);
            }
            auto turn = [cat]() {
                if (!cat)
                    return;
                if (!(cat->currentTake && cat->currentTake->playing))
                    cat->playAnimation("Swivel");
                cat->animate();
            };
            // Out step by step, as the wheel does, until the room stops it.
            for (int i = 0; room && i < 60; ++i)
                re.camera.zoom(5.0f, false);
            for (int i = 0; i < warmup; ++i) {
                turn();
                re.renderScene();
            }
            if (idleSeconds > 0.0) {
                timespec c0, c1;
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c0);
                const auto start = std::chrono::steady_clock::now();
                int second = -1;
                double elapsed = 0.0;
                while ((elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count())
                       < idleSeconds) {
                    turn();
                    if (clock && static_cast<int>(elapsed) != second) {
                        second = static_cast<int>(elapsed);
                        clock->changeText("00:" + std::to_string(10 + second % 50));
                    }
                    re.renderScene();
                }
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c1);
                if (!shotsPrefix.empty()) {
                    // The same pose drawn in the changed region only, then
                    // whole: the two pictures should be equal.
                    if (cat && cat->currentTake)
                        cat->currentTake->pause();
                    for (const char* kind : {"region", "whole"}) {
                        re.redrawAll = std::string(kind) == "whole";
                        std::this_thread::sleep_for(std::chrono::milliseconds(50));
                        re.renderScene();
                        const std::string file = shotsPrefix + "-" + kind + ".png";
                        if (std::system(("import -window root " + file).c_str()) != 0)
                            std::fprintf(stderr, "could not save %s\n", file.c_str());
                    }
                }
                const double used = static_cast<double>(c1.tv_sec - c0.tv_sec)
                                    + static_cast<double>(c1.tv_nsec - c0.tv_nsec) / 1e9;
                std::printf("%dx%d  waiting %.1f s%s%s: processor %.3f s, %.3f cores; frames not drawn %d, "
                            "over the kept scene %d\n",
                            width, height, idleSeconds, withMenu ? "  menus, clock running" : "",
                            cat ? "  reward in view" : "", used, used / idleSeconds, gl->framesSkipped,
                            gl->framesFromCopy);
                frames = 0;
            }
            std::vector<double> ms, cpu;
            for (int i = 0; i < frames; ++i) {
                // The view shown after frame i, before the next one moves it.
                const int quarter = std::max(frames / 4, 1);
                if (!shotsPrefix.empty() && i % quarter == 0 && i / quarter < 4) {
                    const std::string file = shotsPrefix + "-" + std::to_string(i / quarter) + ".png";
                    if (std::system(("import -window root " + file).c_str()) != 0)
                        std::fprintf(stderr, "could not save %s\n", file.c_str());
                }
                timespec c0, c1;
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c0);
                auto start = std::chrono::steady_clock::now();
                turn();
                // A full turn about the vertical over the frames, as the
                // game's held key turns it (through the room's collisions).
                if (orbit)
                    re.camera.track(0.0f, 360.0f / static_cast<float>(frames), 0.0f, false);
                if (clock)
                    clock->changeText(std::to_string(10 + i / 60 % 90) + ":" + std::to_string(10 + i % 60 % 50));
                re.renderScene();
                glFinish();
                auto end = std::chrono::steady_clock::now();
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &c1);
                ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
                cpu.push_back((c1.tv_sec - c0.tv_sec) * 1e3 + (c1.tv_nsec - c0.tv_nsec) / 1e6);
            }
            // The screen as the player sees it (what the display shows, after
            // the last swap).
            if (!shotFile.empty() && std::system(("import -window root " + shotFile).c_str()) != 0)
                std::fprintf(stderr, "could not save %s\n", shotFile.c_str());
            std::sort(ms.begin(), ms.end());
            std::sort(cpu.begin(), cpu.end());
            const char* version = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
            if (frames > 0)
                std::printf("%dx%d  tiles %zu  sprites %zu  frames %d  median %.2f ms (%.1f fps)  p99 %.2f  "
                        "min %.2f  max %.2f  CPU median %.2f p99 %.2f ms  aniso %s%s%s%s%s%s  [%s]\n",
                        width, height, re.boardTiles().size(), re.sprites.size(), frames,
                        percentile(ms, 0.5), 1000.0 / percentile(ms, 0.5), percentile(ms, 0.99),
                        ms.front(), ms.back(), percentile(cpu, 0.5), percentile(cpu, 0.99),
                        aniso >= 1.0f ? argv[4] : "as loaded", trilinear ? "  trilinear" : "",
                        boardOnly ? "  board only" : "", withMenu ? "  menus" : "",
                        orbit ? (room ? "  orbit, whole room" : "  orbit") : "",
                        waiting ? ("  waiting: " + std::to_string(gl->framesSkipped) + " frames not drawn, "
                                   + std::to_string(gl->framesFromCopy) + " over the kept scene").c_str()
                                : "",
                        version ? version : "?");
        }
        re.showBoard(nullptr);
        re.menu = nullptr;
        delete menu;
        delete level;
        re.clean_up();
    }
    SDL_Quit();
    return code;
}
