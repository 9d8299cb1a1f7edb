#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <cstdlib>

#include <set>

#include "render/GLRender.h"
#include "render/Light.h"
#include "render/RenderEngine.h"

namespace {
// The real scene light set-up and resize, with the light switches counted
// instead of sent (there is no context: the remaining OpenGL calls go
// nowhere).
class CountingRenderer : public GLRender {
public:
    std::set<int> enabled;
    void Visible(Light* light, bool on) override
    {
        light->visible = on;
        if (!light->lightNum)
            return;
        if (on)
            enabled.insert(light->lightNum);
        else
            enabled.erase(light->lightNum);
    }
    void deleteLight(int light) override { enabled.erase(light); }
};
}

TEST(SceneLightTest, ResizesKeepExactlyOneSceneLightOn)
{
    // SDL's video side must be up for the resize's attribute calls; the
    // dummy driver opens no window.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(0, SDL_InitSubSystem(SDL_INIT_VIDEO));
    CountingRenderer* r = new CountingRenderer;
    RenderEngine re(r);
    for (int i = 0; i < 8; ++i)
        r->freeLightNumbers.push_back(GL_LIGHT0 + i);

    r->setSceneLights();
    ASSERT_NE(nullptr, re.sceneLight);
    EXPECT_EQ(std::set<int>{GL_LIGHT0}, r->enabled);
    for (int i = 0; i < 25; ++i) {
        r->resizeWindow(640 + i, 480 + i);
        ASSERT_EQ(1u, r->enabled.size()) << "after resize " << i;
        EXPECT_EQ(re.sceneLight->getLightNum(), *r->enabled.begin());
        EXPECT_EQ(1u, r->lights.size());
        EXPECT_EQ(7u, r->freeLightNumbers.size());
    }
    // A highlighted tile switches it off and on again around its drawing.
    re.sceneLight->Visible(false);
    EXPECT_TRUE(r->enabled.empty());
    re.sceneLight->Visible(true);
    EXPECT_EQ(1u, r->enabled.size());
    re.clean_up();
    EXPECT_TRUE(r->enabled.empty());
    EXPECT_EQ(8u, r->freeLightNumbers.size());
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    unsetenv("SDL_VIDEODRIVER");
}
