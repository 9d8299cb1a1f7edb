#include <malloc.h>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <iostream>

#include "main/CommandLine.h"
#include "main/DisplayCheck.h"
#include "main/GameEngine.h"
#include "main/InstanceLock.h"
#include "base/Log.h"

namespace {
// Ends the run with its reason on the terminal and in the log.
int failStartup(const std::string& reason, const std::string& terminalNote = std::string())
{
    reportFailure(reason, terminalNote);
    closeLog();
    return CommandLine::exitFailure;
}
}

// The game's entry point. Exit code 0 after a normal run, 1 when start-up
// (the render engine included) or the main loop failed, 2 for a bad command
// line. Nothing in the working directory is touched before the command line
// is read and the directory's lock is held.
int SDL_main(int argc, char** argv)
{
    const CommandLine commandLine(argc, argv);
    switch (commandLine.request()) {
    case CommandLine::Request::Help:
        std::cout << CommandLine::usage();
        return CommandLine::exitOk;
    case CommandLine::Request::Version:
        std::cout << CommandLine::version() << "\n";
        return CommandLine::exitOk;
    case CommandLine::Request::Error:
        std::cerr << "jadeloom: " << commandLine.error() << "\nTry 'jadeloom --help' for more information.\n";
        return CommandLine::exitUsage;
    case CommandLine::Request::Play:
        break;
    }

    // A second game in the same directory would write the same settings and
    // player file at exit, losing one game's play: it is refused before it
    // opens (and so empties) the log of the game that holds the directory.
    const InstanceLock lock("jadeloom.lock");
    if (lock.state() == InstanceLock::State::HeldElsewhere) {
        std::string refusal = "Jadeloom is already running in this directory";
        if (lock.holder() > 0)
            refusal += " (process " + std::to_string(lock.holder()) + ")";
        refusal += "; this start changes nothing";
        std::cerr << "jadeloom: " << refusal << std::endl;
        appendToLog(refusal);
        return CommandLine::exitFailure;
    }

    // One heap for every thread: a picture decoded ahead on another thread
    // is freed into the heap the textures are allocated from next, instead
    // of into a second heap that only adds to the peak memory.
    mallopt(M_ARENA_MAX, 1);
    openLog();
    if (lock.state() == InstanceLock::State::Unavailable)
        outputError("No lock on the working directory, a second game would not be noticed: " + lock.error());

    const DisplayCheck display(std::getenv("DISPLAY"), std::getenv("SDL_VIDEODRIVER"));
    if (!display.usable())
        return failStartup(display.problem());
    if (display.pinX11())
        setenv("SDL_VIDEODRIVER", "x11", 1);

    GameEngine engine;
    if (const std::optional<bool> fullscreen = commandLine.fullscreen())
        engine.fullscreenThisRun(*fullscreen);
    bool started = false;
    try {
        started = engine.Engine_Init();
    } catch (const std::exception& e) {
        return failStartup(e.what());
    } catch (const char* message) {
        // These fixed texts say what failed; the log line before says why.
        std::error_code error;
        const std::filesystem::path log = std::filesystem::current_path(error) / "log.txt";
        return failStartup(message, " (the cause is in " + log.string() + ")");
    } catch (...) {
        return failStartup("Engine Initialization Failed");
    }
    if (!started) {
        // No renderer, no window: there is nothing to play in.
        const char* cause = SDL_GetError();
        return failStartup(std::string("Engine Initialization Failed")
                           + (cause && *cause ? std::string(": ") + cause : std::string()));
    }
    try {
        engine.Start_Game();
    } catch (...) {
        return failStartup("Game did not exit properly");
    }
    closeLog();
    return CommandLine::exitOk;
}

int main(int argc, char** argv)
{
    return SDL_main(argc, argv);
}
