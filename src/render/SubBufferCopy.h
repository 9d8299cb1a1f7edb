#pragma once

// Shows part of the back buffer on the window without a swap, where the
// driver offers GLX_MESA_copy_sub_buffer. The back buffer is left as it was,
// so a frame that changed only a small region can be drawn into that region
// alone and shown, however the driver treats the back buffer on a swap.
class SubBufferCopy {
public:
    // Looks the entry point up for the current context; false without one.
    bool load();
    bool available() const { return copy != nullptr; }
    // Copies the rectangle (window pixels, y upwards) to the front buffer.
    bool show(int x, int y, int width, int height) const;

private:
    using CopyFunction = void (*)(void* display, unsigned long drawable, int x, int y, int width, int height);
    CopyFunction copy = nullptr;
};
