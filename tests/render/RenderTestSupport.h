#pragma once
// Helpers shared by the render tests: files written on the fly, the log
// captured, a clock the test moves by hand and a renderer that records what
// the texture code asks of it.
#include <gtest/gtest.h>
#include <SDL/SDL.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "render/Material.h"
#include "render/Renderer.h"

namespace rendertest {

inline void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

inline std::string dataDir()
{
    return std::string(JADELOOM_TEST_DATA) + "/models/";
}

inline int countOf(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Everything written to the log between construction and text().
class LogCapture {
public:
    LogCapture() { testing::internal::CaptureStderr(); }
    ~LogCapture()
    {
        if (!taken)
            testing::internal::GetCapturedStderr();
    }
    std::string text()
    {
        taken = true;
        return testing::internal::GetCapturedStderr();
    }

private:
    bool taken = false;
};

inline Uint32 fakeNow = 0;
inline Uint32 fakeTicks() { return fakeNow; }

// The do-nothing renderer, remembering the pictures it was asked to swap in.
class RecordingRenderer : public Renderer {
public:
    std::vector<std::pair<Texture*, std::string>> swaps;
    int renderedModels = 0;

    bool swapImage(Texture* t, std::string file, unsigned int) override
    {
        swaps.emplace_back(t, file);
        return true;
    }
    void renderModel(Model*) override { ++renderedModels; }
    // Material files are read as the real renderer reads them.
    Material* loadMaterials(std::string file) override { return Material::loadFile(engine, file); }
};

}  // namespace rendertest
