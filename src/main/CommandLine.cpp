#include "main/CommandLine.h"

#ifndef JADELOOM_VERSION
#error "JADELOOM_VERSION comes from the build (the project's version)"
#endif

CommandLine::CommandLine(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i] ? argv[i] : "";
        if (arg == "--help" || arg == "-h") {
            request_ = Request::Help;
            return;
        }
        if (arg == "--version") {
            request_ = Request::Version;
            return;
        }
        if (arg == "--fullscreen") {
            fullscreen_ = true;
        } else if (arg == "--windowed") {
            fullscreen_ = false;
        } else {
            request_ = Request::Error;
            error_ = (arg.size() > 1 && arg[0] == '-' ? "unknown option '" : "unexpected argument '") + arg + "'";
            return;
        }
    }
}

std::string CommandLine::version()
{
    return std::string("Jadeloom ") + JADELOOM_VERSION;
}

std::string CommandLine::usage()
{
    return "Usage: jadeloom [OPTION]...\n"
           "Tile-matching solitaire in three dimensions: clear a board of stacked tiles\n"
           "by removing pairs of matching free tiles.\n"
           "\n"
           "Options:\n"
           "  --fullscreen  play in full screen this time; the saved setting stays\n"
           "  --windowed    play in a window this time; the saved setting stays\n"
           "  -h, --help    show this help and exit\n"
           "  --version     show the version and exit\n"
           "\n"
           "Files, in the working directory (the installed launcher uses\n"
           "${XDG_DATA_HOME:-~/.local/share}/jadeloom):\n"
           "  jadeloom_demo.cfg                settings\n"
           "  Assets/Players/players_demo.dat  players, their statistics and saved games\n"
           "  log.txt                          the log of the latest run\n"
           "  jadeloom.lock                    held while a game runs there: one at a time\n"
           "\n"
           "Exit status: 0 after a normal run, 1 when start-up or the game failed\n"
           "(another game running in the same directory included), 2 for a bad\n"
           "command line.\n";
}
