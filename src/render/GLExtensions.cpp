#include "render/GLExtensions.h"

#include <SDL/SDL.h>
#include <cstring>

#ifndef GL_MAX_TEXTURE_UNITS_ARB
#define GL_MAX_TEXTURE_UNITS_ARB 0x84E2
#endif
#ifndef GL_TEXTURE0_ARB
#define GL_TEXTURE0_ARB 0x84C0
#endif

std::vector<int> GLExtensions::availableTexUnits;
int GLExtensions::numTexUnits = 0;
GLExtensions::MultiTexCoord1f GLExtensions::glMultiTexCoord1fARB = nullptr;
GLExtensions::MultiTexCoord2f GLExtensions::glMultiTexCoord2fARB = nullptr;
GLExtensions::MultiTexCoord3f GLExtensions::glMultiTexCoord3fARB = nullptr;
GLExtensions::MultiTexCoord4f GLExtensions::glMultiTexCoord4fARB = nullptr;
GLExtensions::ActiveTexture GLExtensions::glActiveTextureARB = nullptr;
GLExtensions::ActiveTexture GLExtensions::glClientActiveTextureARB = nullptr;

bool GLExtensions::hasExtension(const char* name)
{
    const char* all = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return all && std::strstr(all, name) != nullptr;
}

void GLExtensions::load()
{
    availableTexUnits.clear();
    if (!hasExtension("ARB_multitexture"))
        return;
    GLint units = 0;
    glGetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &units);
    numTexUnits = units;
    for (int i = 0; i < numTexUnits; ++i)
        availableTexUnits.push_back(GL_TEXTURE0_ARB + i);
    glMultiTexCoord1fARB = reinterpret_cast<MultiTexCoord1f>(SDL_GL_GetProcAddress("glMultiTexCoord1fARB"));
    glMultiTexCoord2fARB = reinterpret_cast<MultiTexCoord2f>(SDL_GL_GetProcAddress("glMultiTexCoord2fARB"));
    glMultiTexCoord3fARB = reinterpret_cast<MultiTexCoord3f>(SDL_GL_GetProcAddress("glMultiTexCoord3fARB"));
    glMultiTexCoord4fARB = reinterpret_cast<MultiTexCoord4f>(SDL_GL_GetProcAddress("glMultiTexCoord4fARB"));
    glActiveTextureARB = reinterpret_cast<ActiveTexture>(SDL_GL_GetProcAddress("glActiveTextureARB"));
    glClientActiveTextureARB =
        reinterpret_cast<ActiveTexture>(SDL_GL_GetProcAddress("glClientActiveTextureARB"));
}
