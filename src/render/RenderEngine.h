#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/MtRng.h"
#include "base/PointerView.h"
#include "audio/MovieScreen.h"  // the intro movie plays on the render engine
#include "render/Camera.h"
#include "render/PictureDecoder.h"
#include "base/Vector3.h"
#include "render/WindowPlatform.h"

class FontObj;
class Light;
class Material;
class Menu;
class MenuItem;
class MenuLabel;
class MenuTextbox;
class MenuTileSlot;
class Model;
class Renderer;
class Sprite;
class Texture;
class Tile;

// The one object through which the game reaches the screen: window state,
// the scene camera, loaded materials, models and sprites, the scene light,
// the frustum and the renderer that does the drawing. What it owns is freed
// in the order clean_up() gives, the renderer last.
class RenderEngine : public MovieScreen {
public:
    // The menu's font is freed where its type is known (RenderEngineMenu.cpp),
    // so that no other file here includes the menu's header for it.
    struct FontDeleter {
        FontDeleter() = default;
        FontDeleter(std::default_delete<FontObj>) {}  // from std::make_unique
        void operator()(FontObj* font) const;
    };
    Camera camera{nullptr};
    std::unique_ptr<FontObj, FontDeleter> font;
    float frustum[6][4] = {};
    std::unique_ptr<Renderer> renderer;
    Material* highlightMaterial = nullptr;
    Material* hoverHighlightMaterial = nullptr;
    Material* tileMaterial = nullptr;
    float highlightColor[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    bool fullscreen = false;
    bool maximized = false;
    // Smooth edges (4x multisampling): the player's choice when made, else
    // on with a graphics card and off on a software renderer, which the
    // renderer tells once its window is open. Read when the window is first
    // made: a new choice shows from the next start.
    std::optional<bool> smoothEdgesChoice;
    bool smoothEdgesDefault = true;
    bool smoothEdges() const { return smoothEdgesChoice.value_or(smoothEdgesDefault); }
    Material* lastMaterial = nullptr;
    std::unique_ptr<Light> sceneLight;
    std::unique_ptr<Light> secondLight;
    std::vector<std::unique_ptr<Material>> materials;
    Menu* menu = nullptr;
    MtRng<Mt32Traits> rng;
    int culledCount = 0;
    int prevWindowWidth = 800;
    int prevWindowHeight = 600;
    int restoreX = 0;
    int restoreY = 0;
    std::vector<std::unique_ptr<Sprite>> rewardSprites;
    std::vector<std::unique_ptr<Model>> models;  // the model cache
    int screenBPP = 32;
    int screenHeight = 0;
    int screenWidth = 0;
    std::vector<Tile*> pickHits;
    std::vector<std::unique_ptr<Sprite>> sprites;
    // The textures no other object owns: pictures looked up by file name
    // (previews, splash pictures, menu looks) and those the materials share.
    std::vector<std::unique_ptr<Texture>> sharedTextures;
    PictureDecoder pictures;              // pictures decoded ahead at start-up
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
    // Where the window's place is read from; tests put their own here.
    bool (*placementSource)(WindowPlacement&) = &WindowPlatform::readPlacement;
    // SDL ticks when the window's place was last read while drawing.
    unsigned int lastPlacementTicks = 0;
    bool firstFrameLogged = false;        // "First frame drawn" is written once
    // The window's picture was lost or overwritten (exposed, resized, a
    // splash picture or the movie shown): the next frame is drawn whole.
    bool redrawAll = true;

    // The real renderer: an OpenGL one (nothing is opened before init()).
    RenderEngine();
    // Any renderer; the do-nothing base class serves the tests that need no
    // window.
    explicit RenderEngine(std::unique_ptr<Renderer> renderer);
    RenderEngine(const RenderEngine&) = delete;
    RenderEngine& operator=(const RenderEngine&) = delete;
    ~RenderEngine() override;

    bool init();
    void renderScene();
    void resizeWindow(int width, int height) override;
    // The movie's screen: each passes on to the renderer of the same name.
    bool openAVI(Movie* movie) override;
    bool playMovie(Movie* movie) override;
    bool grabAVIFrame(Movie* movie) override;
    void drawMovie(Movie* movie) override;
    void removeTexture(unsigned int* texture) override;
    void toggleFullscreen(bool on);
    void updateWindowPos();
    void initialWindowSettings();
    // Maximises the window and takes the resize that answers it, if any.
    void maximizeWindow();
    // Reads the window's place now and then while it is shown, so that the
    // restored place is known when the window gets maximised (moving a
    // window raises no event).
    void trackPlacement(unsigned int nowTicks);
    Model* loadModel(const std::string& path);
    // Frees everything loaded (not the renderer), in the order written there.
    void clean_up();
    // Keeps a texture among the shared ones, and returns it.
    Texture* shareTexture(std::unique_ptr<Texture> texture);
    // Frees a shared texture; one owned elsewhere is left alone.
    void releaseSharedTexture(Texture* texture);
    void seedRand();

    // Scene, culling and picking (RenderEngineScene.cpp).
    bool BoxInFrustum(Vector3* corners, Vector3& offset);
    bool isBoundingSphereInFrustum(float x, float y, float z, float radius);
    bool collision(Vector3 from, Vector3 to);
    int segmentPlaneIntersect(Vector3 p0, Vector3 p1, Vector3 planePoint, Vector3 normal, Vector3* out);
    void updateLights();
    void updateView(Camera* cam);
    Tile* Selection(int x, int y);

    // The menu's font and drawing (RenderEngineMenu.cpp). Without a font
    // every text measures 0.
    float getTextHeight() const;
    float getTextWidth(const std::string* text, std::vector<float>* widths,
                       std::vector<float>* advances) const;
    float getTextWidth(const std::vector<float>* widths, const std::vector<float>* advances,
                       const std::string* text, int start, int count) const;
    void loadFontTextures(FontObj* f);
    void drawText(FontObj* f, Vector3 position, float scaleX, float scaleY,
                  std::vector<float>* layout, const char* text);
    void drawMenuItem(MenuItem* item);
    void drawMenuLabel(MenuLabel* label);
    void drawMenuTextbox(MenuTextbox* box);
    void setProjectionPosition(MenuTileSlot* slot);
    // Creates the font from its file (replacing any earlier one).
    void loadFont(const std::string& file);
    // Deletes the font with its glyph display lists.
    void releaseFont();

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

    // The board's tiles are read where they live, in the level that owns
    // them: drawing, picking and the frame signature can never see a list
    // that was replaced. Empty while no board is shown.
    PointerView<Tile> boardTiles() const { return board ? PointerView<Tile>(*board) : PointerView<Tile>(); }
    void showBoard(const PointerView<Tile>::Owned* tiles) { board = tiles; }
    bool showsBoard(const PointerView<Tile>::Owned* tiles) const { return board == tiles; }

private:
    const PointerView<Tile>::Owned* board = nullptr;
};
