#pragma once
#include <GL/gl.h>
#include <vector>

// The multitexture entry points and texture units the driver offers, fetched
// once after the context exists. The entry points are null when the driver
// lacks ARB_multitexture.
class GLExtensions {
public:
    using MultiTexCoord1f = void (*)(GLenum, GLfloat);
    using MultiTexCoord2f = void (*)(GLenum, GLfloat, GLfloat);
    using MultiTexCoord3f = void (*)(GLenum, GLfloat, GLfloat, GLfloat);
    using MultiTexCoord4f = void (*)(GLenum, GLfloat, GLfloat, GLfloat, GLfloat);
    using ActiveTexture = void (*)(GLenum);

    static std::vector<int> availableTexUnits;
    static int numTexUnits;
    static MultiTexCoord1f glMultiTexCoord1fARB;
    static MultiTexCoord2f glMultiTexCoord2fARB;
    static MultiTexCoord3f glMultiTexCoord3fARB;
    static MultiTexCoord4f glMultiTexCoord4fARB;
    static ActiveTexture glActiveTextureARB;
    static ActiveTexture glClientActiveTextureARB;

    // Reads the extension string of the current context.
    static void load();
    static bool hasExtension(const char* name);
};
