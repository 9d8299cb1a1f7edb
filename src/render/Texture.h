#pragma once
#include <SDL/SDL.h>
#include <string>
#include <vector>

class RenderEngine;

// One picture decoded into memory and uploaded as a mip-mapped OpenGL
// texture. Every live texture is registered in Texture::textures so that the
// whole set can be re-uploaded when the OpenGL context is lost. A picture
// loaded from a file is not kept once OpenGL holds it: it is decoded from
// the file again for a new context.
class Texture {
public:
    RenderEngine* engine = nullptr;
    int bpp = 0;                     // 24 or 32 once an image is loaded
    bool flipped = false;            // kept rows run bottom to top
    int height = 0;
    unsigned char* pixels = nullptr; // the kept image; points into surface
    std::string fileName;
    SDL_Surface* surface = nullptr;  // owned
    unsigned int glName = 0;
    int width = 0;
    // Pixel layout of the last upload, so that a re-upload keeps the colours
    // (0 until something was uploaded).
    unsigned int format = 0;
    // Copies share the pixels and the OpenGL name of their source and
    // release neither.
    bool isCopy = false;
    // How many materials hold this texture (0 for textures owned otherwise):
    // materials naming the same picture share one texture, freed with the
    // last of them.
    int materialUsers = 0;
    // What the kept picture holds, found when it is decoded: some pixel not
    // fully opaque; every pixel of one colour (filtering cannot change it).
    bool translucent = false;
    bool uniform = false;
    // The decoded picture was let go after its upload; a re-upload decodes
    // fileName again.
    bool decodeAgain = false;
    // How the picture is drawn, fixed before its upload: in the scene, at
    // any size and slant (with mipmaps); flat on the screen at about its own
    // size (the menus, previews and splash pictures: one level); or flat as
    // a mask whose colour the drawing gives (the font: one level of
    // luminance and alpha, half the memory of four channels).
    enum class Drawn { InScene, Flat, FlatMask };
    Drawn drawn = Drawn::InScene;
    // The menu's pictures, drawn flat, live in this folder.
    static constexpr const char* flatFolder = "Assets/Menu/";

    // Every live texture in creation order; each is freed by its owner (an
    // animation, the font, or the render engine's shared textures).
    static std::vector<Texture*> textures;

    // With an empty file an empty texture called name is made; otherwise the
    // image is loaded. Registered either way, even when loading failed.
    Texture(RenderEngine* engine, const std::string& file, unsigned int format,
            const std::string& name, Drawn drawn = Drawn::InScene);
    Texture(const Texture& other);
    Texture& operator=(const Texture&) = delete;
    ~Texture();

    // Renderer operations with this texture as the subject.
    void cleanupTexture();
    void createTexture(unsigned char* pixels, int width, int height, unsigned int format);
    void deleteTexture();
    bool getImageData(const std::string& file, unsigned char* buffer, unsigned int format);
    bool loadImage(const std::string& file, unsigned int format);
    bool loadTGA(const std::string& file);
    void reloadTexture();
    void removeTexture();
    bool swapImage(const std::string& file, unsigned int format);

    bool isRegistered() const;
    // Takes the texture out of the list (the first equal entry).
    void unregister();
    // The first registered texture of that file name, or null.
    static Texture* findRegistered(const std::string& file);

    // A material's texture for file: the one other materials of that engine
    // already hold for the same file, or a new one; released with release().
    static Texture* acquire(RenderEngine* engine, const std::string& file);
    // One material lets go of t; the last one frees it.
    static void release(Texture* t);

    // Decodes a picture into a new 32-bit surface with bytes in blue, green,
    // red, alpha order (the layout of the display format with alpha under
    // OpenGL, made without asking the video mode). Logs "Missing texture
    // file: " on failure.
    static SDL_Surface* decodeFile(const std::string& file);
    // The same without the log line, so that another thread may call it;
    // null on failure.
    static SDL_Surface* decodeQuietly(const std::string& file);
    // A new surface in that layout, converted from loaded; null on failure.
    static SDL_Surface* toDisplayLayout(SDL_Surface* loaded);

    // The decoding part of loading, without OpenGL: decodes file into
    // surface, sets the size and depth, reverses the rows and, for GL_RGB or
    // GL_RGBA (0 counts as GL_RGBA), turns the bytes into red-green-blue
    // order. format receives the layout of the prepared pixels. False when
    // the picture is missing, empty or of another depth than 24 or 32 bits.
    // decoded, when given, is file already decoded by decodeQuietly; the
    // texture takes it over.
    bool prepareImage(const std::string& file, unsigned int& format, SDL_Surface* decoded = nullptr);

    // Sets translucent and uniform from the kept 32-bit pixels.
    void examinePixels();

    // Frees the surface; pixels pointing into it are forgotten.
    void freeSurface();
    // Lets go of the decoded picture once OpenGL holds it (decodeAgain).
    void dropPixels();
};
