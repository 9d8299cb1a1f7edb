#include "render/Material.h"

#include <memory>
#include <utility>

#include "base/Log.h"
#include "base/LineReader.h"
#include "base/WordReader.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"

namespace {
// Lines of a material file longer than this are not read.
constexpr size_t maxLine = 255;

void readColour(WordReader& words, float colour[4])
{
    float r, g, b;
    if (words.readFloat(r) && words.readFloat(g) && words.readFloat(b)) {
        colour[0] = r;
        colour[1] = g;
        colour[2] = b;
    }
}

// The map keywords and the field each one fills.
Texture** mapSlot(Material* m, const std::string& key)
{
    if (key == "map_Ka") return &m->ambientMap;
    if (key == "map_Kd") return &m->diffuseMap;
    if (key == "map_Ks") return &m->specularMap;
    if (key == "map_Ke") return &m->emissiveMap;
    if (key == "map_Ns") return &m->shininessMap;
    if (key == "map_d") return &m->alphaMap;
    if (key == "map_Bump") return &m->bumpMap;
    return nullptr;
}
}

Material::~Material()
{
    for (Texture* t : {ambientMap, bumpMap, diffuseMap, emissiveMap, shininessMap, specularMap, alphaMap})
        Texture::release(t);
}

Material* Material::loadFile(RenderEngine* engine, const std::string& file)
{
    if (!engine)
        return nullptr;
    for (const auto& m : engine->materials)
        if (m->file == file)
            return m.get();

    LineReader lines(file, maxLine);
    if (!lines.ok())
        return nullptr;
    const size_t slash = file.find_last_of("/\\");
    const std::string directory = slash == std::string::npos ? "" : file.substr(0, slash + 1);

    Material* first = nullptr;
    Material* current = nullptr;
    WordReader& words = lines.words();
    while (lines.next()) {
        if (lines.tooLong()) {
            outputError("Line too long in material file: " + file);
            continue;
        }
        const std::string& key = lines.keyword();
        if (key.empty())
            continue;

        if (key == "newmtl") {
            engine->materials.push_back(std::make_unique<Material>());
            current = engine->materials.back().get();
            current->file = file;
            words.next(current->name);
            if (!first)
                first = current;
            if (current->name == "Tile_Material")
                engine->tileMaterial = current;
            continue;
        }
        if (!current)
            continue;

        if (key == "illum") {
            words.readFloat(current->illum);
        } else if (key == "Ka") {
            readColour(words, current->ambient);
        } else if (key == "Kd") {
            readColour(words, current->diffuse);
        } else if (key == "Ks") {
            readColour(words, current->specular);
        } else if (key == "Ke") {
            readColour(words, current->emission);
        } else if (key == "Ns") {
            words.readFloat(current->shininess);
        } else if (key == "d" || key == "Tr") {
            words.readFloat(current->alpha);
        } else if (key == "Tf") {
            float r, g, b;
            if (words.readFloat(r) && words.readFloat(g) && words.readFloat(b))
                current->alpha = (r + g + b) / 3.0f;
        } else if (Texture** slot = mapSlot(current, key)) {
            std::string name;
            if (words.next(name)) {
                // A repeated map keyword replaces the earlier map; a picture
                // any material already holds is not loaded again.
                Texture* earlier = *slot;
                *slot = Texture::acquire(engine, directory + name);
                Texture::release(earlier);
            }
        }
    }
    return first;
}

void Material::createHighlightMaterials(RenderEngine* engine)
{
    if (!engine)
        return;
    auto highlight = std::make_unique<Material>();
    highlight->name = "highlight";
    highlight->emission[0] = 0.282f;
    highlight->emission[1] = 0.384f;
    highlight->emission[2] = 0.75f;
    highlight->emission[3] = 0.5f;
    auto hover = std::make_unique<Material>();
    hover->name = "hoverHighlight";
    hover->emission[0] = 0.7f;
    hover->emission[1] = 0.8f;
    hover->emission[2] = 1.0f;
    hover->emission[3] = 1.0f;
    engine->highlightMaterial = highlight.get();
    engine->hoverHighlightMaterial = hover.get();
    engine->materials.push_back(std::move(highlight));
    engine->materials.push_back(std::move(hover));
}

void Material::setHighlightColor(RenderEngine* engine, float r, float g, float b, float a)
{
    if (!engine || !engine->highlightMaterial)
        return;
    float* e = engine->highlightMaterial->emission;
    e[0] = r;
    e[1] = g;
    e[2] = b;
    e[3] = a;
}
