#pragma once
#include <string>
#include <vector>

#include "game/MtRng.h"
#include "render/Camera.h"
#include "render/Vector3.h"

class FontObj;
class Light;
class Material;
class Menu;
class MenuTileSlot;
class Model;
class Renderer;
class Sprite;
class Tile;

// The one object through which the game reaches the screen: window state,
// the scene camera, loaded materials, models and sprites, the scene light,
// the frustum and the renderer that does the drawing.
class RenderEngine {
public:
    Camera camera{nullptr};
    FontObj* font = nullptr;
    float frustum[6][4] = {};
    Renderer* renderer = nullptr;         // owned
    Material* highlightMaterial = nullptr;
    Material* hoverHighlightMaterial = nullptr;
    Material* tileMaterial = nullptr;
    float highlightColor[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    bool fullscreen = false;
    bool maximized = false;
    Material* lastMaterial = nullptr;
    Light* sceneLight = nullptr;          // owned
    Light* secondLight = nullptr;         // owned
    std::vector<Material*> materials;     // owned
    Menu* menu = nullptr;
    MtRng<Mt32Traits> rng;
    int culledCount = 0;
    int prevWindowWidth = 800;
    int prevWindowHeight = 600;
    int restoreX = 0;
    int restoreY = 0;
    std::vector<Sprite*> rewardSprites;   // owned
    std::vector<Model*> models;           // owned: the model cache
    int screenBPP = 32;
    int screenHeight = 0;
    int screenWidth = 0;
    std::vector<Tile*> pickHits;
    std::vector<Sprite*> sprites;         // owned
    std::vector<Tile*> boardTiles;        // not owned
    MenuTileSlot* holdingSlots[3] = {nullptr, nullptr, nullptr};
    Material* stampMaterial = nullptr;
    int captionHeight = 0;
    int windowHeight = 600;
    int windowWidth = 800;
    int windowX = 0;
    int windowY = 0;
    int mouseX = 0;                       // pointer position read each frame
    int mouseY = 0;
    bool mouseInWindow = false;
    bool firstFrameLogged = false;        // "First frame drawn" is written once

    // The real renderer: an OpenGL one (nothing is opened before init()).
    RenderEngine();
    // Any renderer, owned from here on; the do-nothing base class serves the
    // tests that need no window.
    explicit RenderEngine(Renderer* renderer);
    RenderEngine(const RenderEngine&) = delete;
    RenderEngine& operator=(const RenderEngine&) = delete;
    ~RenderEngine();

    bool init();
    void renderScene();
    void resizeWindow(int width, int height);
    void toggleFullscreen(bool on);
    void updateWindowPos();
    void initialWindowSettings();
    // Maximises the window and takes the one resize that follows, if any.
    void maximizeWindow();
    Model* loadModel(const std::string& path);
    void clean_up();
    void seedRand();

    // Scene, culling and picking (RenderEngineScene.cpp).
    bool BoxInFrustum(Vector3* corners, Vector3& offset);
    bool isBoundingSphereInFrustum(float x, float y, float z, float radius);
    bool collision(Vector3 from, Vector3 to);
    int segmentPlaneIntersect(Vector3 p0, Vector3 p1, Vector3 planePoint, Vector3 normal, Vector3* out);
    void updateLights();
    void updateView(Camera* cam);
    Tile* Selection(int x, int y);

    int getwindowWidth() const { return windowWidth; }
    int getwindowHeight() const { return windowHeight; }
    void setwindowWidth(int w) { windowWidth = w; }
    void setwindowHeight(int h) { windowHeight = h; }
    int getPrevwindowWidth() const { return prevWindowWidth; }
    int getPrevwindowHeight() const { return prevWindowHeight; }
    void setPrevwindowWidth(int w) { prevWindowWidth = w; }
    void setPrevwindowHeight(int h) { prevWindowHeight = h; }
    int getScreenBPP() const { return screenBPP; }
    void setScreenBPP(int bpp) { screenBPP = bpp; }
};
