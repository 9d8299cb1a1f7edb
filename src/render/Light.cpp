#include "render/Light.h"

#include <algorithm>

#include "render/RenderEngine.h"
#include "render/Renderer.h"

Light::Light(LIGHT_TYPE lightType, RenderEngine* eng) : engine(eng), type(lightType)
{
    Renderer* r = engine->renderer.get();
    r->lights.push_back(this);
    if (r->freeLightNumbers.empty()) {
        lightNum = 0;
        Visible(false);
        return;
    }
    lightNum = r->freeLightNumbers.front();
    r->freeLightNumbers.erase(r->freeLightNumbers.begin());
    Visible(true);
    setLightType(lightType);
    setPosition(0.0f, 0.0f, 0.0f);
    setSpotDirection(0.0f, -1.0f, 0.0f);
    setCutoff(45.0f);
    setExponent(12.0f);
    setAmbient(0.0f, 0.0f, 0.0f, 1.0f);
    setDiffuse(1.0f, 1.0f, 1.0f, 1.0f);
    setSpecular(1.0f, 1.0f, 1.0f, 1.0f);
    updateLight();
}

Light::~Light()
{
    Renderer* r = engine->renderer.get();
    if (lightNum != 0)
        r->freeLightNumbers.push_back(lightNum);
    auto it = std::find(r->lights.begin(), r->lights.end(), this);
    if (it != r->lights.end())
        r->lights.erase(it);
}

void Light::setAmbient(float r, float g, float b, float a) { engine->renderer->setAmbient(this, r, g, b, a); }
void Light::setDiffuse(float r, float g, float b, float a) { engine->renderer->setDiffuse(this, r, g, b, a); }
void Light::setSpecular(float r, float g, float b, float a) { engine->renderer->setSpecular(this, r, g, b, a); }
void Light::setPosition(float x, float y, float z) { engine->renderer->setPosition(this, x, y, z); }
void Light::setSpotDirection(float x, float y, float z) { engine->renderer->setSpotDirection(this, x, y, z); }
void Light::setCutoff(float degrees) { engine->renderer->setCutoff(this, degrees); }
void Light::setExponent(float value) { engine->renderer->setExponent(this, value); }
void Light::setAttenuation(float c, float l, float q) { engine->renderer->setAttenuation(this, c, l, q); }
void Light::setLightType(LIGHT_TYPE newType) { engine->renderer->setLightType(this, newType); }
void Light::Visible(bool on) { engine->renderer->Visible(this, on); }
void Light::updateLight() { engine->renderer->updateLight(this); }
