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

// The frame around the window as the window manager announces it; none
// without a window manager (or before it has framed the window).
FrameExtents readFrameExtents(Display* display, Window window)
{
    Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", True);
    if (extents == None)
        return FrameExtents();
    Atom type;
    int format;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    FrameExtents frame;
    if (XGetWindowProperty(display, window, extents, 0, 4, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success && data) {
        // Format 32 properties come back as longs whatever their width.
        if (format == 32)
            frame = FrameExtents::fromProperty(reinterpret_cast<const long*>(data), count);
        XFree(data);
    }
    return frame;
}

// Whether a running window manager says it maximises windows.
bool supportsMaximize(Display* display)
{
    Atom supported = XInternAtom(display, "_NET_SUPPORTED", True);
    Atom vert = XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", True);
    if (supported == None || vert == None)
        return false;
    Atom type;
    int format;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool found = false;
    if (XGetWindowProperty(display, DefaultRootWindow(display), supported, 0, 1024, False, XA_ATOM,
                           &type, &format, &count, &after, &data) == Success && data) {
        const Atom* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count && !found; ++i)
            found = atoms[i] == vert;
        XFree(data);
    }
    return found;
}
}

FrameExtents FrameExtents::fromProperty(const long* values, unsigned long count)
{
    FrameExtents frame;
    if (!values || count < 4)
        return frame;
    for (unsigned long i = 0; i < 4; ++i)
        if (values[i] < 0 || values[i] > 10000)
            return frame;
    frame.left = static_cast<int>(values[0]);
    frame.right = static_cast<int>(values[1]);
    frame.top = static_cast<int>(values[2]);
    frame.bottom = static_cast<int>(values[3]);
    return frame;
}

WindowPlacement FrameExtents::outerCorner(int innerX, int innerY, bool maximized) const
{
    WindowPlacement p;
    p.maximized = maximized;
    p.x = innerX - left;
    p.y = innerY - top;
    return p;
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

bool WindowPlatform::readPlacement(WindowPlacement& placement)
{
    WmInfo wm;
    if (!wm.ok)
        return false;
    wm.lock();
    Display* d = wm.display();
    Window child;
    int innerX = 0, innerY = 0;
    XTranslateCoordinates(d, wm.window(), DefaultRootWindow(d), 0, 0, &innerX, &innerY, &child);
    const bool maximized = hasMaximizedState(d, wm.window());
    const FrameExtents frame = readFrameExtents(d, wm.window());
    wm.unlock();
    placement = frame.outerCorner(innerX, innerY, maximized);
    return true;
}

bool WindowPlatform::maximizeWindow()
{
    WmInfo wm;
    if (!wm.ok)
        return false;
    wm.lock();
    Display* d = wm.display();
    const bool answered = supportsMaximize(d);
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
    return answered;
}

bool WindowPlatform::windowSize(int& width, int& height)
{
    WmInfo wm;
    if (!wm.ok)
        return false;
    wm.lock();
    XWindowAttributes attributes;
    const bool ok = XGetWindowAttributes(wm.display(), wm.window(), &attributes) != 0;
    wm.unlock();
    if (!ok || attributes.width <= 0 || attributes.height <= 0)
        return false;
    width = attributes.width;
    height = attributes.height;
    return true;
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
    // SDL reports a new window size only when it differs from its video
    // surface's, which it does not always update itself: a window maximised
    // at start and then restored to the size it opened at would go
    // unreported. An OpenGL surface has no pixels, so only its size changes.
    if (SDL_Surface* surface = SDL_GetVideoSurface()) {
        surface->w = width;
        surface->h = height;
    }
}
