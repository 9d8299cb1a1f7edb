#pragma once
#include <string>

class Texture;

// One entry of a material file: fixed-function lighting colours, shininess,
// opacity and up to seven texture maps (owned).
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
};
