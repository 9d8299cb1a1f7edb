#include "render/Texture.h"

#include <GL/gl.h>
#include <SDL/SDL_image.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "base/Log.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

std::vector<Texture*> Texture::textures;

namespace {
Renderer* rendererOf(RenderEngine* engine)
{
    return engine ? engine->renderer.get() : nullptr;
}
}

Texture::Texture(RenderEngine* e, const std::string& file, unsigned int fmt, const std::string& name,
                 Drawn how)
    : engine(e), drawn(how)
{
    if (file.empty()) {
        fileName = name;
        createTexture(nullptr, 0, 0, fmt);
    } else {
        fileName = file;
        loadImage(file, fmt);
    }
    textures.push_back(this);
}

Texture::Texture(const Texture& other)
    : engine(other.engine),
      bpp(other.bpp),
      flipped(other.flipped),
      height(other.height),
      pixels(other.pixels),
      fileName(other.fileName),
      glName(other.glName),
      width(other.width),
      format(other.format),
      isCopy(true),
      drawn(other.drawn)
{
}

Texture::~Texture()
{
    if (isCopy)
        return;
    if (isRegistered()) {
        cleanupTexture();
        unregister();
    }
    // A texture taken out of the list by deleteTexture still owns its
    // surface; the do-nothing renderer frees nothing either.
    freeSurface();
}

bool Texture::isRegistered() const
{
    return std::find(textures.begin(), textures.end(), this) != textures.end();
}

void Texture::unregister()
{
    auto it = std::find(textures.begin(), textures.end(), this);
    if (it != textures.end())
        textures.erase(it);
}

Texture* Texture::findRegistered(const std::string& file)
{
    for (Texture* t : textures)
        if (t->fileName == file)
            return t;
    return nullptr;
}

Texture* Texture::acquire(RenderEngine* e, const std::string& file)
{
    for (Texture* t : textures)
        if (t->materialUsers > 0 && t->engine == e && t->fileName == file) {
            ++t->materialUsers;
            return t;
        }
    const bool flat = file.compare(0, std::char_traits<char>::length(flatFolder), flatFolder) == 0;
    Texture* t = e->shareTexture(std::make_unique<Texture>(e, file, 0, "", flat ? Drawn::Flat : Drawn::InScene));
    t->materialUsers = 1;
    return t;
}

void Texture::release(Texture* t)
{
    if (t && --t->materialUsers <= 0)
        t->engine->releaseSharedTexture(t);
}

void Texture::examinePixels()
{
    translucent = false;
    uniform = false;
    if (!surface || surface->format->BitsPerPixel != 32 || surface->w <= 0 || surface->h <= 0)
        return;
    const Uint32 alphaMask = surface->format->Amask;
    const unsigned char* data = static_cast<const unsigned char*>(surface->pixels);
    const Uint32 firstPixel = *reinterpret_cast<const Uint32*>(data);
    bool same = true;
    for (int y = 0; y < surface->h; ++y) {
        const Uint32* row = reinterpret_cast<const Uint32*>(data + static_cast<size_t>(surface->pitch) * y);
        for (int x = 0; x < surface->w; ++x) {
            translucent = translucent || (alphaMask && (row[x] & alphaMask) != alphaMask);
            same = same && row[x] == firstPixel;
        }
    }
    uniform = same;
}

void Texture::freeSurface()
{
    if (!surface)
        return;
    if (pixels == static_cast<unsigned char*>(surface->pixels))
        pixels = nullptr;
    SDL_FreeSurface(surface);
    surface = nullptr;
}

void Texture::dropPixels()
{
    if (!surface || fileName.empty())
        return;
    freeSurface();
    decodeAgain = true;
}

SDL_Surface* Texture::decodeFile(const std::string& file)
{
    SDL_Surface* decoded = decodeQuietly(file);
    if (!decoded)
        outputError("Missing texture file: " + file);
    return decoded;
}

SDL_Surface* Texture::decodeQuietly(const std::string& file)
{
    SDL_Surface* loaded = IMG_Load(file.c_str());
    if (!loaded)
        return nullptr;
    SDL_Surface* converted = toDisplayLayout(loaded);
    SDL_FreeSurface(loaded);
    return converted;
}

