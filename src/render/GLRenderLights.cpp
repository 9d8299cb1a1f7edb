// The OpenGL side of the lights: each setter stores the value in the light
// and sends it to its OpenGL light.
#include <GL/gl.h>

#include "render/GLRender.h"
#include "render/Light.h"
#include "render/RenderEngine.h"

namespace {
// Stores a colour in the light and sends it to its OpenGL light, if any.
void sendColour(const Light* light, GLenum what, float* store, float r, float g, float b, float a)
{
    store[0] = r; store[1] = g; store[2] = b; store[3] = a;
    if (light->lightNum)
        glLightfv(static_cast<GLenum>(light->lightNum), what, store);
}
}

void GLRender::deleteLight(int light)
{
    if (light != 0)
        glDisable(static_cast<GLenum>(light));
}

void GLRender::setAmbient(Light* light, float r, float g, float b, float a)
{
    sendColour(light, GL_AMBIENT, light->ambient, r, g, b, a);
}

void GLRender::setDiffuse(Light* light, float r, float g, float b, float a)
{
    sendColour(light, GL_DIFFUSE, light->diffuse, r, g, b, a);
}

void GLRender::setSpecular(Light* light, float r, float g, float b, float a)
{
    sendColour(light, GL_SPECULAR, light->specular, r, g, b, a);
}

void GLRender::setPosition(Light* light, float x, float y, float z)
{
    light->position[0] = x;
    light->position[1] = y;
    light->position[2] = z;
    if (light->lightNum)
        glLightfv(static_cast<GLenum>(light->lightNum), GL_POSITION, light->position);
}

void GLRender::setSpotDirection(Light* light, float x, float y, float z)
{
    light->spotDirection[0] = x;
    light->spotDirection[1] = y;
    light->spotDirection[2] = z;
    if (light->lightNum)
        glLightfv(static_cast<GLenum>(light->lightNum), GL_SPOT_DIRECTION, light->spotDirection);
}

void GLRender::setCutoff(Light* light, float degrees)
{
    light->cutoff = degrees;
    if (light->lightNum)
        glLightf(static_cast<GLenum>(light->lightNum), GL_SPOT_CUTOFF, degrees);
}

void GLRender::setExponent(Light* light, float value)
{
    light->exponent = value;
    if (light->lightNum)
        glLightf(static_cast<GLenum>(light->lightNum), GL_SPOT_EXPONENT, value);
}

void GLRender::setAttenuation(Light* light, float constant, float linear, float quadratic)
{
    if (!light->lightNum)
        return;
    const GLenum num = static_cast<GLenum>(light->lightNum);
    glLightf(num, GL_CONSTANT_ATTENUATION, constant);
    glLightf(num, GL_LINEAR_ATTENUATION, linear);
    glLightf(num, GL_QUADRATIC_ATTENUATION, quadratic);
}

void GLRender::setLightType(Light* light, LIGHT_TYPE type)
{
    light->type = type;
    switch (type) {
    case LIGHT_SPOT:
        light->position[3] = 1.0f;
        break;
    case LIGHT_POINT:
        light->position[3] = 1.0f;
        setCutoff(light, 180.0f);
        break;
    case LIGHT_DIRECTIONAL:
        light->position[3] = 0.0f;
        break;
    }
    updateLight(light);
}

void GLRender::updateLight(Light* light)
{
    if (!light->lightNum)
        return;
    const GLenum num = static_cast<GLenum>(light->lightNum);
    glLightfv(num, GL_POSITION, light->position);
    glLightfv(num, GL_SPOT_DIRECTION, light->spotDirection);
}

void GLRender::Visible(Light* light, bool on)
{
    light->visible = on;
    if (!light->lightNum)
        return;
    if (on)
        glEnable(static_cast<GLenum>(light->lightNum));
    else
        glDisable(static_cast<GLenum>(light->lightNum));
}

void GLRender::setSceneLights()
{
    const GLfloat ambient[4] = {0.6f, 0.6f, 0.6f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);

    // Exactly one scene light however often this runs: the old one gives
    // its number back before the new one takes one.
    if (engine->sceneLight) {
        Visible(engine->sceneLight.get(), false);
        engine->sceneLight.reset();
    }
    engine->sceneLight = std::make_unique<Light>(LIGHT_POINT, engine);
    Light* light = engine->sceneLight.get();
    light->setDiffuse(1.5f, 1.5f, 1.4f, 1.0f);
    light->setSpecular(0.5f, 0.5f, 0.5f, 1.0f);
    light->setExponent(80.0f);
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
    light->setAttenuation(1.0f, 0.0f, 0.0f);
    light->setPosition(-43.9f, 145.477f, -61.424f);
    light->setSpotDirection(0.0f, -1.0f, 0.0f);
    light->setCutoff(180.0f);
    light->updateLight();
}
