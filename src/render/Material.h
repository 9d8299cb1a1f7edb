#pragma once
#include <string>

class RenderEngine;
class Texture;

// One entry of a material file: fixed-function lighting colours, shininess,
// opacity and up to seven texture maps, shared with the other materials
// that name the same picture (see Texture::acquire).
class Material {
public:
    float alpha = 1.0f;
    Texture* ambientMap = nullptr;
    Texture* bumpMap = nullptr;
    Texture* diffuseMap = nullptr;   // the only map bound when drawing
    Texture* emissiveMap = nullptr;
    std::string file;                // the material file that defined it
    float illum = 1.0f;
    float ambient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float emission[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float specular[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    std::string name;
    float shininess = 2.0f;
    Texture* shininessMap = nullptr;
    Texture* specularMap = nullptr;
    Texture* alphaMap = nullptr;

    Material() = default;
    Material(const Material&) = delete;
    Material& operator=(const Material&) = delete;
    ~Material();

    // Reads a material file into the engine's materials list, once per
    // file: returns the first material of the file (the one already loaded
    // when the file was read before), or null when the file cannot be opened
    // or defines none. A missing file is skipped without a log line.
    static Material* loadFile(RenderEngine* engine, const std::string& file);

    // Makes the "highlight" and "hoverHighlight" materials and appends them
    // to the engine's list, in that order.
    static void createHighlightMaterials(RenderEngine* engine);

    // The colour a selected tile glows with: the emission of the engine's
    // highlight material (nothing happens before it exists).
    static void setHighlightColor(RenderEngine* engine, float r, float g, float b, float a);
};
