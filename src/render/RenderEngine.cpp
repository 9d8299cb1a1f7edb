#include "render/RenderEngine.h"

#include <algorithm>
#include <ctime>
#include <utility>

#include "base/Log.h"
#include "render/GLRender.h"
#include "render/Light.h"
#include "render/Material.h"
#include "render/Model.h"
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "render/Texture.h"
#include "render/WindowPlatform.h"

RenderEngine::RenderEngine() : RenderEngine(std::make_unique<GLRender>()) {}

RenderEngine::RenderEngine(std::unique_ptr<Renderer> r) : renderer(std::move(r))
{
    seedRand();
    renderer->engine = this;
    camera.engine = this;
}

RenderEngine::~RenderEngine()
{
    // Owners normally clean up while the window still exists; doing it
    // again here is harmless (the lists are empty) and keeps an owner that
    // forgot from leaking. The renderer goes last: what clean_up frees hands
    // its lights and OpenGL names back through it.
    clean_up();
    renderer.reset();
}

void RenderEngine::seedRand()
{
    const uint32_t now = static_cast<uint32_t>(std::time(nullptr));
    const uint32_t key[4] = {now + 0x12345u, now + 0x23456u, now + 0x34567u, now + 0x45678u};
    rng.seed(key, 4);
}

bool RenderEngine::init()
{
    initialWindowSettings();
    SDL_WM_SetCaption("Jadeloom", "Jadeloom");
    // Without a working renderer there is no window to play in.
    if (!renderer->init(windowWidth, windowHeight, screenBPP))
        return false;

    if (maximized)
        maximizeWindow();
    if (fullscreen)
        renderer->toggleFullscreen(true);
    updateWindowPos();
    return true;
}

void RenderEngine::maximizeWindow()
{
    if (!WindowPlatform::maximizeWindow())
        return;  // nobody to answer the request
    // The window manager answers with a resize, which takes a moment; every
    // other event stays queued for the game.
    const Uint32 start = SDL_GetTicks();
    SDL_Event ev;
    while (SDL_GetTicks() - start < 1500) {
        SDL_PumpEvents();
        if (SDL_PeepEvents(&ev, 1, SDL_GETEVENT, SDL_VIDEORESIZEMASK) > 0) {
            resizeWindow(ev.resize.w, ev.resize.h);
            return;
        }
        SDL_Delay(10);
    }
}

void RenderEngine::initialWindowSettings()
{
    WindowPlatform::desktopSize(screenWidth, screenHeight);
    captionHeight = WindowPlatform::captionHeight();

    if (windowX == -100000) {
        windowWidth = windowHeight = static_cast<int>(0.75 * screenHeight);
        windowX = (screenWidth - windowWidth) / 2;
        windowY = 10;
    }
    WindowPlatform::moveWindow(windowX, windowY);

    const int frame = WindowPlatform::frameThickness();
    const int taskBar = WindowPlatform::taskBarHeight();
    if (screenWidth > 0 && windowWidth > screenWidth) {
        windowX = 0;
        windowWidth = screenWidth - 2 * frame;
        WindowPlatform::moveWindow(0, windowY);
    }
    if (screenHeight > 0 && windowHeight > screenHeight) {
        windowY = 0;
        windowHeight = screenHeight - captionHeight - taskBar - 2 * frame;
        WindowPlatform::moveWindow(windowX, 0);
    }
    prevWindowWidth = windowWidth;
    prevWindowHeight = windowHeight;
    // The place to restore to, should the window start maximised.
    restoreX = windowX;
    restoreY = windowY;
}

// GCC 12 at -O3 takes the placement handed to the source for one it may
// keep, and calls every later read of it a dangling pointer; the source only
// fills it in.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
#endif
void RenderEngine::updateWindowPos()
{
    // The full-screen window's place is not the windowed one, which was
    // read when full screen began.
    if (fullscreen)
        return;
    WindowPlacement placement;
    if (!placementSource || !placementSource(placement))
        return;
    maximized = placement.maximized;
    // The window shows maximised at the desktop's corner; its restored place
    // is where it last stood unmaximised.
    if (!maximized) {
        restoreX = placement.x;
        restoreY = placement.y;
    }
    windowX = restoreX;
    windowY = restoreY;
}
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic pop
#endif

