// The OpenGL renderer's window, context and projection: opening the window,
// resizing it, switching full screen and re-creating what a new video mode
// loses.
#include "render/GLRender.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL/SDL_image.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <cstring>

#include "base/Log.h"
#include "menu/FontObj.h"  // the renderer draws the menu's text
#include "render/GLExtensions.h"
#include "render/Material.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"
#include "render/WindowPlatform.h"

GLRender::~GLRender()
{
    // The video surface belongs to SDL, which frees it in SDL_Quit; freeing
    // it here as well would free it twice.
    screen = nullptr;
}

void GLRender::setVideoAttributes(bool multisample)
{
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, multisample ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, multisample ? 4 : 0);
    // Vertical sync where the driver grants it: nothing is drawn that the
    // screen cannot show.
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    // The depth buffer comes with stencil bits. Every clear of the depth
    // buffer clears the stencil with it: a software renderer clears the
    // pair in one sweep, but the depth alone by reading and masking every
    // sample.
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 1);
}

bool GLRender::setVideoMode(int width, int height, Uint32 flags)
{
    setVideoAttributes(multisampleAvailable && multisampleWanted);
    SDL_Surface* surface = SDL_SetVideoMode(width, height, engine->screenBPP, flags);
    if (!surface && multisampleAvailable && multisampleWanted) {
        // A display without a multisample visual must not leave the game
        // without a window.
        outputError(std::string("Video mode with 4x multisampling failed, retrying without: ")
                    + SDL_GetError());
        multisampleAvailable = false;
        setVideoAttributes(false);
        surface = SDL_SetVideoMode(width, height, engine->screenBPP, flags);
    }
    if (!surface)
        return false;
    if (!swapWaitsChecked) {
        swapWaitsChecked = true;
        int swapControl = 0;
        if (SDL_GL_GetAttribute(SDL_GL_SWAP_CONTROL, &swapControl) != 0 || swapControl != 1)
            outputError("Vertical sync not granted: frames held to " + std::to_string(refreshRate)
                        + " a second");
    }
    // SDL owns the video surface and frees it on the next mode change or at
    // SDL_Quit; only the latest one is kept.
    screen = surface;
    // A new mode may come with a new context and drawable.
    if (!subBuffer.load() && !partialChecked)
        outputError("No copy of part of the back buffer (GLX_MESA_copy_sub_buffer): frames are shown whole");
    partialChecked = true;
    return true;
}

bool GLRender::init(int width, int height, int bpp)
{
    engine->screenBPP = bpp;
    if (SDL_Surface* icon = IMG_Load("icon.bmp")) {
        SDL_WM_SetIcon(icon, nullptr);
        SDL_FreeSurface(icon);
    }
    // Without the player's choice the first window has no multisampling:
    // what the renderer is decides, and a software one is spared making a
    // second window.
    multisampleWanted = engine->smoothEdgesChoice.value_or(false);
    if (!setVideoMode(width, height, SDL_OPENGL | SDL_RESIZABLE)) {
        outputError("Rendering Engine failed to initialized");
        return false;
    }
    const char* rendererName = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    engine->smoothEdgesDefault = !isSoftwareRenderer(rendererName);
    if (!engine->smoothEdgesDefault)
        outputError(std::string("Software renderer, smooth edges (4x multisampling) off unless chosen: ")
                    + rendererName);
    if (!engine->smoothEdgesChoice && engine->smoothEdgesDefault) {
        multisampleWanted = true;
        if (!setVideoMode(width, height, SDL_OPENGL | SDL_RESIZABLE)) {
            outputError("Rendering Engine failed to initialized");
            return false;
        }
    }

    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    const float glVersion = version ? static_cast<float>(std::atof(version)) : 0.0f;
    if (!(glVersion > 1.2f)) {
        // There is no message box here: the warning goes to the log and the
        // game carries on, as a player pressing OK would.
        outputError("Your graphics card does not support OpenGL version 1.3 or higher. "
                    "This may cause Jadeloom to crash or not work properly.");
    }

    createLight(maxLights);
    freeLightNumbers.clear();
    for (int i = 0; i < maxLights; ++i)
        freeLightNumbers.push_back(GL_LIGHT0 + i);

    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_LIGHTING);

    GLExtensions::load();

    createHighlightMaterial();
    setSceneLights();
    restoreStates();
    SDL_GL_SwapBuffers();

    if (!screen) {
        outputError("Rendering Engine failed to initialized");
        return false;
    }
    engine->loadFont("Assets/Menu/font.cfg");
    Material::setHighlightColor(engine, 0.282f, 0.384f, 1.0f, 0.5f);
    createCursors();
    outputError("Rendering Engine initialized");
    return true;
}

void GLRender::restoreStates()
{
    glEnable(GL_CULL_FACE);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    clearBuffer();
}

GLuint GLRender::liveTextureName()
{
    for (Texture* t : Texture::textures)
        if (t && !t->isCopy && t->glName != 0)
            return t->glName;
    return 0;
}

