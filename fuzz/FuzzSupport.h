#pragma once
// What the reader fuzz targets share: a quiet log, a scratch directory of
// their own and an engine with the do-nothing renderer.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "render/Material.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

namespace fuzzsupport {

// Reads material files as the real renderer does, without OpenGL.
class MaterialRenderer : public Renderer {
public:
    Material* loadMaterials(std::string file) override { return Material::loadFile(engine, file); }
};

inline RenderEngine& engine()
{
    static RenderEngine* e = new RenderEngine(std::make_unique<MaterialRenderer>());
    return *e;
}

inline std::string& scratchPath()
{
    static std::string dir;
    return dir;
}

// A directory of the process's own, removed when the fuzzer exits.
inline const std::string& scratchDir()
{
    std::string& dir = scratchPath();
    if (dir.empty()) {
        char pattern[] = "/tmp/jadeloom-fuzz-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        dir = std::string(pattern) + "/";
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratchPath(), ignored);
        });
        // The readers' log lines would drown the fuzzer's own output.
        std::cerr.setstate(std::ios::failbit);
    }
    return dir;
}

// The input as a file of that name in the scratch directory.
inline std::string writeInput(const std::string& name, const uint8_t* data, size_t size)
{
    const std::string path = scratchDir() + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

// A file's whole contents ("" when it cannot be read).
inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace fuzzsupport