void RenderEngine::trackPlacement(unsigned int nowTicks)
{
    if (nowTicks - lastPlacementTicks < 500)
        return;
    lastPlacementTicks = nowTicks;
    // An iconified window may be parked anywhere by the window manager.
    if (SDL_GetAppState() & SDL_APPACTIVE)
        updateWindowPos();
}

void RenderEngine::renderScene()
{
    renderer->renderScene();
    trackPlacement(SDL_GetTicks());
    if (!firstFrameLogged) {
        // Marks the end of start-up in the log (the start-up benchmark
        // times launch to this line).
        firstFrameLogged = true;
        outputError("First frame drawn");
    }
}

void RenderEngine::resizeWindow(int width, int height)
{
    // A resize event may be stale (a window manager's late answer to an
    // earlier change of mode): the size the window has now is what counts.
    if (!fullscreen)
        WindowPlatform::windowSize(width, height);
    // A resize to the size in force (SDL repeats the window's size after
    // some changes) must not drop what the last one remembered.
    if (width == windowWidth && height == windowHeight)
        return;
    outputError("Window resize attempted");
    renderer->resizeWindow(width, height);
    outputError("Window resize finished");
}

void RenderEngine::toggleFullscreen(bool on)
{
    renderer->toggleFullscreen(on);
}

Model* RenderEngine::loadModel(const std::string& modelPath)
{
    for (const auto& m : models)
        if (m->path == modelPath)
            return m.get();
    models.push_back(std::make_unique<Model>(this, modelPath));
    return models.back().get();
}

void RenderEngine::clean_up()
{
    // The order: the materials first, letting go of the textures they share;
    // the lights and the font; the sprites before the cached models, whose
    // flip-book textures the sprites' copied animations borrow; last the
    // shared textures, newest first, which nothing above may hold any more.
    if (auto* gl = dynamic_cast<GLRender*>(renderer.get()))
        gl->freeCursors();
    materials.clear();
    highlightMaterial = hoverHighlightMaterial = tileMaterial = stampMaterial = lastMaterial = nullptr;

    if (sceneLight) {
        renderer->deleteLight(sceneLight->getLightNum());
        sceneLight.reset();
    }
    releaseFont();
    rewardSprites.clear();
    if (secondLight) {
        renderer->deleteLight(secondLight->getLightNum());
        secondLight.reset();
    }
    sprites.clear();
    models.clear();
    while (!sharedTextures.empty())
        sharedTextures.pop_back();
}

Texture* RenderEngine::shareTexture(std::unique_ptr<Texture> texture)
{
    sharedTextures.push_back(std::move(texture));
    return sharedTextures.back().get();
}

void RenderEngine::releaseSharedTexture(Texture* texture)
{
    auto it = std::find_if(sharedTextures.begin(), sharedTextures.end(),
                           [texture](const std::unique_ptr<Texture>& t) { return t.get() == texture; });
    if (it == sharedTextures.end())
        return;
    // Taken out of the list before it is destroyed.
    std::unique_ptr<Texture> released = std::move(*it);
    sharedTextures.erase(it);
}

bool RenderEngine::openAVI(Movie* movie)
{
    return renderer && renderer->openAVI(movie);
}

bool RenderEngine::playMovie(Movie* movie)
{
    return renderer && renderer->playMovie(movie);
}

bool RenderEngine::grabAVIFrame(Movie* movie)
{
    return renderer && renderer->grabAVIFrame(movie);
}

void RenderEngine::drawMovie(Movie* movie)
{
    if (renderer)
        renderer->drawMovie(movie);
}

void RenderEngine::removeTexture(unsigned int* texture)
{
    if (renderer)
        renderer->removeTexture(texture);
}
