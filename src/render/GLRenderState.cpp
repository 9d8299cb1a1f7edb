#include "render/GLRenderState.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "render/Frustum.h"
#include "render/GLExtensions.h"
#include "render/Material.h"
#include "render/Model.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"

bool GLRenderState::useTextureUnit(int i)
{
    const auto& units = GLExtensions::availableTexUnits;
    if (!GLExtensions::glActiveTextureARB || !GLExtensions::glClientActiveTextureARB
        || i < 0 || static_cast<size_t>(i) >= units.size())
        return i == 0;
    GLExtensions::glActiveTextureARB(static_cast<GLenum>(units[static_cast<size_t>(i)]));
    GLExtensions::glClientActiveTextureARB(static_cast<GLenum>(units[static_cast<size_t>(i)]));
    return true;
}

void GLRenderState::applyMaterial(RenderEngine* engine, Material* m)
{
    if (!m || m == engine->lastMaterial)
        return;
    m->diffuse[3] = m->alpha;
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, m->ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, m->diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, m->specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, m->emission);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, m->shininess);
    engine->lastMaterial = m;
}

void GLRenderState::useBlending(const Material* m)
{
    const bool translucent = m && (m->alpha < 1.0f || (m->diffuseMap && m->diffuseMap->translucent));
    if (translucent)
        glEnable(GL_BLEND);
    else
        glDisable(GL_BLEND);
}

void GLRenderState::bindDiffuse(const Material* m)
{
    const GLuint name = (m && m->diffuseMap) ? m->diffuseMap->glName : 0;
    glBindTexture(GL_TEXTURE_2D, name);
}

bool GLRenderState::drawable(const Object* obj)
{
    return obj && obj->indexCount > 0 && obj->indices && obj->vertices && obj->normals
        && obj->texCoords;
}

void GLRenderState::objectTransform(const Object* obj)
{
    const Vector3& r = obj->rotation;
    if (r.x != 0.0f || r.y != 0.0f || r.z != 0.0f) {
        glTranslatef(obj->pivot.x, obj->pivot.y, obj->pivot.z);
        glRotatef(r.x, 1.0f, 0.0f, 0.0f);
        glRotatef(r.y, 0.0f, 1.0f, 0.0f);
        glRotatef(r.z, 0.0f, 0.0f, 1.0f);
        glTranslatef(-obj->pivot.x, -obj->pivot.y, -obj->pivot.z);
    }
    const Vector3& s = obj->scale;
    if (s.x != 1.0f || s.y != 1.0f || s.z != 1.0f)
        glScalef(s.x, s.y, s.z);
    const Vector3& t = obj->translation;
    if (t.x != 0.0f || t.y != 0.0f || t.z != 0.0f)
        glTranslatef(t.x, t.y, t.z);
}

namespace {
// out = out * b, as glMultMatrix does to the current matrix.
void then(float out[16], const float b[16])
{
    float a[16];
    std::copy(out, out + 16, a);
    Frustum::multiply(a, b, out);
}

void translation(float x, float y, float z, float m[16])
{
    Frustum::identity(m);
    m[12] = x;
    m[13] = y;
    m[14] = z;
}

void scaling(float x, float y, float z, float m[16])
{
    Frustum::identity(m);
    m[0] = x;
    m[5] = y;
    m[10] = z;
}

// A rotation by degrees about axis 0 (x), 1 (y) or 2 (z), as glRotatef
// makes it for a unit axis.
void rotation(float degrees, int axis, float m[16])
{
    Frustum::identity(m);
    if (degrees == 0.0f)
        return;
    const double r = degrees * 3.14159265358979323846 / 180.0;
    const float c = static_cast<float>(std::cos(r)), s = static_cast<float>(std::sin(r));
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;  // the plane turned
    m[i * 4 + i] = c;
    m[j * 4 + j] = c;
    m[i * 4 + j] = s;
    m[j * 4 + i] = -s;
}
}

void GLRenderState::tilePartMatrix(const Vector3& at, const Object* obj, float m[16])
{
    float step[16];
    translation(at.x, at.y, at.z, m);
    scaling(obj->scale.x, obj->scale.y, obj->scale.z, step);
    then(m, step);
    translation(obj->translation.x, obj->translation.y, obj->translation.z, step);
    then(m, step);
    rotation(obj->rotation.x, 0, step);
    then(m, step);
    rotation(obj->rotation.y, 1, step);
    then(m, step);
    rotation(obj->rotation.z, 2, step);
    then(m, step);
}

void GLRenderState::pictureMatrix(float u, float v, float sx, float sy, float m[16])
{
    float step[16];
    Frustum::identity(m);
    if (sx != 1.0f) {
        translation(sx * u, sy - v * sy, 0.0f, m);
        scaling(sx, sy, 0.0f, step);
        then(m, step);
    }
    translation(u, -v, 0.0f, step);
    then(m, step);
}

void GLRenderState::pointArrays(const Object* obj)
{
    if (!obj)
        return;
    glTexCoordPointer(2, GL_FLOAT, 0, obj->texCoords.get());
    glNormalPointer(GL_FLOAT, 0, obj->normals.get());
    glVertexPointer(3, GL_FLOAT, 0, obj->vertices.get());
}

void GLRenderState::drawObject(const Object* obj)
{
    pointArrays(obj);
    drawTriangles(obj);
}

void GLRenderState::drawTriangles(const Object* obj)
{
    glDrawElements(GL_TRIANGLES, obj->indexCount, GL_UNSIGNED_INT, obj->indices.get());
}

Object* GLRenderState::findObject(const Model* model, const std::string& name)
{
    if (!model)
        return nullptr;
    Object* found = nullptr;
    for (Object* o : model->objects)
        if (o && o->name == name)
            found = o;
    return found;
}
