// Textures with a real OpenGL window: they survive what keeps the context
// and are re-created from their pictures when the context was lost.
// Skipped where there is no display.
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
class GLRenderTest : public ::testing::Test {
protected:
    std::unique_ptr<RenderEngine> engine;
    GLRender* gl = nullptr;

    void SetUp() override
    {
#ifdef __SANITIZE_ADDRESS__
        GTEST_SKIP() << "the X and GL driver libraries keep allocations LeakSanitizer reports";
#endif
        if (!std::getenv("DISPLAY"))
            GTEST_SKIP() << "no display";
        setenv("SDL_VIDEODRIVER", "x11", 0);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            GTEST_SKIP() << "no video: " << SDL_GetError();
        engine = std::make_unique<RenderEngine>(std::make_unique<GLRender>());
        gl = static_cast<GLRender*>(engine->renderer.get());
        if (!gl->init(96, 64, 32))
            GTEST_SKIP() << "no OpenGL window: " << SDL_GetError();
    }
    void TearDown() override
    {
        if (engine)
            engine->clean_up();
        engine.reset();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
};

// The texture as red, green, blue, alpha bytes.
std::vector<unsigned char> picture(const Texture& t, int level = 0)
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

TEST_F(GLRenderTest, UploadsBottomRowFirstAndDraggingAWindowEdgeUploadsNothingAgain)
{
    Texture a(engine.get(), WorkDir::dataDir() + "quad_rgba.png", 0, "");
    Texture b(engine.get(), WorkDir::dataDir() + "rgb24.bmp", 0, "");
    // Bottom row first: blue, half-transparent white, then red, green.
    EXPECT_EQ(picture(a), (std::vector<unsigned char>{0, 0, 255, 255, 255, 255, 255, 128,
                                                        255, 0, 0, 255, 0, 255, 0, 255}));
    // OpenGL holds the pictures: no decoded copy is kept beside them.
    EXPECT_EQ(a.surface, nullptr);
    const GLuint nameA = a.glName;
    const auto pictureB = picture(b);
    const int uploads = gl->textureUploads;
    ASSERT_GT(uploads, 0);

    for (int i = 0; i < 20; ++i)
        gl->resizeWindow(96 + 7 * i, 64 + 5 * i);

    EXPECT_EQ(gl->textureUploads, uploads);
    EXPECT_EQ(engine->windowWidth, 96 + 7 * 19);
    EXPECT_EQ(a.glName, nameA);
    EXPECT_EQ(picture(b), pictureB);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GLRenderTest, ALostContextGetsEveryTextureBackAndAKeptOneNone)
{
    Texture a(engine.get(), WorkDir::dataDir() + "quad_rgba.png", 0, "");
    const auto before = picture(a);
    int uploads = gl->textureUploads;

    // The context survives: nothing is uploaded again.
    gl->recreateTexturesIfLost(GLRender::liveTextureName());
    EXPECT_EQ(gl->textureUploads, uploads);

    // A window made anew (another frame style) comes with a new context, in
    // which the old names mean nothing: each texture is uploaded once more.
    const GLuint probe = GLRender::liveTextureName();
    ASSERT_NE(SDL_SetVideoMode(80, 60, 32, SDL_OPENGL | SDL_NOFRAME), nullptr);
    if (glIsTexture(probe))
        GTEST_SKIP() << "this display kept the context";
    WorkDir log;
    gl->recreateTexturesIfLost(probe);
    EXPECT_EQ(log.count("OpenGL context lost"), 1);
    EXPECT_GT(gl->textureUploads, uploads);  // every registered texture, ours among them
    ASSERT_NE(a.glName, 0u);
    EXPECT_TRUE(glIsTexture(a.glName));
    EXPECT_EQ(picture(a), before);
}

TEST_F(GLRenderTest, AFrameEqualToTheOneShownIsNotDrawnAgain)
{
    gl->paceFrames = false;
    engine->renderScene();
    const int skipped = gl->framesSkipped;
    engine->renderScene();
    EXPECT_EQ(gl->framesSkipped, skipped + 1);
    engine->camera.eye.x += 1.0f;  // the view moved
    engine->renderScene();
    engine->redrawAll = true;      // the window was uncovered
    engine->renderScene();
    EXPECT_EQ(gl->framesSkipped, skipped + 1);
    engine->renderScene();
    EXPECT_EQ(gl->framesSkipped, skipped + 2);
}
