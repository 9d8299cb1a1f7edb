// Uploads with a real OpenGL context; skipped where there is no display.
#include <gtest/gtest.h>
#include <GL/gl.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "support/WorkDir.h"
#include "render/GLRender.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"


namespace {
class TextureGLTest : public ::testing::Test {
protected:
    static inline bool haveWindow = false;
    std::unique_ptr<RenderEngine> engine;

    // One window for the suite. A virtual display that has just lost its
    // last client resets and refuses connections for a moment: retry.
    static void SetUpTestSuite()
    {
#ifdef __SANITIZE_ADDRESS__
        // The X and GL driver libraries keep allocations that LeakSanitizer
        // reports; these checks run in the plain build.
        return;
#endif
        if (!std::getenv("DISPLAY"))
            return;
        // Without X, SDL would fall back to drawing into the terminal.
        setenv("SDL_VIDEODRIVER", "x11", 0);
        for (int attempt = 0; attempt < 5 && !haveWindow; ++attempt) {
            if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
                haveWindow = SDL_SetVideoMode(32, 32, 32, SDL_OPENGL) != nullptr;
                if (!haveWindow)
                    SDL_QuitSubSystem(SDL_INIT_VIDEO);
            }
            if (!haveWindow)
                SDL_Delay(200);
        }
    }
    static void TearDownTestSuite()
    {
        if (haveWindow)
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        haveWindow = false;
    }

    void SetUp() override
    {
        if (!haveWindow)
            GTEST_SKIP() << "no OpenGL window: " << SDL_GetError();
        engine = std::make_unique<RenderEngine>(new GLRender);
    }
    void TearDown() override
    {
        if (engine)
            engine->clean_up();
    }
};

// A level of the texture as red, green, blue, alpha bytes (GLU scales
// pictures whose sides are not powers of two).
std::vector<unsigned char> level(const Texture& t, int level)
{
    glBindTexture(GL_TEXTURE_2D, t.glName);
    GLint w = 0, h = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &w);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &h);
    std::vector<unsigned char> out(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, out.data());
    return out;
}
}

TEST_F(TextureGLTest, UploadsMipmapsFilteredAsTheRendererAffords)
{
    Texture t(engine.get(), WorkDir::dataDir() + "quad_rgba.png", 0, "");
    ASSERT_NE(t.glName, 0u);
    EXPECT_TRUE(glIsTexture(t.glName));
    // A software renderer reads one mipmap level and a lower anisotropy; a
    // single-colour picture gets none.
    const bool software =
        GLRender::isSoftwareRenderer(reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, software ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR_MIPMAP_LINEAR);
    GLfloat largest = 0.0f, used = 0.0f;
    glGetFloatv(0x84FF, &largest);  // GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT
    glGetTexParameterfv(GL_TEXTURE_2D, 0x84FE, &used);
    EXPECT_GT(largest, 1.0f);
    EXPECT_EQ(used, software ? GLRender::softwareAnisotropy : largest);
    Texture plain(engine.get(), WorkDir::dataDir() + "quad_black.png", 0, "");
    glBindTexture(GL_TEXTURE_2D, plain.glName);
    glGetTexParameterfv(GL_TEXTURE_2D, 0x84FE, &used);
    EXPECT_EQ(used, 1.0f);
    glBindTexture(GL_TEXTURE_2D, t.glName);

    // Bottom row first: blue, half-transparent white, then red, green.
    EXPECT_EQ(level(t, 0), (std::vector<unsigned char>{0, 0, 255, 255, 255, 255, 255, 128,
                                                          255, 0, 0, 255, 0, 255, 0, 255}));
    EXPECT_EQ(level(t, 1).size(), 4u);
}

TEST_F(TextureGLTest, AChangeOfVideoModeGivesEveryTextureANewNameAndTheSamePicture)
{
    Texture a(engine.get(), WorkDir::dataDir() + "quad_rgba.png", 0, "");
    Texture b(engine.get(), WorkDir::dataDir() + "rgb24.bmp", 0, "");
    const auto pictureA = level(a, 0);
    const auto pictureB = level(b, 0);
    // OpenGL holds the pictures: no decoded copy is kept beside them.
    EXPECT_EQ(a.surface, nullptr);
    EXPECT_EQ(a.pixels, nullptr);

    for (Texture* t : Texture::textures)
        t->removeTexture();
    EXPECT_EQ(a.glName, 0u);
    ASSERT_NE(SDL_SetVideoMode(48, 48, 32, SDL_OPENGL), nullptr);  // a new context
    for (Texture* t : Texture::textures)
        t->reloadTexture();
    ASSERT_NE(a.glName, 0u);
    ASSERT_NE(b.glName, 0u);
    EXPECT_EQ(level(a, 0), pictureA);
    EXPECT_EQ(level(b, 0), pictureB);

    // A copy shares the name; destroying it leaves the texture in place.
    {
        Texture copy(a);
        EXPECT_EQ(copy.glName, a.glName);
    }
    EXPECT_TRUE(glIsTexture(a.glName));
}

TEST_F(TextureGLTest, SwappedPicturesReachEveryLevelAndSurviveAReload)
{
    Texture t(engine.get(), WorkDir::dataDir() + "quad_rgba.png", 0, "");
    ASSERT_TRUE(t.swapImage(WorkDir::dataDir() + "quad_black.png", 0));
    EXPECT_EQ(level(t, 0), std::vector<unsigned char>(
                                  {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255}));
    EXPECT_EQ(level(t, 1), (std::vector<unsigned char>{0, 0, 0, 255}));
    t.removeTexture();
    t.reloadTexture();
    EXPECT_EQ(level(t, 1), (std::vector<unsigned char>{0, 0, 0, 255}));

    const unsigned int name = t.glName;
    t.deleteTexture();
    EXPECT_FALSE(glIsTexture(name));
}
