// The frame: the room and the other sprites, the rewards, the board, the
// menus and the parked tiles, drawn through the camera and swapped to the
// screen; general model drawing with frustum culling; the camera view, the
// frustum planes and picking.
#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL/SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

#include "base/FreedMemory.h"
#include "render/BoxProjection.h"
#include "render/Camera.h"
#include "render/FrameSignature.h"
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
    // The scene but for the rewards' turning (which stays inside the box
    // around each reward); textures uploaded since may show new pictures.
    const std::uint64_t stillKey =
        FrameSignature::scene(*engine) ^ (static_cast<std::uint64_t>(textureUploads) * 0x9E3779B97F4A7C15ull);
    // Where a reward shows now, and where it showed in the kept picture.
    int now[4] = {0, 0, 0, 0}, box[4] = {0, 0, 0, 0};
    const bool rewardNow = rewardBox(now);
    bool rewardShows = rewardNow;
    std::copy(now, now + 4, box);
    if (copyValid && copyHasReward) {
        BoxProjection::unite(box, copyRewardBox);
        rewardShows = true;
    }
    // A reward turning outside the window changes nothing that shows.
    const std::uint64_t sceneKey = rewardShows ? stillKey ^ (FrameSignature::rewards(*engine) * 31u) : stillKey;
    const std::uint64_t overlayKey = FrameSignature::overlay(*engine, &labelTexts);
    const bool redraw = !keepFrames || engine->redrawAll || !haveShown;
    engine->redrawAll = false;
    if (redraw)
        copyValid = false;
    const bool textsShown = std::equal(labelTexts.begin(), labelTexts.end(), shownLabelTexts.begin(),
                                       shownLabelTexts.end(), [](const auto& a, const auto& b) {
                                           return a.label == b.label && a.digest == b.digest;
                                       });
    if (!redraw && sceneKey == shownScene && overlayKey == shownOverlay && textsShown) {
        // The screen already shows this frame.
        ++framesSkipped;
        ++skippedInARow;
        returnMemoryWhenSettled();
        holdToRefreshRate();
        return;
    }

    skippedInARow = 0;
    // The screen shows the kept scene with the menus as they are but for
    // some labels' texts and the reward's turn: only where those lie is
    // drawn again, and only that is shown.
    int shownReward[4] = {0, 0, 0, 0};
    if (shownHasReward)
        std::copy(shownRewardBox, shownRewardBox + 4, shownReward);
    if (rewardNow)
        BoxProjection::unite(shownReward, now);
    const bool rewardTurned = sceneKey != shownScene && (rewardNow || shownHasReward);
    const auto clockNow = std::chrono::steady_clock::now();
    if (redraw || stillKey != shownStill || overlayKey != shownOverlay) {
        sceneChanged = clockNow;
        memoryReturned = false;
    }
    onlyRewardTurns = !redraw && rewardTurned && stillKey == shownStill && overlayKey == shownOverlay && textsShown;
    if (onlyRewardTurns && clockNow - lastRewardFrame < std::chrono::microseconds(750000 / rewardFrameRate)) {
        // Only the reward turned, and its last turn shown is recent enough
        // (a quarter period of slack: frames paced at twice the rate then
        // show every other one rather than every third).
        ++framesSkipped;
        holdToRefreshRate();
        return;
    }
    if (rewardTurned)
        lastRewardFrame = clockNow;
    int region[4];
    if (!redraw && copyValid && copyKey == stillKey && stillKey == shownStill && overlayKey == shownOverlay
        && subBuffer.available() && changedRegion(rewardTurned ? shownReward : nullptr, region)) {
        ++framesInRegion;
        returnMemoryWhenSettled();
        if (region[2] > 0 && region[3] > 0)
            drawRegion(region, rewardTurned ? shownReward : nullptr);
        shownScene = sceneKey;
        showLabelTexts();
        shownHasReward = rewardNow;
        std::copy(now, now + 4, shownRewardBox);
        holdToRefreshRate();
        checkError();
        return;
    }

    Camera& camera = engine->camera;
    if (!redraw && copyValid && copyKey == stillKey) {
        ++framesFromCopy;
        drawKeptScene();
        if (rewardShows) {
            // Only the reward's box is drawn again, whole, over the kept
            // picture (which may show the reward turned otherwise).
            glEnable(GL_SCISSOR_TEST);
            glScissor(box[0], box[1], box[2], box[3]);
            drawScene(box);
            glDisable(GL_SCISSOR_TEST);
        }
    } else {
        drawScene();
        copyValid = false;
        // A scene drawn twice alike is likely to stay (the game mostly
        // waits for the player): keep it for the frames that follow.
        if (keepFrames && !redraw && stillKey == shownStill) {
            keepScene();
            copyKey = stillKey;
            copyHasReward = rewardNow;
            std::copy(now, now + 4, copyRewardBox);
        }
    }

    renderMenu();

    establishProjectionMatrix(engine->windowWidth, engine->windowHeight, camera.fovy);
    renderTileSlots();

    engine->lastMaterial = nullptr;
    SDL_GL_SwapBuffers();
    haveShown = true;
    shownScene = sceneKey;
    shownStill = stillKey;
    shownOverlay = overlayKey;
    showLabelTexts();
    shownHasReward = rewardNow;
    std::copy(now, now + 4, shownRewardBox);
    holdToRefreshRate();
    checkError();
}

