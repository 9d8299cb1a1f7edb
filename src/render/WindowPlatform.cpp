#include "render/WindowPlatform.h"

#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>
#include <cstdio>
#include <cstdlib>

namespace {
struct WmInfo {
    SDL_SysWMinfo info;
    bool ok = false;
    WmInfo()
    {
        SDL_VERSION(&info.version);
        ok = SDL_GetVideoSurface() != nullptr && SDL_GetWMInfo(&info) > 0
             && info.subsystem == SDL_SYSWM_X11;
    }
    Display* display() const { return info.info.x11.display; }
    Window window() const { return info.info.x11.wmwindow; }
    void lock() const { info.info.x11.lock_func(); }
    void unlock() const { info.info.x11.unlock_func(); }
};

bool hasMaximizedState(Display* display, Window window)
{
    Atom state = XInternAtom(display, "_NET_WM_STATE", True);
    Atom vert = XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", True);
    Atom horz = XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", True);
    if (state == None || vert == None || horz == None)
        return false;
    Atom type;
    int format;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool v = false, h = false;
    if (XGetWindowProperty(display, window, state, 0, 64, False, XA_ATOM, &type, &format, &count,
                           &after, &data) == Success && data) {
        const Atom* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count; ++i) {
            v = v || atoms[i] == vert;
            h = h || atoms[i] == horz;
        }
        XFree(data);
    }
    return v && h;
}
}

bool WindowPlatform::desktopSize(int& width, int& height)
{
    WmInfo wm;
    if (wm.ok) {
        wm.lock();
        Display* d = wm.display();
        width = DisplayWidth(d, DefaultScreen(d));
        height = DisplayHeight(d, DefaultScreen(d));
        wm.unlock();
        return true;
    }
    // Before a video mode is set, SDL reports the desktop's own size.
    const SDL_VideoInfo* vi = SDL_GetVideoInfo();
    if (vi && vi->current_w > 0 && vi->current_h > 0) {
        width = vi->current_w;
        height = vi->current_h;
        return true;
    }
    return false;
}

void WindowPlatform::moveWindow(int x, int y)
{
    // A window that is yet to be made (or made anew by a change of video
    // mode) is placed by SDL from this setting.
    char position[32];
    snprintf(position, sizeof position, "%d,%d", x, y);
    setenv("SDL_VIDEO_WINDOW_POS", position, 1);
    WmInfo wm;
    if (!wm.ok)
        return;
    wm.lock();
    XMoveWindow(wm.display(), wm.window(), x, y);
    XSync(wm.display(), False);
    wm.unlock();
}

bool WindowPlatform::readPlacement(bool& maximized, int& x, int& y)
{
    WmInfo wm;
    if (!wm.ok)
        return false;
    wm.lock();
    Display* d = wm.display();
    Window child;
    int rx = 0, ry = 0;
    XTranslateCoordinates(d, wm.window(), DefaultRootWindow(d), 0, 0, &rx, &ry, &child);
    maximized = hasMaximizedState(d, wm.window());
    wm.unlock();
    x = rx;
    y = ry;
    return true;
}

void WindowPlatform::maximizeWindow()
{
    WmInfo wm;
    if (!wm.ok)
        return;
    wm.lock();
    Display* d = wm.display();
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = wm.window();
    ev.xclient.message_type = XInternAtom(d, "_NET_WM_STATE", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = 1;  // add the state
    ev.xclient.data.l[1] = static_cast<long>(XInternAtom(d, "_NET_WM_STATE_MAXIMIZED_VERT", False));
    ev.xclient.data.l[2] = static_cast<long>(XInternAtom(d, "_NET_WM_STATE_MAXIMIZED_HORZ", False));
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
    XSync(d, False);
    wm.unlock();
}

void WindowPlatform::resizeDrawable(int width, int height)
{
    WmInfo wm;
    if (!wm.ok || width <= 0 || height <= 0)
        return;
    wm.lock();
    XResizeWindow(wm.display(), wm.info.info.x11.window, static_cast<unsigned>(width),
                  static_cast<unsigned>(height));
    XSync(wm.display(), False);
    wm.unlock();
}
