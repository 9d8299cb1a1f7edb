#include "game/Layout.h"

#include <cmath>
#include <set>
#include <tuple>

#include "base/Log.h"
#include "base/WordReader.h"
#include "render/PositionsPicture.h"  // a layout without a picture gets one drawn
#include "render/RenderEngine.h"  // a layout's preview is a texture
#include "render/Renderer.h"  // a layout's preview is a texture
#include "render/Texture.h"  // a layout's preview is a texture

Layout::Layout(RenderEngine* re, const std::string& file) : fileName(file), renderEngine(re)
{
    if (file == builtinTurtleFile)
        createLayout();
    else
        loadLayoutFile();
}

Layout::Layout(RenderEngine* re) : renderEngine(re)
{
}

Layout::~Layout() = default;

Texture* Layout::preview()
{
    if (!previewLooked) {
        previewLooked = true;
        loadPreview();
        if (!previewTexture && !tileCoordinates.empty())
            drawOwnPreview();
    }
    return previewTexture;
}

void Layout::drawOwnPreview()
{
    ownPreview = PositionsPicture::texture(renderEngine, *this);
    previewTexture = ownPreview.get();
}

void Layout::loadPreview()
{
    if (!previewImage.empty() && renderEngine && renderEngine->renderer)
        previewTexture = renderEngine->renderer->loadTexture(previewImage);
}

void Layout::loadLayoutFile()
{
    WordReader in(fileName);
    if (!in.ok()) {
        outputError("Missing layout file: " + fileName);
        return;
    }
    auto readVector = [&in](Vector3& v) {
        in.readFloat(v.x);
        in.readFloat(v.y);
        in.readFloat(v.z);
    };
    std::string word;
    bool coordinates = false;
    bool truncated = false;
    while (in.next(word)) {
        if (coordinates) {
            if (word != "Tile")
                continue;
            Vector3 p;
            bool ok = in.readFloat(p.x) && in.readFloat(p.y) && in.readFloat(p.z);
            if (!ok)
                continue;
            if (tileCoordinates.size() < maxPositions)
                tileCoordinates.push_back(p);
            else
                truncated = true;
        } else if (word == "Name:") {
            in.next(name);
        } else if (word == "DefaultCameraTranslation:") {
            readVector(defaultCameraTranslation);
        } else if (word == "DefaultCameraTrack:") {
            readVector(defaultCameraTrack);
        } else if (word == "DefaultCameraZoom:") {
            in.readFloat(defaultCameraZoom);
        } else if (word == "DefaultFov:") {
            in.readFloat(defaultFov);
        } else if (word == "GridX:") {
            in.readInt(gridX);
        } else if (word == "GridY:") {
            in.readInt(gridY);
        } else if (word == "GridZ:") {
            in.readInt(gridZ);
        } else if (word == "PreviewImage:") {
            in.next(previewImage);
        } else if (word == "TileCoordinates:") {
            coordinates = true;
        }
    }
    if (truncated)
        outputError("Layout has too many positions, extra ones ignored: " + fileName);
    outputError("Loaded layout file: " + fileName);
}

std::string Layout::playableProblem() const
{
    if (gridX <= 0 || gridY <= 0 || gridZ <= 0)
        return "Layout without a grid size";
    if (gridX < 2 || gridY < 2 || gridX > maxGridSize || gridY > maxGridSize || gridZ > maxGridSize
        || static_cast<long long>(gridX) * gridY * gridZ > maxGridCells)
        return "Layout grid size out of range";
    if (tileCoordinates.size() < 2)
        return "Layout without positions";
    for (const Vector3& p : tileCoordinates) {
        // Positions are truncated to whole cells when tiles are placed.
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)
            || std::trunc(p.x) < 0 || std::trunc(p.x) > gridX - 2
            || std::trunc(p.y) < 0 || std::trunc(p.y) > gridY - 2
            || std::trunc(p.z) < 0 || std::trunc(p.z) > gridZ - 1)
            return "Layout position outside its grid";
    }
    // A tile covers two by two cells of its layer; two tiles in one cell
    // would each block and free the other unpredictably.
    std::set<std::tuple<int, int, int>> taken;
    for (const Vector3& p : tileCoordinates) {
        const int x = static_cast<int>(p.x), y = static_cast<int>(p.y), z = static_cast<int>(p.z);
        for (int dx = 0; dx < 2; ++dx)
            for (int dy = 0; dy < 2; ++dy)
                if (!taken.insert({x + dx, y + dy, z}).second)
                    return "Layout with overlapping positions";
    }
    return std::string();
}

bool Layout::isPlayable() const
{
    const std::string problem = playableProblem();
    if (!problem.empty())
        outputError(problem + " refused: " + fileName);
    return problem.empty();
}

void Layout::createLayout()
{
    name = "Turtle";
    defaultCameraTrack = Vector3(18.0f, 0.0f, 15.0f);
    defaultCameraTranslation = Vector3(-1.0f, 0.0f, 0.1f);
    defaultCameraZoom = 10.0f;
    defaultFov = 40.0f;
    gridX = 30;
    gridY = 16;
    gridZ = 5;
    previewImage = "Assets/Layouts/turtle_preview.png";

    tileCoordinates.clear();
    auto run = [this](int z, int y, int fromX, int toX) {
        for (int x = fromX; x <= toX; x += 2)
            tileCoordinates.emplace_back(static_cast<float>(x), static_cast<float>(y),
                                         static_cast<float>(z));
    };
    run(0, 0, 2, 24);
    run(0, 2, 6, 20);
    run(0, 4, 4, 22);
    run(0, 6, 2, 24);
    run(0, 7, 0, 0);
    run(0, 8, 2, 24);
    run(0, 7, 26, 28);
    run(0, 10, 4, 22);
    run(0, 12, 6, 20);
    run(0, 14, 2, 24);
    for (int y = 2; y <= 12; y += 2)
        run(1, y, 8, 18);
    for (int y = 4; y <= 10; y += 2)
        run(2, y, 10, 16);
    run(3, 6, 12, 14);
    run(3, 8, 12, 14);
    run(4, 7, 13, 13);

    outputError("Loaded layout file: " + fileName);
}
