#include <gtest/gtest.h>

#include <GL/gl.h>
#include <SDL/SDL.h>
#include <cstdlib>

#include <set>
#include <vector>

#include "game/Tile.h"
#include "render/Material.h"
#include "render/Object.h"

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
    std::vector<bool> switches;  // every Visible call, in order
    void Visible(Light* light, bool on) override
    {
        switches.push_back(on);
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
    }
    re.clean_up();
    EXPECT_TRUE(r->enabled.empty());
    EXPECT_EQ(8u, r->freeLightNumbers.size());
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    unsetenv("SDL_VIDEODRIVER");
}

namespace {
// A tile with a one-triangle "Tile" body and "Face", each with its own
// material, at x.
Tile* meshTile(RenderEngine* re, Material* body, Material* face, float x)
{
    Tile* t = new Tile(re, nullptr, nullptr, 0, 0, 0, 0, 0, 0, 0);
    for (const char* name : {"Tile", "Face"}) {
        Object* o = new Object;
        o->name = name;
        o->vertexCount = o->indexCount = 3;
        o->indices = new int[3]{0, 1, 2};
        o->vertices = new float[9]{0, 0, 0, 1, 0, 0, 0, 0, 1};
        o->normals = new float[9]{0, 1, 0, 0, 1, 0, 0, 1, 0};
        o->texCoords = new float[6]{0, 0, 1, 0, 0, 1};
        o->material = std::string(name) == "Tile" ? body : face;
        t->objects.push_back(o);
    }
    t->worldPosition = Vector3(x, 0, 0);
    return t;
}
}

TEST(SceneLightTest, HighlightedTileIsDrawnUnlitWithItsOverlay)
{
    CountingRenderer* r = new CountingRenderer;
    RenderEngine re(r);
    r->freeLightNumbers.push_back(GL_LIGHT0);
    r->setSceneLights();
    Material body, face, highlight;
    re.highlightMaterial = &highlight;
    Tile* selected = meshTile(&re, &body, &face, 0.0f);
    Tile* plain = meshTile(&re, &body, &face, 3.0f);
    selected->highlightTile(true);
    re.boardTiles = {selected, plain};

    // The whole board pass: off and on around the selected tile's body and
    // face only; the light ends on.
    r->switches.clear();
    r->renderTileParts();
    EXPECT_EQ((std::vector<bool>{false, true, false, true}), r->switches);
    EXPECT_EQ(1u, r->enabled.size());
    EXPECT_EQ(&face, re.lastMaterial);

    // A hidden tile is not drawn at all.
    selected->visible = false;
    r->switches.clear();
    r->renderTileParts();
    EXPECT_TRUE(r->switches.empty());

    re.boardTiles.clear();
    delete selected;
    delete plain;
    re.clean_up();
}