void GLRender::recreateTexturesIfLost(GLuint probe)
{
    // A texture name made in the old context is still a texture when the
    // context survived the change of video mode (as it does on X11): then
    // every texture is still in place and nothing is uploaded again. Names
    // of a lost context mean nothing in the new one and are only forgotten.
    if (probe == 0 || glIsTexture(probe))
        return;
    outputError("OpenGL context lost: textures re-created");
    // The kept scene's name means nothing in the new context either.
    sceneCopy = 0;
    copyWidth = copyHeight = 0;
    copyValid = false;
    for (Texture* t : Texture::textures)
        t->glName = 0;
    for (Texture* t : Texture::textures)
        reloadTexture(t);
    // A new video mode may have lost the glyph display lists as well.
    if (engine->font)
        engine->font->constructGlyphs();
}

void GLRender::holdToRefreshRate()
{
    using Clock = std::chrono::steady_clock;
    if (!paceFrames || refreshRate <= 0)
        return;
    // A game left waiting (a tenth of a second of frames equal to the one
    // shown, then half a second) looks for changes less often: a change
    // then shows at most two refresh periods later.
    int periods = skippedInARow >= refreshRate / 2 ? 3 : skippedInARow >= refreshRate / 10 ? 2 : 1;
    // A reward turning alone is shown at its own rate: looking for changes
    // more often would mostly find a turn not yet due.
    if (onlyRewardTurns)
        periods = std::max(periods, std::max(1, refreshRate / rewardFrameRate));
    const Clock::duration period = std::chrono::microseconds(periods * 1000000 / refreshRate);
    const Clock::time_point now = Clock::now();
    // A swap that waited for the retrace leaves (almost) nothing to wait.
    if (lastSwap != Clock::time_point() && now - lastSwap + std::chrono::milliseconds(2) < period)
        std::this_thread::sleep_until(lastSwap + period);
    lastSwap = Clock::now();
}

bool GLRender::checkError()
{
    const GLenum error = glGetError();
    if (error == GL_NO_ERROR)
        return false;
    outputError(std::string("OpenGL Error: ")
                + reinterpret_cast<const char*>(gluErrorString(error)));
    return true;
}

void GLRender::clearBuffer()
{
    glClear(GL_COLOR_BUFFER_BIT);
}

void GLRender::createLight(int& count)
{
    GLint lights = 0;
    glGetIntegerv(GL_MAX_LIGHTS, &lights);
    count = lights;
}

void GLRender::establishProjectionMatrix(int width, int height, float fov)
{
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double aspect = height > 0 ? static_cast<double>(width) / height : 1.0;
    gluPerspective(fov, aspect, 1.0, 500.0);
}

void GLRender::setOrtho(int width, int height)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, width);
    glViewport(0, 0, engine->windowWidth, engine->windowHeight);
}

void GLRender::resizeWindow(int width, int height)
{
    // No new video mode is set: the drawing area grows or shrinks inside
    // the same context, so every texture stays as it is.
    setVideoAttributes(multisampleAvailable && multisampleWanted);
    engine->prevWindowWidth = engine->windowWidth;
    engine->prevWindowHeight = engine->windowHeight;
    engine->windowWidth = width;
    engine->windowHeight = height;
    WindowPlatform::resizeDrawable(width, height);
    engine->redrawAll = true;
    setSceneLights();
    restoreStates();
    checkError();
}

void GLRender::toggleFullscreen(bool on)
{
    outputError("Toggle Fullscreen");
    // Going full screen again while in it must keep the windowed place and
    // size read when it began, not take the full-screen ones.
    const bool wasFullscreen = engine->fullscreen;
    if (on) {
        engine->updateWindowPos();
        engine->fullscreen = true;
    } else {
        engine->fullscreen = false;
    }
    const GLuint probe = liveTextureName();
    setVideoAttributes(multisampleAvailable && multisampleWanted);
    engine->redrawAll = true;

    int desktopW = engine->windowWidth, desktopH = engine->windowHeight;
    WindowPlatform::desktopSize(desktopW, desktopH);
    outputError(std::to_string(desktopW));
    outputError(std::to_string(desktopH));

    if (!on) {
        engine->windowWidth = engine->prevWindowWidth;
        engine->windowHeight = engine->prevWindowHeight;
        // The window comes back where it was before full screen.
        WindowPlatform::moveWindow(engine->windowX, engine->windowY);
        setVideoMode(engine->windowWidth, engine->windowHeight, SDL_OPENGL | SDL_RESIZABLE);
        WindowPlatform::moveWindow(engine->windowX, engine->windowY);
        engine->prevWindowWidth = engine->windowWidth;
        engine->prevWindowHeight = engine->windowHeight;
    } else {
        if (!engine->maximized && !wasFullscreen) {
            engine->prevWindowWidth = engine->windowWidth;
            engine->prevWindowHeight = engine->windowHeight;
        }
        engine->windowWidth = desktopW;
        engine->windowHeight = desktopH;
        setVideoMode(desktopW, desktopH, SDL_OPENGL | SDL_FULLSCREEN);
    }

    // A new video mode is a new context: its state starts afresh.
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_LIGHTING);
    setSceneLights();
    restoreStates();
    recreateTexturesIfLost(probe);
    checkError();

    if (engine->maximized && !engine->fullscreen)
        engine->maximizeWindow();
}
