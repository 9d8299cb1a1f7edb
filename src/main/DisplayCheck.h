#pragma once
#include <string>

// Whether the game can open its window on an X display. Without one, SDL
// would go on to try the text-terminal video drivers, which fill the
// terminal with escape codes before failing; start-up asks first and stops
// with a clear reason instead.
class DisplayCheck {
public:
    // display: the DISPLAY variable; videoDriver: SDL_VIDEODRIVER. A driver
    // the player named is SDL's to try, so nothing is checked then.
    DisplayCheck(const char* display, const char* videoDriver);

    bool usable() const { return problem_.empty(); }
    // One line naming the cause, "no X display: ...", when not usable.
    const std::string& problem() const { return problem_; }
    // True when SDL must be held to its X11 driver (the player named none).
    bool pinX11() const { return pinX11_; }

private:
    std::string problem_;
    bool pinX11_ = false;
};
