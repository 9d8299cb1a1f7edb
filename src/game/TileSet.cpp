#include "game/TileSet.h"


#include "audio/SoundEngine.h"  // the set loads its tiles' sounds
#include "game/Level.h"
#include "game/Tile.h"
#include "base/Log.h"
#include "base/PointerView.h"
#include "base/LineReader.h"
#include "base/WordReader.h"
#include "render/Material.h"  // the set loads its tiles' pictures
#include "render/RenderEngine.h"  // the set loads its tiles' pictures
#include "render/Renderer.h"  // the set loads its tiles' pictures

TileSet::TileSet(RenderEngine* re, SoundEngine* se, Level* lvl)
    : level(lvl), renderEngine(re), soundEngine(se)
{
}

TileSet::TileSet(RenderEngine* re, SoundEngine* se, Level* lvl, const std::string& file)
    : level(lvl), renderEngine(re), soundEngine(se)
{
    if (file == standardFile) {
        name = "Standard";
        previewImage = "Assets/Tiles/Standard/standard_tiles_preview.png";
        namePreview(previewImage);
        return;
    }
    if (file == hiraganaFile) {
        name = "Hiragana(Basic)";
        previewImage = "Assets/Tiles/Hiragana/hiragana_basic_tiles_preview_demo.png";
        namePreview(previewImage);
        return;
    }
    LineReader in(file);
    if (!in.ok()) {
        outputError("Missing tileset file: " + file);
        return;
    }
    WordReader& words = in.words();
    while (in.next()) {
        const std::string& key = in.keyword();
        if (key == "<Name>")
            words.next(name);
        else if (key == "<PreviewImage>" && words.next(previewImage))
            namePreview("Assets/Tiles/" + previewImage);
    }
}

TileSet::~TileSet()
{
    clearTemplates();
}

void TileSet::clearTemplates()
{
    templates.clear();
}

void TileSet::namePreview(const std::string& path)
{
    previewPath = path;
    previewTexture = nullptr;
    previewLooked = false;
}

Texture* TileSet::preview()
{
    if (!previewLooked && !previewPath.empty() && renderEngine && renderEngine->renderer) {
        previewLooked = true;
        previewTexture = renderEngine->renderer->loadTexture(previewPath);
    }
    return previewTexture;
}

void TileSet::loadStampMaterial(const std::string& materialFile)
{
    if (!renderEngine || !renderEngine->renderer)
        return;
    renderEngine->renderer->loadMaterials(materialFile);
    Material* found = nullptr;
    for (const auto& m : renderEngine->materials)
        if (m && m->name == name)
            found = m.get();
    if (!found)
        return;
    stampMaterial = found;
    renderEngine->stampMaterial = found;
}

std::unique_ptr<Tile> TileSet::newTemplate()
{
    auto t = std::make_unique<Tile>(renderEngine, level, soundEngine, 0, 0, 0, 0.0f, 0.0f, 0.0f, 0);
    t->used = 0;
    t->textureScaleX = textureScaleX;
    t->textureScaleY = textureScaleY;
    t->stampMaterial = stampMaterial;
    t->tileMaterial = renderEngine ? renderEngine->tileMaterial : nullptr;
    return t;
}

void TileSet::finishTemplates()
{
    for (const std::unique_ptr<Tile>& t : templates) {
        if (renderEngine)
            t->makeDuplicate(tileModelFile);
        t->setStampType();
        t->calculateSize();
    }
}

void TileSet::loadTiles(const std::string& file)
{
    clearTemplates();
    if (renderEngine)
        renderEngine->loadModel(tileModelFile);

    LineReader in(file);
    if (!in.ok()) {
        outputError("Missing tileset file: " + file);
        return;
    }
    std::unique_ptr<Tile> current;
    bool truncated = false;
    WordReader& words = in.words();
    while (in.next()) {
        const std::string& key = in.keyword();
        if (key == "<Name>") {
            words.next(name);
        } else if (key == "<PreviewImage>") {
            if (words.next(previewImage))
                namePreview("Assets/Tiles/" + previewImage);
        } else if (key == "<TextureScaleX>") {
            words.readFloat(textureScaleX);
        } else if (key == "<TextureScaleY>") {
            words.readFloat(textureScaleY);
        } else if (key == "<Stamp>") {
            if (words.next(stamp))
                loadStampMaterial("Assets/Tiles/" + stamp);
        } else if (key == "<Tile>") {
            // A block left open is dropped rather than dealt half-read.
            current = newTemplate();
        } else if (key == "</Tile>") {
            if (!current)
                continue;
            if (templates.size() < maxTemplates)
                templates.push_back(std::move(current));
            else
                truncated = true;
            current.reset();
        } else if (!current) {
            continue;
        } else if (key == "Name:") {
            words.next(current->name);
        } else if (key == "TexturePos:") {
            words.readInt(current->texturePosX);
            words.readInt(current->texturePosY);
        } else if (key == "StandardRepeat:") {
            int repeat = 0;
            if (words.readInt(repeat))
                current->standardRepeat = repeat < 0 ? 0 : (repeat > maxRepeat ? maxRepeat : repeat);
        } else if (key == "ClearSound:" || key == "SelectSound:") {
            std::string path;
            if (words.next(path)) {
                int id = soundEngine ? soundEngine->addSound(path, false) : SoundEngine::noSound;
                (key == "ClearSound:" ? current->clearSound : current->selectSound) = id;
            }
        } else if (key == "Matches:") {
            std::string m;
            while (words.next(m))
                current->matches.push_back(m);
        }
    }
    if (truncated)
        outputError("Tileset has too many tiles, extra ones ignored: " + file);
    finishTemplates();
    outputError("Loaded tileset file: " + file);
}

