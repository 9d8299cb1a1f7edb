#include <malloc.h>

#include <exception>

#include "main/GameEngine.h"
#include "main/Log.h"

// The game's entry point. Exit code 0 after a normal run, 1 when start-up
// (the render engine included) or the main loop failed.
int SDL_main(int, char**)
{
    // One heap for every thread: a picture decoded ahead on another thread
    // is freed into the heap the textures are allocated from next, instead
    // of into a second heap that only adds to the peak memory.
    mallopt(M_ARENA_MAX, 1);
    openLog();
    GameEngine engine;
    bool started = false;
    try {
        started = engine.Engine_Init();
    } catch (const char* message) {
        outputError(message);
        closeLog();
        return 1;
    } catch (...) {
        outputError("Engine Initialization Failed");
        closeLog();
        return 1;
    }
    if (!started) {
        // No renderer, no window: there is nothing to play in.
        outputError("Engine Initialization Failed");
        closeLog();
        return 1;
    }
    try {
        engine.Start_Game();
    } catch (...) {
        outputError("Game did not exit properly");
        closeLog();
        return 1;
    }
    closeLog();
    return 0;
}

int main(int argc, char** argv)
{
    return SDL_main(argc, argv);
}
