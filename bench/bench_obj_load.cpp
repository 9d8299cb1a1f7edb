// Loads generated OBJ files of growing size with the do-nothing renderer and
// prints the load time and the memory in use, so that the growth of both
// with the triangle count can be seen.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>

#include "render/Model.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

namespace {
// A square grid of k × k cells, two triangles each, sharing their corners
// (so that de-duplication has work to do), written as p/t/n.
size_t writeGrid(const std::string& path, int k)
{
    std::ofstream out(path);
    out << "# grid " << k << " x " << k << "\n";
    for (int y = 0; y <= k; ++y)
        for (int x = 0; x <= k; ++x)
            out << "v " << x << " " << y << " " << std::sin(x * 0.1) << "\n";
    for (int y = 0; y <= k; ++y)
        for (int x = 0; x <= k; ++x)
            out << "vt " << static_cast<float>(x) / k << " " << static_cast<float>(y) / k << "\n";
    out << "vn 0 0 1\n";
    out << "o Grid\n";
    size_t triangles = 0;
    for (int y = 0; y < k; ++y) {
        for (int x = 0; x < k; ++x) {
            const int a = y * (k + 1) + x + 1, b = a + 1, c = a + k + 1, d = c + 1;
            out << "f " << a << "/" << a << "/1 " << b << "/" << b << "/1 " << d << "/" << d << "/1\n";
            out << "f " << a << "/" << a << "/1 " << d << "/" << d << "/1 " << c << "/" << c << "/1\n";
            triangles += 2;
        }
    }
    out << "# end\n";
    return triangles;
}

long statusKb(const char* key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(in, line))
        if (line.compare(0, prefix.size(), prefix) == 0)
            return std::atol(line.c_str() + prefix.size());
    return -1;
}
}

int main()
{
    char pattern[] = "/tmp/jadeloom-bench-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string dir = made;
    // The loader's progress lines would drown the table.
    std::cerr.setstate(std::ios::failbit);

    RenderEngine engine(std::make_unique<Renderer>());
    // Wall time suffers when the machine is shared; the process's CPU time
    // much less.
    std::printf("%12s %10s %10s %10s %12s %10s %10s %10s\n", "triangles", "file MB", "load ms",
                "CPU ms", "us/triangle", "vertices", "RSS MB", "HWM MB");
    for (int target : {10000, 100000, 1000000}) {
        const int k = static_cast<int>(std::lround(std::sqrt(target / 2.0)));
        const std::string path = dir + "/grid" + std::to_string(target) + ".obj";
        const size_t triangles = writeGrid(path, k);
        const double fileMb = std::filesystem::file_size(path) / 1048576.0;

        const std::clock_t cpuBegin = std::clock();
        const auto begin = std::chrono::steady_clock::now();
        Model* model = new Model(&engine, path);
        const auto end = std::chrono::steady_clock::now();
        const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuBegin) / CLOCKS_PER_SEC;
        const double ms = std::chrono::duration<double, std::milli>(end - begin).count();
        const long rss = statusKb("VmRSS"), hwm = statusKb("VmHWM");
        const int vertices = model->objects.empty() ? 0 : model->objects[0]->vertexCount;
        std::printf("%12zu %10.1f %10.1f %10.1f %12.3f %10d %10.1f %10.1f\n", triangles, fileMb, ms,
                    cpuMs, 1000.0 * cpuMs / static_cast<double>(triangles), vertices, rss / 1024.0,
                    hwm / 1024.0);
        delete model;
        std::filesystem::remove(path);
    }
    std::filesystem::remove_all(dir);
    return 0;
}
