// The OpenGL renderer's textures and materials: uploading decoded pictures as
// mip-mapped textures, replacing and re-creating them, TGA files, the texture
// lookup by file name and the material files.
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "base/Log.h"
#include "render/GLExtensions.h"
#include "render/GLRender.h"
#include "render/Material.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"

#ifndef GL_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_TEXTURE_MAX_ANISOTROPY_EXT 0x84FE
#endif
#ifndef GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT 0x84FF
#endif

namespace {
// Pictures can be decoded before there is a window (or with none at all, in
// tests); OpenGL is only called once an OpenGL video mode exists.
bool haveContext()
{
    const SDL_Surface* video = SDL_GetVideoSurface();
    return video && (video->flags & SDL_OPENGL);
}

// Larger TGA images are refused rather than allocated.
constexpr int maxTGASide = 16384;

// Whether the driver takes a picture of any size up to its largest texture
// (OpenGL 2.0 or the non-power-of-two extension).
bool takesAnySize(int width, int height)
{
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (width > largest || height > largest)
        return false;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return (version && std::atoi(version) >= 2) || GLExtensions::hasExtension("GL_ARB_texture_non_power_of_two");
}

// Fills the bound texture with every mipmap level of the picture (4 bytes a
// pixel), each level the 2 x 2 average of the one above. Built here rather
// than by GLU, which rescales and converts every level through floating
// point, or by the driver, which on a software renderer waits for a blit
// per level: this is several times faster, and start-up decodes every
// picture of the game.
void uploadMipmaps(const unsigned char* pixels, int width, int height, GLenum format)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const bool fourBytes = format == GL_RGBA || format == GL_BGRA;
    if (!fourBytes || !takesAnySize(width, height)) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, 4, width, height, format, GL_UNSIGNED_BYTE, pixels);
        return;
    }
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
    const unsigned char* above = pixels;
    std::vector<unsigned char> current, below;
    for (int level = 1; width > 1 || height > 1; ++level) {
        const int w = std::max(1, width / 2), h = std::max(1, height / 2);
        below.resize(static_cast<size_t>(w) * h * 4);
        for (int y = 0; y < h; ++y) {
            const int y0 = std::min(2 * y, height - 1), y1 = std::min(2 * y + 1, height - 1);
            const unsigned char* r0 = &above[static_cast<size_t>(y0) * width * 4];
            const unsigned char* r1 = &above[static_cast<size_t>(y1) * width * 4];
            unsigned char* out = &below[static_cast<size_t>(y) * w * 4];
            for (int x = 0; x < w; ++x) {
                const int x0 = std::min(2 * x, width - 1) * 4, x1 = std::min(2 * x + 1, width - 1) * 4;
                for (int c = 0; c < 4; ++c)
                    out[x * 4 + c] = static_cast<unsigned char>((r0[x0 + c] + r0[x1 + c] + r1[x0 + c] + r1[x1 + c] + 2) / 4);
            }
        }
        glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA, w, h, 0, format, GL_UNSIGNED_BYTE, below.data());
        current.swap(below);
        above = current.data();
        width = w;
        height = h;
    }
}

// One level only, for a picture drawn flat at about its own size; a mask
// keeps the luminance (the green byte, whichever the order) and the alpha.
void uploadFlat(const unsigned char* pixels, int width, int height, GLenum format, bool mask)
{
    const int channels = format == GL_RGBA || format == GL_BGRA ? 4 : format == GL_RGB || format == GL_BGR ? 3 : 0;
    if (!mask || channels == 0) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, channels == 4 || channels == 0 ? 4 : 1);
        glTexImage2D(GL_TEXTURE_2D, 0, channels == 3 ? GL_RGB : GL_RGBA, width, height, 0, format, GL_UNSIGNED_BYTE,
                     pixels);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        return;
    }
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    std::vector<unsigned char> pairs(count * 2);
    bool white = true;
    for (size_t i = 0; i < count; ++i) {
        pairs[2 * i] = pixels[i * channels + 1];
        pairs[2 * i + 1] = channels == 4 ? pixels[i * channels + 3] : 255;
        white = white && pairs[2 * i] == 255;
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (white && channels == 4) {
        // A white mask modulates the drawing colour by its alpha alone: the
        // alpha is all it needs to keep, half the memory again.
        for (size_t i = 0; i < count; ++i)
            pairs[i] = pairs[2 * i + 1];
        glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA, width, height, 0, GL_ALPHA, GL_UNSIGNED_BYTE, pairs.data());
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE_ALPHA, width, height, 0, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE,
                     pairs.data());
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}
}

