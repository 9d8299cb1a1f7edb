#include <gtest/gtest.h>

#include <cstdlib>

#include "main/GameEngine.h"
#include "main/GameState.h"
#include "render/Renderer.h"

namespace {
SDL_Event resizeEvent(int w, int h)
{
    SDL_Event e{};
    e.type = SDL_VIDEORESIZE;
    e.resize.w = w;
    e.resize.h = h;
    return e;
}

// A renderer whose every change of video mode posts a resize of a new size,
// as a window manager or the video driver may do; it counts the changes,
// the resizes and the frames drawn. After 50 mode changes it stops posting,
// so that a loop that would never end shows as a count instead.
class ModeRenderer : public Renderer {
public:
    int modeChanges = 0;
    int resizes = 0;
    int frames = 0;
    void toggleFullscreen(bool on) override
    {
        engine->fullscreen = on;
        engine->windowWidth = 1280;
        engine->windowHeight = 800;
        ++modeChanges;
        if (modeChanges < 50) {
            SDL_Event e = resizeEvent(1000 + modeChanges, 700);
            SDL_PushEvent(&e);
        }
    }
    void resizeWindow(int w, int h) override
    {
        ++resizes;
        engine->windowWidth = w;
        engine->windowHeight = h;
    }
    void renderScene() override { ++frames; }
};

class EventLoopTest : public ::testing::Test {
protected:
    ModeRenderer* renderer = new ModeRenderer;
    GameEngine* engine = nullptr;

    void SetUp() override
    {
        // The queue is SDL's own; the dummy driver opens no window.
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(0, SDL_InitSubSystem(SDL_INIT_VIDEO));
        engine = new GameEngine(renderer);
        engine->setGameState(GS_PLAYING);
    }
    void TearDown() override
    {
        delete engine;  // shuts SDL down
        unsetenv("SDL_VIDEODRIVER");
        SDL_Init(SDL_INIT_TIMER);
    }
    void push(SDL_Event e) { ASSERT_EQ(0, SDL_PushEvent(&e)); }
    void pushKey(SDLKey k)
    {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.keysym.sym = k;
        push(e);
        e.type = SDL_KEYUP;
        e.key.state = SDL_RELEASED;
        push(e);
    }
    int queued()
    {
        SDL_Event e[8];
        return SDL_PeepEvents(e, 8, SDL_PEEKEVENT, SDL_ALLEVENTS);
    }
};
}

TEST_F(EventLoopTest, AQuitRequestEndsTheHandlingAtOnce)
{
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    push(resizeEvent(1024, 700));
    pushKey(SDLK_f);
    engine->checkEventQueue();
    EXPECT_TRUE(engine->done);
    EXPECT_EQ(3, queued());
    EXPECT_EQ(0, renderer->resizes);
    EXPECT_EQ(0, renderer->modeChanges);
    // The size the window has by then is still what the settings keep.
    engine->takeQueuedResize();
    EXPECT_EQ(1, renderer->resizes);
    EXPECT_EQ(1024, engine->renderEngine.windowWidth);
    EXPECT_EQ(0, renderer->modeChanges);
}

TEST_F(EventLoopTest, TheResizeAModeChangePostsCannotTrapTheQueue)
{
    // Going full screen posts a resize; in full screen a resize of another
    // size sets the mode again, which posts another, and so on.
    engine->fullscreenWanted = true;
    push(resizeEvent(1024, 700));
    engine->checkEventQueue();
    EXPECT_EQ(1, renderer->modeChanges);
    EXPECT_TRUE(engine->renderEngine.fullscreen);
    EXPECT_EQ(0, queued());

    // The next frames settle in the mode asked for, and a close request
    // gets through.
    for (int frame = 2; frame <= 4; ++frame) {
        engine->checkEventQueue();
        EXPECT_LE(renderer->modeChanges, frame);
    }
    EXPECT_TRUE(engine->renderEngine.fullscreen);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    engine->checkEventQueue();
    EXPECT_TRUE(engine->done);
}

TEST_F(EventLoopTest, AResizeToTheSizeInForceChangesNothing)
{
    RenderEngine& re = engine->renderEngine;
    push(resizeEvent(re.windowWidth, re.windowHeight));
    engine->checkEventQueue();
    EXPECT_EQ(0, renderer->resizes);
    EXPECT_EQ(0, renderer->frames);

    push(resizeEvent(1024, 700));
    push(resizeEvent(1024, 700));
    engine->checkEventQueue();
    EXPECT_EQ(1, renderer->resizes);
    EXPECT_EQ(1, renderer->frames);

    // Full screen at the desktop's size: the resize that repeats it is no
    // reason to set the mode again.
    re.fullscreen = engine->fullscreenWanted = true;
    re.windowWidth = 1280;
    re.windowHeight = 800;
    push(resizeEvent(1280, 800));
    engine->checkEventQueue();
    EXPECT_EQ(0, renderer->modeChanges);
}

TEST_F(EventLoopTest, TwoPressesOfFInOneFrameSwitchTwiceOverTwoFrames)
{
    pushKey(SDLK_f);
    pushKey(SDLK_f);
    engine->checkEventQueue();
    EXPECT_EQ(1, renderer->modeChanges);
    EXPECT_TRUE(engine->renderEngine.fullscreen);
    EXPECT_FALSE(engine->fullscreenWanted);
    engine->checkEventQueue();
    EXPECT_EQ(2, renderer->modeChanges);
    EXPECT_FALSE(engine->renderEngine.fullscreen);
}
