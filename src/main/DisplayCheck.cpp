#include "main/DisplayCheck.h"

#include <X11/Xlib.h>

DisplayCheck::DisplayCheck(const char* display, const char* videoDriver)
{
    if (videoDriver && *videoDriver)
        return;
    pinX11_ = true;
    if (!display || !*display) {
        problem_ = "no X display: DISPLAY is not set";
        return;
    }
    // Opening and closing a connection costs a few milliseconds and gives
    // the same answer SDL's X11 driver would get a moment later.
    Display* connection = XOpenDisplay(display);
    if (!connection) {
        problem_ = std::string("no X display: cannot open display \"") + display + "\"";
        return;
    }
    XCloseDisplay(connection);
}