void GLRender::createTexture(Texture* t, unsigned char* pixels, int width, int height, int format)
{
    if (!t)
        return;
    if (format == 0)
        format = GL_RGBA;
    t->format = static_cast<unsigned int>(format);
    if (!haveContext())
        return;
    glEnable(GL_TEXTURE_2D);
    glGenTextures(1, &t->glName);
    glBindTexture(GL_TEXTURE_2D, t->glName);
    const bool inScene = t->drawn == Texture::Drawn::InScene;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, inScene ? minFilter() : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // A picture of one colour looks the same however it is filtered.
    const float degree = inScene ? anisotropyDegree() : 0.0f;
    if (degree > 0.0f)
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT,
                        t->uniform ? 1.0f : degree);
    if (pixels && width > 0 && height > 0) {
        if (inScene)
            uploadMipmaps(pixels, width, height, static_cast<GLenum>(format));
        else
            uploadFlat(pixels, width, height, static_cast<GLenum>(format), t->drawn == Texture::Drawn::FlatMask);
        ++textureUploads;
    }
}

bool GLRender::isSoftwareRenderer(const char* renderer)
{
    if (!renderer)
        return false;
    for (const char* name : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast", "SwiftShader"})
        if (std::strstr(renderer, name))
            return true;
    return false;
}

int GLRender::minFilter()
{
    if (minification == 0) {
        minification = GL_LINEAR_MIPMAP_LINEAR;
        const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        if (isSoftwareRenderer(renderer)) {
            minification = GL_LINEAR_MIPMAP_NEAREST;
            outputError(std::string("Software renderer, textures filtered from the nearest mipmap: ")
                        + renderer);
        }
    }
    return minification;
}

float GLRender::anisotropyDegree()
{
    if (anisotropy >= 0.0f)
        return anisotropy;
    anisotropy = 0.0f;
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!extensions || !std::strstr(extensions, "GL_EXT_texture_filter_anisotropic"))
        return anisotropy;
    GLfloat largest = 1.0f;
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &largest);
    anisotropy = largest;
    // Drawn by the processor, the largest degree makes every textured pixel
    // several times dearer and the game too slow to play.
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (isSoftwareRenderer(renderer) && largest > softwareAnisotropy) {
        anisotropy = softwareAnisotropy;
        outputError(std::string("Software renderer, anisotropic filtering limited to ")
                    + std::to_string(static_cast<int>(softwareAnisotropy)) + ": " + renderer);
    }
    return anisotropy;
}

bool GLRender::loadImage(Texture* t, std::string file, unsigned int format)
{
    if (!t || !t->prepareImage(file, format, engine ? engine->pictures.take(file) : nullptr))
        return false;
    t->pixels = static_cast<unsigned char*>(t->surface->pixels);
    t->decodeAgain = false;
    t->createTexture(t->pixels, t->width, t->height, format);
    // OpenGL keeps its own copy: the decoded one would only double the
    // memory the picture takes. It is decoded again if the context is lost.
    if (t->glName != 0 && haveContext())
        t->dropPixels();
    outputError("Loaded texture file: " + file);
    return true;
}

bool GLRender::getImageData(Texture* t, std::string file, unsigned char* /*buffer*/, unsigned int format)
{
    if (!t || !t->prepareImage(file, format))
        return false;
    outputError("Loaded texture file: " + file);
    return true;
}

void GLRender::reloadTexture(Texture* t)
{
    if (!t)
        return;
    if (t->decodeAgain && !t->pixels) {
        unsigned int format = t->format;
        if (!t->prepareImage(t->fileName, format))
            return;
        t->pixels = static_cast<unsigned char*>(t->surface->pixels);
        t->createTexture(t->pixels, t->width, t->height, format);
        if (t->glName != 0 && haveContext())
            t->dropPixels();
        return;
    }
    unsigned int format = t->format;
    if (format == 0)
        format = t->bpp == 24 ? GL_RGB : GL_RGBA;
    t->createTexture(t->pixels, t->width, t->height, format);
}

void GLRender::removeTexture(unsigned int* name)
{
    if (!name)
        return;
    if (*name != 0 && haveContext())
        glDeleteTextures(1, name);
    *name = 0;
}

void GLRender::cleanupTexture(Texture* t)
{
    if (!t)
        return;
    t->freeSurface();
    removeTexture(&t->glName);
}

void GLRender::deleteTexture(Texture* t)
{
    if (!t)
        return;
    removeTexture(&t->glName);
    t->unregister();
}