namespace {
int shiftOf(Uint32 mask)
{
    int shift = 0;
    while (mask && !(mask & 1u)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// Pictures of 3 or 4 whole bytes a pixel without a colour key (what PNG
// pictures decode to) are copied channel by channel: SDL's general
// converter takes several times as long for the same pixels. Null for any
// other picture.
SDL_Surface* copyChannels(SDL_Surface* in, Uint32 r, Uint32 g, Uint32 b, Uint32 a)
{
    const SDL_PixelFormat* f = in->format;
    const int bytes = f->BytesPerPixel;
    const bool wholeBytes = !f->Rloss && !f->Gloss && !f->Bloss && f->Rshift % 8 == 0 && f->Gshift % 8 == 0
                            && f->Bshift % 8 == 0 && (!f->Amask || (!f->Aloss && f->Ashift % 8 == 0));
    if ((bytes != 3 && bytes != 4) || f->palette || (in->flags & SDL_SRCCOLORKEY) || !wholeBytes
        || SDL_MUSTLOCK(in) || in->w <= 0 || in->h <= 0)
        return nullptr;
    SDL_Surface* out = SDL_CreateRGBSurface(SDL_SWSURFACE, in->w, in->h, 32, r, g, b, a);
    if (!out)
        return nullptr;
    const int toR = shiftOf(r), toG = shiftOf(g), toB = shiftOf(b), toA = shiftOf(a);
    for (int y = 0; y < in->h; ++y) {
        const Uint8* from = static_cast<const Uint8*>(in->pixels) + static_cast<size_t>(in->pitch) * y;
        Uint32* to = reinterpret_cast<Uint32*>(static_cast<Uint8*>(out->pixels) + static_cast<size_t>(out->pitch) * y);
        for (int x = 0; x < in->w; ++x, from += bytes) {
            Uint32 p = 0;
            if (bytes == 4)
                std::memcpy(&p, from, 4);
            else
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
                p = from[0] | (from[1] << 8) | (from[2] << 16);
#else
                p = (from[0] << 16) | (from[1] << 8) | from[2];
#endif
            const Uint32 alpha = f->Amask ? (p >> f->Ashift) & 0xFFu : 0xFFu;
            to[x] = (((p >> f->Rshift) & 0xFFu) << toR) | (((p >> f->Gshift) & 0xFFu) << toG)
                    | (((p >> f->Bshift) & 0xFFu) << toB) | (alpha << toA);
        }
    }
    return out;
}
}

SDL_Surface* Texture::toDisplayLayout(SDL_Surface* loaded)
{
    // The layout the display format with alpha has under OpenGL: 32 bits in
    // blue, green, red, alpha byte order.
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
    const Uint32 r = 0x00FF0000, g = 0x0000FF00, b = 0x000000FF, a = 0xFF000000;
#else
    const Uint32 r = 0x0000FF00, g = 0x00FF0000, b = 0xFF000000, a = 0x000000FF;
#endif
    if (SDL_Surface* copied = copyChannels(loaded, r, g, b, a))
        return copied;
    SDL_Surface* model = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, r, g, b, a);
    if (!model)
        return nullptr;
    SDL_Surface* converted = SDL_ConvertSurface(loaded, model->format, SDL_SWSURFACE);
    SDL_FreeSurface(model);
    return converted;
}

bool Texture::prepareImage(const std::string& file, unsigned int& fmt, SDL_Surface* decoded)
{
    if (fmt == 0)
        fmt = GL_RGBA;
    if (!decoded)
        decoded = decodeFile(file);
    if (!decoded)
        return false;
    const bool pixelsInOld = surface && pixels == static_cast<unsigned char*>(surface->pixels);
    freeSurface();
    surface = decoded;
    if (pixelsInOld)
        pixels = static_cast<unsigned char*>(surface->pixels);

    width = surface->w;
    height = surface->h;
    bpp = surface->format->BitsPerPixel;
    if (width == 0 || height == 0)
        return false;
    if (bpp == 24)
        fmt = GL_RGB;
    else if (bpp != 32)
        return false;

    const bool lock = SDL_MUSTLOCK(surface);
    if (lock && SDL_LockSurface(surface) != 0)
        return false;
    examinePixels();
    unsigned char* data = static_cast<unsigned char*>(surface->pixels);
    const size_t pitch = surface->pitch;
    std::vector<unsigned char> row(pitch);
    for (int i = 0; i < height / 2; ++i) {
        unsigned char* top = data + pitch * i;
        unsigned char* bottom = data + pitch * (height - 1 - i);
        std::copy(top, top + pitch, row.begin());
        std::copy(bottom, bottom + pitch, top);
        std::copy(row.begin(), row.end(), bottom);
    }
    flipped = true;
    if (fmt == GL_RGB || fmt == GL_RGBA) {
        // Row by row, so that padding at the end of a row never shifts the
        // pixels of the next one.
        const int step = bpp / 8;
        for (int y = 0; y < height; ++y) {
            unsigned char* p = data + pitch * y;
            for (int x = 0; x < width; ++x, p += step)
                std::swap(p[0], p[2]);
        }
    }
    if (lock)
        SDL_UnlockSurface(surface);
    return true;
}

void Texture::cleanupTexture()
{
    if (Renderer* r = rendererOf(engine))
        r->cleanupTexture(this);
}

void Texture::createTexture(unsigned char* data, int w, int h, unsigned int fmt)
{
    if (Renderer* r = rendererOf(engine))
        r->createTexture(this, data, w, h, static_cast<int>(fmt));
}

void Texture::deleteTexture()
{
    if (Renderer* r = rendererOf(engine))
        r->deleteTexture(this);
}

bool Texture::getImageData(const std::string& file, unsigned char* buffer, unsigned int fmt)
{
    Renderer* r = rendererOf(engine);
    return r && r->getImageData(this, file, buffer, fmt);
}

bool Texture::loadImage(const std::string& file, unsigned int fmt)
{
    Renderer* r = rendererOf(engine);
    return r && r->loadImage(this, file, fmt);
}

bool Texture::loadTGA(const std::string& file)
{
    Renderer* r = rendererOf(engine);
    return r && r->loadTGA(this, file);
}

void Texture::reloadTexture()
{
    if (Renderer* r = rendererOf(engine))
        r->reloadTexture(this);
}

void Texture::removeTexture()
{
    if (Renderer* r = rendererOf(engine))
        r->removeTexture(&glName);
}

bool Texture::swapImage(const std::string& file, unsigned int fmt)
{
    Renderer* r = rendererOf(engine);
    return r && r->swapImage(this, file, fmt);
}