bool GLRender::rewardBox(int box[4])
{
    const int w = engine->windowWidth, h = engine->windowHeight;
    bool any = false;
    for (const auto& s : engine->rewardSprites)
        any = any || (s && s->visible);
    if (!any || w <= 0 || h <= 0)
        return false;
    establishProjectionMatrix(w, h, engine->camera.fovy);
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    updateView(&engine->camera);
    double x0 = w, y0 = h, x1 = 0, y1 = 0;
    // Every part's box where the part is now, placed as renderModel places
    // it, projected onto the window.
    for (const auto& s : engine->rewardSprites) {
        if (!s || !s->visible)
            continue;
        glPushMatrix();
        glTranslatef(s->worldPosition.x, s->worldPosition.y, s->worldPosition.z);
        glRotatef(s->rotation.x, 1.0f, 0.0f, 0.0f);
        glRotatef(s->rotation.y, 0.0f, 1.0f, 0.0f);
        glRotatef(s->rotation.z, 0.0f, 0.0f, 1.0f);
        for (const Object* o : s->objects) {
            if (!o)
                continue;
            glPushMatrix();
            GLRenderState::objectTransform(o);
            GLdouble modelview[16];
            glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
            glPopMatrix();
            BoxProjection::extend(o->corners, modelview, projection, viewport, x0, y0, x1, y1);
        }
        glPopMatrix();
    }
    glLoadIdentity();
    // A point just in front of the eye may project far outside the window.
    return BoxProjection::pixels(x0, y0, x1, y1, 2, w, h, box);
}

void GLRender::drawScene(const int* box)
{
    Camera& camera = engine->camera;
    establishProjectionMatrix(engine->windowWidth, engine->windowHeight, camera.fovy);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glPushMatrix();
    updateView(&camera);
    calculateFrustumPlanes();
    if (box)
        narrowFrustum(box);
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
}

namespace {
int atLeast(int side, bool anySize)
{
    if (anySize)
        return side;
    int p = 1;
    while (p < side)
        p *= 2;
    return p;
}

bool anyTextureSize()
{
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return (version && version[0] >= '2' && version[0] <= '9')
        || (extensions && std::strstr(extensions, "GL_ARB_texture_non_power_of_two"));
}
}

void GLRender::keepScene()
{
    const int w = engine->windowWidth, h = engine->windowHeight;
    if (w <= 0 || h <= 0)
        return;
    GLRenderState::useTextureUnit(0);
    glEnable(GL_TEXTURE_2D);
    if (sceneCopy == 0 || copyWidth < w || copyHeight < h) {
        forgetKeptScene();
        const bool anySize = anyTextureSize();
        copyWidth = atLeast(w, anySize);
        copyHeight = atLeast(h, anySize);
        glGenTextures(1, &sceneCopy);
        glBindTexture(GL_TEXTURE_2D, sceneCopy);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, copyWidth, copyHeight, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    }
    glBindTexture(GL_TEXTURE_2D, sceneCopy);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, w, h);
    glDisable(GL_TEXTURE_2D);
    // A driver that cannot copy the picture leaves the scene to be drawn.
    copyValid = glGetError() == GL_NO_ERROR;
}

