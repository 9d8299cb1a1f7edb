#pragma once
#include <string>
#include <vector>

#include "audio/Movie.h"
#include "render/Material.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

class Tile;

// The do-nothing renderer with no window, recording what it is asked to do:
// the tile a test puts under the pointer, models and movie frames drawn.
// Material files are read as the real renderer reads them; movie frames are
// decoded as it decodes them, and their upload succeeds.
class RecordingRenderer : public Renderer {
public:
    Tile* pick = nullptr;
    int renderedModels = 0;
    std::vector<int> movieFrames;

    Tile* Selection(int, int) override { return pick; }
    void renderModel(Model*) override { ++renderedModels; }
    Material* loadMaterials(std::string file) override { return Material::loadFile(engine, file); }
    void drawMovie(Movie* movie) override
    {
        movieFrames.push_back(movie->frame);
        movie->grabAVIFrame(movie->frame);
    }
    bool grabAVIFrame(Movie*) override { return true; }
};
