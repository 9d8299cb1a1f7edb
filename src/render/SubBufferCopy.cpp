#include "render/SubBufferCopy.h"

#include <GL/glx.h>

#include <cstring>

bool SubBufferCopy::load()
{
    copy = nullptr;
    Display* display = glXGetCurrentDisplay();
    if (!display)
        return false;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!extensions || !std::strstr(extensions, "GLX_MESA_copy_sub_buffer"))
        return false;
    copy = reinterpret_cast<CopyFunction>(
        glXGetProcAddressARB(reinterpret_cast<const GLubyte*>("glXCopySubBufferMESA")));
    return copy != nullptr;
}

bool SubBufferCopy::show(int x, int y, int width, int height) const
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!copy || !display || !drawable)
        return false;
    copy(display, drawable, x, y, width, height);
    return true;
}
