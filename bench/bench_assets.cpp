// Time to read every shipped asset through the game's own readers: models
// with their materials and animations, pictures decoded, layouts, tile sets
// and sounds. Prints the total per kind and its slowest file. No window is
// needed (pictures are decoded, not uploaded). Run from the repository root
// or a prepared working directory:  bench_assets
#include <SDL/SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "audio/SoundEngine.h"
#include "game/Layout.h"
#include "game/TileSet.h"
#include "render/Model.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"
#include "render/Texture.h"

namespace {
std::vector<std::string> shipped(const std::vector<std::string>& extensions)
{
    std::vector<std::string> files;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(
             "Assets", std::filesystem::directory_options::follow_directory_symlink, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (error)
            break;
        std::string ext = it->path().extension().string();
        if (std::find(extensions.begin(), extensions.end(), ext) != extensions.end())
            files.push_back(it->path().generic_string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

void measure(const char* kind, const std::vector<std::string>& files,
             const std::function<void(const std::string&)>& load)
{
    double total = 0.0, slowest = 0.0;
    std::string slowestFile = "-";
    for (const std::string& file : files) {
        auto start = std::chrono::steady_clock::now();
        load(file);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        total += ms;
        if (ms > slowest) {
            slowest = ms;
            slowestFile = file;
        }
    }
    std::printf("%-10s %3zu files  %8.1f ms  slowest %7.1f ms  %s\n", kind, files.size(), total, slowest,
                slowestFile.c_str());
}
}

int main()
{
    RenderEngine re(std::make_unique<Renderer>());
    SoundEngine se;
    measure("models", shipped({".obj"}), [&re](const std::string& f) { Model m(&re, f); });
    measure("pictures", shipped({".png", ".bmp"}), [](const std::string& f) {
        if (SDL_Surface* s = Texture::decodeFile(f))
            SDL_FreeSurface(s);
    });
    measure("layouts", shipped({".lyt"}), [&re](const std::string& f) { Layout l(&re, "./" + f); });
    measure("tile sets", shipped({".tls"}), [&re, &se](const std::string& f) {
        TileSet t(&re, &se, nullptr);
        t.loadTiles(f);
    });
    measure("sounds", shipped({".wav", ".ogg"}), [&se](const std::string& f) { se.addSound(f, false); });
    re.clean_up();
    return 0;
}
