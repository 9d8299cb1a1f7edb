#pragma once
#include <memory>
#include <string>
#include <vector>

#include "base/Vector3.h"

class RenderEngine;
class Texture;

// The shape of a board: tile positions on the half-tile grid, the grid's
// size, the camera's default view, a name and a preview picture. "Turtle" is
// built in; other layouts are read from ".lyt" files.
class Layout {
public:
    static constexpr const char* builtinTurtleFile = "Assets/Layouts/turtle_demo.lyt";
    // Bounds on what a file may ask for, so that a hostile file cannot make
    // the board allocate without limit.
    static constexpr int maxGridSize = 256;
    static constexpr int maxGridCells = 1 << 20;
    static constexpr size_t maxPositions = 1024;

    Vector3 defaultCameraTrack{18.0f, 0.0f, 25.0f};
    Vector3 defaultCameraTranslation{-0.9f, 0.0f, 0.2f};
    float defaultCameraZoom = 40.0f;
    float defaultFov = 40.0f;
    std::vector<Vector3> tileCoordinates;  // grid units, in file order
    std::string fileName;
    int gridX = 0;  // 0: no size given
    int gridY = 0;
    int gridZ = 0;
    std::string name;
    std::string previewImage;
    // Set by preview(): from the shared texture list, not owned; or
    // ownPreview, a picture drawn for this layout alone (one without a
    // usable picture file).
    Texture* previewTexture = nullptr;
    std::unique_ptr<Texture> ownPreview;
    RenderEngine* renderEngine = nullptr;

    Layout(RenderEngine* re, const std::string& file);
    // An empty layout that reads no file, for shapes made in memory.
    explicit Layout(RenderEngine* re);
    Layout(const Layout&) = delete;
    Layout& operator=(const Layout&) = delete;
    ~Layout();

    void loadLayoutFile();
    void createLayout();
    // The chooser's picture of the layout, loaded (or drawn from the
    // positions) when first asked for: a game that never shows it keeps no
    // picture of its layout. Null when there is none.
    Texture* preview();

    // A layout can be dealt from when it has a grid size within the bounds,
    // at least two positions, and every position inside the grid. Otherwise
    // the reason is logged and false returned.
    bool isPlayable() const;
    // The same test without the log line: what is wrong, or empty.
    std::string playableProblem() const;

private:
    void loadPreview();
    void drawOwnPreview();
    bool previewLooked = false;
};
