#include "render/GLRenderState.h"

#include <GL/gl.h>

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

void GLRenderState::tilePartTransform(const Object* obj)
{
    glScalef(obj->scale.x, obj->scale.y, obj->scale.z);
    glTranslatef(obj->translation.x, obj->translation.y, obj->translation.z);
    glRotatef(obj->rotation.x, 1.0f, 0.0f, 0.0f);
    glRotatef(obj->rotation.y, 0.0f, 1.0f, 0.0f);
    glRotatef(obj->rotation.z, 0.0f, 0.0f, 1.0f);
}

void GLRenderState::drawObject(const Object* obj)
{
    glTexCoordPointer(2, GL_FLOAT, 0, obj->texCoords);
    glNormalPointer(GL_FLOAT, 0, obj->normals);
    glVertexPointer(3, GL_FLOAT, 0, obj->vertices);
    drawTriangles(obj);
}

void GLRenderState::drawTriangles(const Object* obj)
{
    glDrawElements(GL_TRIANGLES, obj->indexCount, GL_UNSIGNED_INT, obj->indices);
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