bool GLRender::swapImage(Texture* t, std::string file, unsigned int /*format*/)
{
    if (!t)
        return false;
    // The new picture is decoded first: when it is missing the texture keeps
    // the image it has.
    SDL_Surface* decoded = Texture::decodeFile(file);
    if (!decoded)
        return false;
    t->freeSurface();
    t->surface = decoded;
    t->decodeAgain = false;
    t->pixels = static_cast<unsigned char*>(decoded->pixels);
    t->width = decoded->w;
    t->height = decoded->h;
    t->bpp = decoded->format->BitsPerPixel;
    // Kept as decoded: rows top to bottom, bytes blue, green, red, alpha.
    t->format = GL_BGRA;
    t->flipped = false;
    t->examinePixels();
    if (haveContext() && t->glName != 0 && t->pixels && t->width > 0 && t->height > 0) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, t->glName);
        // Every level is rebuilt, so that a minified texture shows the new
        // picture too and a picture of another size is never read past its end.
        if (t->drawn == Texture::Drawn::InScene)
            uploadMipmaps(t->pixels, t->width, t->height, GL_BGRA);
        else
            uploadFlat(t->pixels, t->width, t->height, GL_BGRA, t->drawn == Texture::Drawn::FlatMask);
        ++textureUploads;
    }
    return true;
}

bool GLRender::loadTGA(Texture* t, std::string file)
{
    if (!t)
        return false;
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        outputError("Missing texture file: " + file);
        return false;
    }
    unsigned char header[18];
    if (!in.read(reinterpret_cast<char*>(header), sizeof header)) {
        outputError("Unreadable TGA file: " + file);
        return false;
    }
    const int idLength = header[0];
    const int colourMapType = header[1];
    const int imageType = header[2];
    const int width = header[12] | (header[13] << 8);
    const int height = header[14] | (header[15] << 8);
    const int depth = header[16];
    const bool topDown = (header[17] & 0x20) != 0;
    // Only uncompressed true-colour images are read.
    if (colourMapType != 0 || imageType != 2 || (depth != 24 && depth != 32) || width == 0 ||
        height == 0 || width > maxTGASide || height > maxTGASide) {
        outputError("Unsupported TGA file: " + file);
        return false;
    }
    in.ignore(idLength);

#if SDL_BYTEORDER == SDL_LIL_ENDIAN
    const Uint32 r = depth == 32 ? 0x00FF0000 : 0xFF0000, g = 0x00FF00, b = 0x0000FF;
    const Uint32 a = depth == 32 ? 0xFF000000 : 0;
#else
    const Uint32 r = depth == 32 ? 0x0000FF00 : 0x0000FF, g = depth == 32 ? 0x00FF0000 : 0x00FF00;
    const Uint32 b = depth == 32 ? 0xFF000000 : 0xFF0000, a = depth == 32 ? 0x000000FF : 0;
#endif
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, depth, r, g, b, a);
    if (!s) {
        outputError("Unreadable TGA file: " + file);
        return false;
    }
    // Rows are kept bottom to top, as OpenGL expects them.
    const size_t rowBytes = static_cast<size_t>(width) * (depth / 8);
    unsigned char* data = static_cast<unsigned char*>(s->pixels);
    for (int i = 0; i < height; ++i) {
        const int row = topDown ? height - 1 - i : i;
        if (!in.read(reinterpret_cast<char*>(data + static_cast<size_t>(s->pitch) * row),
                     static_cast<std::streamsize>(rowBytes))) {
            SDL_FreeSurface(s);
            outputError("Unreadable TGA file: " + file);
            return false;
        }
    }
    // The pixels stay with the texture so that it can be re-created after a
    // change of video mode.
    t->freeSurface();
    t->surface = s;
    t->decodeAgain = false;
    t->pixels = data;
    t->width = width;
    t->height = height;
    t->bpp = depth;
    t->flipped = true;
    t->examinePixels();
    t->createTexture(t->pixels, width, height, depth == 32 ? GL_BGRA : GL_BGR);
    outputError("Loaded texture file: " + file);
    return true;
}

Texture* GLRender::loadTexture(std::string file)
{
    for (const auto& m : engine->materials)
        if (m->diffuseMap && m->diffuseMap->fileName == file)
            return m->diffuseMap;
    if (Texture* t = Texture::findRegistered(file))
        return t;
    // Pictures looked up by name are previews, splash pictures and menu
    // looks, all drawn flat.
    return engine->shareTexture(std::make_unique<Texture>(engine, file, 0, "", Texture::Drawn::Flat));
}

Material* GLRender::loadMaterials(std::string file)
{
    return Material::loadFile(engine, file);
}

void GLRender::createHighlightMaterial()
{
    Material::createHighlightMaterials(engine);
}
