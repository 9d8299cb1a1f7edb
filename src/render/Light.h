#pragma once
#include "render/LightType.h"

class RenderEngine;

// One fixed-function light. Its number comes from the renderer's pool of
// free light enumerants; with none free it stays dark with number 0.
class Light {
public:
    float ambient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float cutoff = 45.0f;
    float diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float exponent = 12.0f;
    RenderEngine* engine = nullptr;
    int lightNum = 0;
    LIGHT_TYPE type = LIGHT_POINT;
    float position[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float specular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float spotDirection[3] = {0.0f, -1.0f, 0.0f};
    bool visible = true;

    Light(LIGHT_TYPE type, RenderEngine* engine);
    Light(const Light&) = delete;
    Light& operator=(const Light&) = delete;
    ~Light();

    int getLightNum() const { return lightNum; }
    void setAmbient(float r, float g, float b, float a);
    void setDiffuse(float r, float g, float b, float a);
    void setSpecular(float r, float g, float b, float a);
    void setPosition(float x, float y, float z);
    void setSpotDirection(float x, float y, float z);
    void setCutoff(float degrees);
    void setExponent(float value);
    void setAttenuation(float constant, float linear, float quadratic);
    void setLightType(LIGHT_TYPE newType);
    void Visible(bool on);
    void updateLight();
};
