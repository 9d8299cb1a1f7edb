// The frame: the room and the other sprites, the rewards, the board, the
// menus and the parked tiles, drawn through the camera and swapped to the
// screen; general model drawing with frustum culling; the camera view, the
// frustum planes and picking.
#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL/SDL.h>

#include "render/Camera.h"
#include "render/Frustum.h"
#include "render/GLRender.h"
#include "render/GLRenderState.h"
#include "render/Material.h"
#include "render/Model.h"
#include "render/Object.h"
#include "render/Picking.h"
#include "render/RenderEngine.h"
#include "render/Sprite.h"
#include "render/Texture.h"

void GLRender::renderScene()
{
    Camera& camera = engine->camera;
    establishProjectionMatrix(engine->windowWidth, engine->windowHeight, camera.fovy);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    updateView(&camera);
    calculateFrustumPlanes();
    engine->updateLights();

    // Opaque geometry front to back, so that the depth test spares the
    // pixels hidden behind the board: the board first, the room after it.
    glDisable(GL_STENCIL_TEST);
    glEnable(GL_MULTISAMPLE);
    renderTileParts();
    glDisable(GL_MULTISAMPLE);
    glMatrixMode(GL_MODELVIEW);
    renderRewards();
    renderSprites();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();

    renderMenu();

    establishProjectionMatrix(engine->windowWidth, engine->windowHeight, camera.fovy);
    renderTileSlots();

    engine->lastMaterial = nullptr;
    SDL_GL_SwapBuffers();
    holdToRefreshRate();
    checkError();
}

void GLRender::updateView(Camera* camera)
{
    if (!camera)
        return;
    // The look-at matrix is built here rather than by gluLookAt so that a
    // degenerate camera (eye on the look-at point, up along the view) still
    // gives a usable view instead of a matrix of NaN.
    float view[16];
    Frustum::lookAt(camera->eye, camera->centre, camera->up, view);
    glMatrixMode(GL_MODELVIEW);
    glMultMatrixf(view);
}

void GLRender::calculateFrustumPlanes()
{
    float projection[16], modelview[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    Frustum::extract(modelview, projection, engine->frustum);
}

Tile* GLRender::Selection(int x, int y)
{
    Camera& camera = engine->camera;
    establishProjectionMatrix(engine->windowWidth, engine->windowHeight, camera.fovy);
    glEnable(GL_DEPTH_TEST);
    glDepthRange(0.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    updateView(&camera);

    GLint viewport[4];
    float projection[16], modelview[16];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    const int vp[4] = {viewport[0], viewport[1], viewport[2], viewport[3]};
    return Picking::select(x, y, engine->windowHeight, modelview, projection, vp,
                           engine->boardTiles, camera.eye, engine->pickHits);
}

namespace {
// The states both sprite passes draw with.
void beginSpritePass(RenderEngine* engine)
{
    GLRenderState::useTextureUnit(1);
    glDisable(GL_TEXTURE_2D);
    GLRenderState::useTextureUnit(0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LIGHTING);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    engine->culledCount = 0;
}

void endSpritePass()
{
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
}
}

void GLRender::renderSprites()
{
    beginSpritePass(engine);
    for (Sprite* s : engine->sprites)
        if (s && s->visible)
            s->draw();
    endSpritePass();
}

void GLRender::renderRewards()
{
    beginSpritePass(engine);
    for (Sprite* s : engine->rewardSprites)
        if (s && s->visible)
            s->draw();
    endSpritePass();
}

void GLRender::renderModel(Model* model)
{
    if (!model)
        return;
    const Vector3 at = model->worldPosition;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(at.x, at.y, at.z);
    glRotatef(model->rotation.x, 1.0f, 0.0f, 0.0f);
    glRotatef(model->rotation.y, 0.0f, 1.0f, 0.0f);
    glRotatef(model->rotation.z, 0.0f, 0.0f, 1.0f);

    for (Object* obj : model->objects) {
        if (!obj)
            continue;
        // The sphere first: it is the cheaper test.
        Vector3 offset = at;
        if (!engine->isBoundingSphereInFrustum(obj->centre.x + at.x, obj->centre.y + at.y,
                                               obj->centre.z + at.z, obj->radius)
            || !engine->BoxInFrustum(obj->corners, offset)) {
            ++engine->culledCount;
            continue;
        }
        if (!GLRenderState::drawable(obj))
            continue;
        glPushMatrix();
        GLRenderState::objectTransform(obj);
        GLRenderState::applyMaterial(engine, obj->material);
        GLRenderState::useBlending(obj->material);
        GLRenderState::useTextureUnit(0);
        glEnable(GL_TEXTURE_2D);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        GLRenderState::bindDiffuse(obj->material);
        GLRenderState::drawObject(obj);
        glPopMatrix();
    }
    glPopMatrix();
}

void GLRender::renderSplashScreen(std::string image)
{
    setOrtho(1, 1);  // a unit square over the whole window, y downwards
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);

    Texture* picture = loadTexture(image);

    SDL_WM_GrabInput(SDL_GRAB_ON);
    SDL_ShowCursor(SDL_DISABLE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -0.5f);
    static const GLfloat vertices[] = {0, 0, 1, 1, 0, 1, 1, 1, 1, 0, 1, 1};
    static const GLfloat texCoords[] = {0, 1, 1, 1, 1, 0, 0, 0};
    if (picture)
        glBindTexture(GL_TEXTURE_2D, picture->glName);
    glVertexPointer(3, GL_FLOAT, 0, vertices);
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
    glDrawArrays(GL_QUADS, 0, 4);
    SDL_GL_SwapBuffers();

    SDL_ShowCursor(SDL_ENABLE);
    SDL_WM_GrabInput(SDL_GRAB_OFF);
    // The picture is shown once: its texture and pixels go at once. Only a
    // texture of its own is released, never one a material holds.
    if (picture && picture->materialUsers == 0)
        delete picture;

    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    glEnableClientState(GL_NORMAL_ARRAY);
    glDisable(GL_TEXTURE_2D);
    checkError();
}
