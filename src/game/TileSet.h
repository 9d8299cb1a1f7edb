#pragma once
#include <memory>
#include <string>
#include <vector>

class Level;
class Material;
class RenderEngine;
class SoundEngine;
class Texture;
class Tile;

// The template tiles a board is dealt from, one per face, with the set's
// name, preview picture and picture material. "Standard" and
// "Hiragana(Basic)" are built in; other sets are read from ".tls" files.
class TileSet {
public:
    static constexpr const char* tileModelFile = "Assets/Tiles/tile.obj";
    static constexpr const char* standardFile = "Assets/Tiles/Standard/standard_tiles_demo.tls";
    static constexpr const char* hiraganaFile = "Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.tls";
    // Bounds on what a file may ask for.
    static constexpr size_t maxTemplates = 1024;
    static constexpr int maxRepeat = 1000;

    Level* level = nullptr;
    std::string name;
    std::string previewImage;
    // Set by preview(); from the shared texture list, not owned.
    Texture* previewTexture = nullptr;
    RenderEngine* renderEngine = nullptr;
    SoundEngine* soundEngine = nullptr;
    float textureScaleX = 1.0f;
    float textureScaleY = 1.0f;
    std::vector<std::unique_ptr<Tile>> templates;  // in file order
    std::string stamp;
    Material* stampMaterial = nullptr;  // owned by the render engine

    TileSet(RenderEngine* re, SoundEngine* se, Level* level);
    // Reads only the set's name and preview picture from the file.
    TileSet(RenderEngine* re, SoundEngine* se, Level* level, const std::string& file);
    TileSet(const TileSet&) = delete;
    TileSet& operator=(const TileSet&) = delete;
    ~TileSet();

    // Both replace the templates the set had.
    void loadTiles(const std::string& file);
    // The two built-in file names build the built-in sets; any other name is
    // read as a tile set file.
    void createTileSet(const std::string& file);

    // The next pair of templates for a deal, searched from start onwards
    // (cyclically); false when no template has an available partner.
    bool chooseTiles(int* first, int* second, int start);
    void reset();

    // Sum of standardRepeat over the templates.
    int totalRepeat() const;
    // The first template with this face's name, or null.
    Tile* templateNamed(const std::string& name) const;
    // The chooser's picture of the set, loaded when first asked for: a
    // game that never shows it keeps no picture of its set. Null when there
    // is none.
    Texture* preview();

private:
    void clearTemplates();
    std::unique_ptr<Tile> newTemplate();
    void finishTemplates();
    void loadStampMaterial(const std::string& materialFile);
    // Names the preview picture; it is loaded when first asked for.
    void namePreview(const std::string& path);
    std::string previewPath;
    bool previewLooked = false;
    bool available(const Tile* t, int multiplier) const;
    void createStandard();
    void createHiragana();
    // Both built-in sets share the tile model, the sounds and the set-up.
    struct BuiltinSounds {
        int clear = -1;  // sound handles; -1: none
        int click = -1;
    };
    BuiltinSounds beginBuiltin(const std::string& setName, const std::string& material,
                               const std::string& preview);
    void addBuiltin(const BuiltinSounds& sounds, const std::string& tileName, int column, int row,
                    int repeat, const std::vector<std::string>& matches);
};
