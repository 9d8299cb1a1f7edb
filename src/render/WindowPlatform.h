#pragma once

// Where the window stands: its outer top-left corner on the desktop (the
// window manager's frame included, which is also the corner a move asks
// for) and whether it shows maximised.
struct WindowPlacement {
    bool maximized = false;
    int x = 0;
    int y = 0;
};

// The frame a window manager draws around the window, in pixels.
struct FrameExtents {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;

    // From the four values of the window manager's frame-extents property,
    // which come in the order left, right, top, bottom; anything else (no
    // property, a short one, negative or absurd values) is no frame.
    static FrameExtents fromProperty(const long* values, unsigned long count);
    // The outer corner of a window whose drawing area starts at (innerX, innerY).
    WindowPlacement outerCorner(int innerX, int innerY, bool maximized) const;
};

// The window-manager calls the render engine needs (desktop size, window
// placement, moving and maximising the window), done through SDL's
// window-manager information on X11. Every call is harmless without a
// window: it then reports nothing and changes nothing.
class WindowPlatform {
public:
    // The primary display's size; false when it cannot be read.
    static bool desktopSize(int& width, int& height);
    // Metrics a desktop without window decorations reports as 0.
    static int captionHeight() { return 0; }
    static int frameThickness() { return 0; }
    static int taskBarHeight() { return 0; }

    // Places the window's outer corner at (x, y).
    static void moveWindow(int x, int y);
    // The window's outer corner and maximised state; false when there is no
    // window to ask.
    static bool readPlacement(WindowPlacement& placement);
    // Asks the window manager to maximise the window; true when a window
    // manager that can do it is running (it answers with a resize).
    static bool maximizeWindow();
    // The size the window has now; false (and nothing changed) when there
    // is no window to ask.
    static bool windowSize(int& width, int& height);
    // Gives the drawing area inside the window a new size; SDL itself only
    // does so when a new video mode is set, which would lose the context.
    static void resizeDrawable(int width, int height);
};