void TileSet::createTileSet(const std::string& file)
{
    if (file == standardFile) {
        createStandard();
        outputError("Loaded tileset file: standard_tiles.tls");
    } else if (file == hiraganaFile) {
        createHiragana();
        outputError("Loaded tileset file: hiragana_basic_tiles_demo.tls");
    } else {
        loadTiles(file);
    }
}

TileSet::BuiltinSounds TileSet::beginBuiltin(const std::string& setName, const std::string& material,
                                             const std::string& preview)
{
    clearTemplates();
    if (renderEngine)
        renderEngine->loadModel(tileModelFile);
    name = setName;
    textureScaleX = textureScaleY = 1.0f;
    loadStampMaterial(material);
    previewImage = preview;
    namePreview(previewImage);
    BuiltinSounds sounds;
    if (soundEngine) {
        sounds.clear = soundEngine->addSound("Assets/Sounds/clear.wav", false);
        sounds.click = soundEngine->addSound("Assets/Sounds/click.wav", false);
    }
    return sounds;
}

void TileSet::addBuiltin(const BuiltinSounds& sounds, const std::string& tileName, int column, int row,
                         int repeat, const std::vector<std::string>& matches)
{
    std::unique_ptr<Tile> t = newTemplate();
    t->name = tileName;
    t->texturePosX = column;
    t->texturePosY = row;
    t->standardRepeat = repeat;
    t->matches = matches;
    t->clearSound = sounds.clear;
    t->selectSound = sounds.click;
    templates.push_back(std::move(t));
}

void TileSet::createStandard()
{
    const BuiltinSounds sounds = beginBuiltin("Standard", "Assets/Tiles/Standard/standard_tiles.mtl",
                                              "Assets/Tiles/Standard/standard_tiles_preview.png");
    auto add = [&](const std::string& n, int col, int row, int repeat,
                   const std::vector<std::string>& matches) {
        addBuiltin(sounds, n, col, row, repeat, matches.empty() ? std::vector<std::string>{n} : matches);
    };
    const char* suits[] = {"Bamboo", "Chinese", "Wheel"};
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 9; ++i)
            add(suits[row] + std::to_string(i + 1), i, row, 4, {});
    const char* winds[] = {"North", "South", "East", "West"};
    for (int i = 0; i < 4; ++i)
        add(winds[i], i, 3, 4, {});
    const std::vector<std::string> seasons = {"Spring", "Summer", "Fall", "Winter"};
    for (int i = 0; i < 4; ++i)
        add(seasons[i], 4 + i, 3, 1, seasons);
    const std::vector<std::string> flowers = {"Bam", "Crys", "Plum", "Orc"};
    for (int i = 0; i < 4; ++i)
        add(flowers[i], i, 4, 1, flowers);
    const char* dragons[] = {"Green", "Red", "White"};
    for (int i = 0; i < 3; ++i)
        add(dragons[i], 4 + i, 4, 4, {});
    finishTemplates();
}

void TileSet::createHiragana()
{
    const BuiltinSounds sounds =
        beginBuiltin("Hiragana(Basic)", "Assets/Tiles/Hiragana/hiragana_basic_tiles_demo.mtl",
                     "Assets/Tiles/Hiragana/hiragana_basic_tiles_preview_demo.png");
    static const char* const syllables[] = {
        "A",  "I",  "U",  "E",  "O",  "KA", "KI", "KU", "KE", "KO", "SA", "SHI", "SU", "SE", "SO", "TA",
        "CHI", "TSU", "TE", "TO", "NA", "NI", "NU", "NE", "NO", "HA", "HI", "HU", "HE", "HO", "MA", "MI",
        "MU", "ME", "MO", "YA", "YU", "YO", "RA", "RI", "RU", "RE", "RO", "WA", "WO", "N"};
    int k = 0;
    for (const char* s : syllables) {
        const std::string japanese = std::string("Japanese-") + s;
        const std::string romaji = std::string("Romaji-") + s;
        for (int half = 0; half < 2; ++half) {
            addBuiltin(sounds, half == 0 ? japanese : romaji, k % 17, k / 17 + (half == 0 ? 0 : 3), 2,
                       {half == 0 ? romaji : japanese});
        }
        ++k;
    }
    finishTemplates();
}

bool TileSet::available(const Tile* t, int multiplier) const
{
    return t->used < t->standardRepeat * multiplier;
}

bool TileSet::chooseTiles(int* first, int* second, int start)
{
    const int n = static_cast<int>(templates.size());
    if (n == 0 || start < 0 || start >= n)
        return false;
    const int multiplier = level ? level->tileSetMultiplier : 1;
    // Cyclic order from start: start, start+1, ..., n-1, 0, ..., start-1.
    for (int step = 0; step < n; ++step) {
        const int i = (start + step) % n;
        Tile* t = templates[i].get();
        if (!available(t, multiplier))
            continue;
        ++t->used;  // a face paired with itself needs two free copies
        int partner = -1;
        for (int j = 0; j < n; ++j) {
            if (t->match(templates[j].get()) && available(templates[j].get(), multiplier)) {
                partner = j;
                break;
            }
        }
        --t->used;
        if (partner >= 0) {
            if (first) *first = i;
            if (second) *second = partner;
            return true;
        }
    }
    return false;
}

void TileSet::reset()
{
    for (Tile* t : pointers(templates)) {
        t->used = 0;
        t->clearMapPoints();
    }
}

int TileSet::totalRepeat() const
{
    int total = 0;
    for (const Tile* t : pointers(templates))
        total += t->standardRepeat;
    return total;
}

Tile* TileSet::templateNamed(const std::string& name) const
{
    for (Tile* t : pointers(templates))
        if (t && t->name == name)
            return t;
    return nullptr;
}