void GLRender::drawKeptScene()
{
    const float u = static_cast<float>(engine->windowWidth) / static_cast<float>(copyWidth);
    const float v = static_cast<float>(engine->windowHeight) / static_cast<float>(copyHeight);
    if (GLRenderState::useTextureUnit(1)) {
        glDisable(GL_TEXTURE_2D);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    GLRenderState::useTextureUnit(0);
    glViewport(0, 0, engine->windowWidth, engine->windowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Every pixel of the window is written: nothing needs clearing.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glDisable(GL_MULTISAMPLE);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glBindTexture(GL_TEXTURE_2D, sceneCopy);
    const GLfloat vertices[] = {0, 0, 1, 0, 1, 1, 0, 1};
    const GLfloat texCoords[] = {0, 0, u, 0, u, v, 0, v};
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, vertices);
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords);
    glDrawArrays(GL_QUADS, 0, 4);
    glEnableClientState(GL_NORMAL_ARRAY);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
}

void GLRender::forgetKeptScene()
{
    if (sceneCopy != 0 && SDL_GetVideoSurface() && glIsTexture(sceneCopy))
        glDeleteTextures(1, &sceneCopy);
    sceneCopy = 0;
    copyWidth = copyHeight = 0;
    copyValid = false;
}

void GLRender::narrowFrustum(const int box[4])
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (box[2] <= 0 || box[3] <= 0 || viewport[2] <= 0 || viewport[3] <= 0)
        return;
    // What gluPickMatrix puts before the projection: the box's part of the
    // view volume stretched over the whole of it.
    const float w = static_cast<float>(box[2]), h = static_cast<float>(box[3]);
    const float cx = static_cast<float>(box[0]) + 0.5f * w, cy = static_cast<float>(box[1]) + 0.5f * h;
    float pick[16];
    Frustum::identity(pick);
    pick[0] = static_cast<float>(viewport[2]) / w;
    pick[5] = static_cast<float>(viewport[3]) / h;
    pick[12] = (static_cast<float>(viewport[2]) - 2.0f * (cx - static_cast<float>(viewport[0]))) / w;
    pick[13] = (static_cast<float>(viewport[3]) - 2.0f * (cy - static_cast<float>(viewport[1]))) / h;
    float projection[16], narrowed[16], modelview[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    Frustum::multiply(pick, projection, narrowed);
    Frustum::extract(modelview, narrowed, engine->frustum);
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
                           engine->boardTiles(), camera.eye, engine->pickHits);
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
    for (const auto& s : engine->sprites)
        if (s && s->visible)
            s->draw();
    endSpritePass();
}

void GLRender::renderRewards()
{
    beginSpritePass(engine);
    for (const auto& s : engine->rewardSprites)
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

    // Opaque parts nearest the eye first, so that the depth test spares the
    // pixels they hide (the mat hides most of the table, the table most of
    // the floor); translucent parts after them, in the model's order.
    const Vector3& eye = engine->camera.eye;
    drawOrder.clear();
    for (size_t i = 0; i < model->objects.size(); ++i) {
        const Object* o = model->objects[i];
        if (!o)
            continue;
        const Material* m = o->material;
        const bool translucent = m && (m->alpha < 1.0f || (m->diffuseMap && m->diffuseMap->translucent));
        float key = static_cast<float>(i);
        if (!translucent) {
            const float dx = o->centre.x + at.x - eye.x, dy = o->centre.y + at.y - eye.y,
                        dz = o->centre.z + at.z - eye.z;
            key = -1.0f / (1.0f + dx * dx + dy * dy + dz * dz);
        }
        drawOrder.emplace_back(key, i);
    }
    std::stable_sort(drawOrder.begin(), drawOrder.end());
    for (const auto& entry : drawOrder) {
        Object* obj = model->objects[entry.second];
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
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
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
    engine->redrawAll = true;

    SDL_ShowCursor(SDL_ENABLE);
    SDL_WM_GrabInput(SDL_GRAB_OFF);
    // The picture is shown once: its texture and pixels go at once. Only a
    // texture of its own is released, never one a material holds.
    if (picture && picture->materialUsers == 0)
        engine->releaseSharedTexture(picture);

    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    glEnableClientState(GL_NORMAL_ARRAY);
    glDisable(GL_TEXTURE_2D);
    checkError();
}

void GLRender::returnMemoryWhenSettled()
{
    // What the last changes freed (a board's search, decoding buffers, the
    // tiles of a former deal, a closed panel's pictures) waits in the C
    // library's pools for more of the same; two seconds after the picture
    // last changed (but for the clock and a turning reward) it is handed
    // back, once.
    if (memoryReturned || std::chrono::steady_clock::now() - sceneChanged < std::chrono::seconds(2))
        return;
    returnFreedMemory();
    memoryReturned = true;
}
