#pragma once

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

    static void moveWindow(int x, int y);
    // The window's top-left corner on the desktop and whether it shows
    // maximised; false when there is no window to ask.
    static bool readPlacement(bool& maximized, int& x, int& y);
    static void maximizeWindow();
    // Gives the drawing area inside the window a new size; SDL itself only
    // does so when a new video mode is set, which would lose the context.
    static void resizeDrawable(int width, int height);
};
