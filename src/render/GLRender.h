#pragma once
#include <GL/gl.h>
#include <SDL/SDL.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "render/FrameSignature.h"
#include "render/Renderer.h"
#include "render/SubBufferCopy.h"

// The OpenGL 1.3 renderer (fixed function, client-side arrays) in a window
// made through SDL 1.2. Its operations are implemented in several source
// files by area: window and projection here in GLRender.cpp, textures and
// materials in GLRenderTextures.cpp, the scene in GLRenderScene.cpp.
class GLRender : public Renderer {
public:
    int maxLights = 0;
    SDL_Cursor* openHandCursor = nullptr;
    SDL_Cursor* closedHandCursor = nullptr;
    SDL_Cursor* textCursor = nullptr;
    SDL_Surface* screen = nullptr;
    // Pictures uploaded with their mipmaps so far (a measure of texture work).
    int textureUploads = 0;
    // The degree of anisotropic filtering on a software renderer (by the
    // name in GL_RENDERER), where the largest one costs too much.
    static constexpr float softwareAnisotropy = 1.0f;
    static bool isSoftwareRenderer(const char* glRenderer);
    // The minification filter of mip-mapped textures: trilinear, or on a
    // software renderer the nearest mipmap level filtered bilinearly (half
    // the texture reads; the levels differ too little to show).
    int minFilter();
    // Frames are held to the display's refresh rate (60 a second when it is
    // unknown) where the swap does not wait for it; off only for measuring.
    bool paceFrames = true;
    int refreshRate = 60;
    // A frame equal to the one on screen is not drawn again (the loop only
    // waits out the refresh period), and a scene that stayed unchanged for
    // two frames is kept in a texture so that a change of the menus alone
    // draws only the menus over it. Off only for measuring the full frame.
    bool keepFrames = true;
    int framesSkipped = 0;   // frames not drawn, equal to the one shown
    int framesFromCopy = 0;  // frames drawn over the kept scene
    int framesInRegion = 0;  // frames drawn and shown only where they changed

    GLRender() = default;
    ~GLRender() override;

    // --- window, context and projection (GLRender.cpp) ---
    bool checkError() override;
    void clearBuffer() override;
    void createLight(int& count) override;
    void establishProjectionMatrix(int width, int height, float fov) override;
    bool init(int width, int height, int bpp) override;
    void resizeWindow(int width, int height) override;
    void setOrtho(int width, int height) override;
    void toggleFullscreen(bool on) override;
    void renderSplashScreen(std::string image) override;

    // --- pointers (GLRenderCursors.cpp) ---
    static constexpr int CURSOR_OPEN_HAND = 10000;
    static constexpr int CURSOR_CLOSED_HAND = 10001;
    static constexpr int CURSOR_TEXT = 10002;
    void createCursors() override;
    void setCursor(int type) override;
    // Frees the three pointers; must run while SDL's video side is up.
    void freeCursors();

    // --- textures and materials (GLRenderTextures.cpp) ---
    void cleanupTexture(Texture* t) override;
    void createHighlightMaterial() override;
    void createTexture(Texture* t, unsigned char* pixels, int width, int height, int format) override;
    void deleteTexture(Texture* t) override;
    bool getImageData(Texture* t, std::string file, unsigned char* buffer, unsigned int format) override;
    bool loadImage(Texture* t, std::string file, unsigned int format) override;
    Material* loadMaterials(std::string file) override;
    bool loadTGA(Texture* t, std::string file) override;
    Texture* loadTexture(std::string file) override;
    void reloadTexture(Texture* t) override;
    void removeTexture(unsigned int* name) override;
    bool swapImage(Texture* t, std::string file, unsigned int format) override;

    // --- intro movie (GLRenderMovie.cpp) ---
    bool openAVI(Movie* movie) override;
    bool playMovie(Movie* movie) override;
    bool grabAVIFrame(Movie* movie) override;
    void drawMovie(Movie* movie) override;

    // --- lights (GLRenderLights.cpp) ---
    void deleteLight(int light) override;
    void setAmbient(Light* light, float r, float g, float b, float a) override;
    void setAttenuation(Light* light, float constant, float linear, float quadratic) override;
    void setCutoff(Light* light, float degrees) override;
    void setDiffuse(Light* light, float r, float g, float b, float a) override;
    void setExponent(Light* light, float value) override;
    void setLightType(Light* light, LIGHT_TYPE type) override;
    void setPosition(Light* light, float x, float y, float z) override;
    void setSceneLights() override;
    void setSpecular(Light* light, float r, float g, float b, float a) override;
    void setSpotDirection(Light* light, float x, float y, float z) override;
    void updateLight(Light* light) override;
    void Visible(Light* light, bool on) override;

    // --- scene, culling and picking (GLRenderScene.cpp, GLRenderTiles.cpp) ---
    void calculateFrustumPlanes() override;
    void drawFace(Tile* tile) override;
    void drawTile(Tile* tile) override;
    void renderModel(Model* model) override;
    void renderRewards() override;
    void renderScene() override;
    void renderSprites() override;
    void renderTileParts() override;
    void renderTileSlots() override;
    void renderTiles() override;
    Tile* Selection(int x, int y) override;
    void updateView(Camera* camera) override;
    // A parked tile drawn over everything at a holding slot's projected
    // position (x, z), as renderTileSlots draws each occupied slot.
    void drawSlotTile(Tile* tile, double x, double z);

    // --- menus and text (GLRenderMenu.cpp) ---
    void renderMenu() override;
    void drawMenuItem(MenuItem* item) override;
    void drawMenuLabel(MenuLabel* label) override;
    void drawMenuTextbox(MenuTextbox* box) override;
    void drawText(FontObj* font, Vector3 position, float scaleX, float scaleY,
                  std::vector<float>* layout, const char* text) override;
    void loadFontTextures(FontObj* font) override;
    void setProjectionPosition(MenuTileSlot* slot) override;
    // Deletes the font's glyph display lists (when a context holds them).
    void deleteFontLists(FontObj* font);
    // A texture name of the current context (0 when there is none), taken
    // before a change of video mode to tell afterwards whether the context
    // survived it; when it did not, every texture is uploaded again.
    static GLuint liveTextureName();
    void recreateTexturesIfLost(GLuint probe);

private:
    // Sleeps out what is left of the frame's share of a refresh period
    // since the last swap (nothing when vertical sync already waited).
    void holdToRefreshRate();
    void returnMemoryWhenSettled();
    std::chrono::steady_clock::time_point lastSwap;
    // When a frame last showed a reward's turn. The turn follows the clock,
    // so showing it at most rewardFrameRate times a second samples the same
    // motion more coarsely, never slows it.
    std::chrono::steady_clock::time_point lastRewardFrame;
    static constexpr int rewardFrameRate = 30;
    // Whether the latest frame differed from the one shown only by a turn.
    bool onlyRewardTurns = false;
    int skippedInARow = 0;  // frames not drawn since the last one drawn
    // When the scene (the rewards' turning aside) or the menus (their
    // labels' texts aside) last changed, and whether freed memory was handed
    // back since.
    std::chrono::steady_clock::time_point sceneChanged;
    bool memoryReturned = false;
    bool swapWaitsChecked = false;
    // The anisotropy given to textures: the driver's largest, capped on a
    // software renderer; 0 without the extension. Found at the first upload.
    float anisotropyDegree();
    float anisotropy = -1.0f;
    int minification = 0;
    // The board's visible tiles, nearest the eye first (kept between frames
    // so that no frame allocates).
    std::vector<const Tile*> tileOrder;
    // A model's parts in drawing order: (sort key, index).
    std::vector<std::pair<float, size_t>> drawOrder;
    // The kept scene: a texture of (at least) the window's size.
    GLuint sceneCopy = 0;
    int copyWidth = 0, copyHeight = 0;
    bool copyValid = false;
    std::uint64_t copyKey = 0;
    bool copyHasReward = false;
    int copyRewardBox[4] = {0, 0, 0, 0};
    bool haveShown = false;
    std::uint64_t shownScene = 0, shownOverlay = 0, shownStill = 0;
    // The labels' texts of this frame and of the one on screen, and where
    // a reward showed on screen.
    std::vector<FrameSignature::LabelText> labelTexts, shownLabelTexts;
    // Where each shown label's text lay when it was drawn (a text may
    // reach past the label's rectangle, and a new one cover less).
    std::vector<std::array<int, 4>> shownLabelBoxes;
    void showLabelTexts();
    bool shownHasReward = false;
    int shownRewardBox[4] = {0, 0, 0, 0};
    SubBufferCopy subBuffer;
    bool partialChecked = false;
    // Where a shown label draws its text (window pixels, y upwards).
    bool labelBox(const MenuLabel* label, int box[4]) const;
    // The region of the labels whose texts changed since the frame shown,
    // with rewardRegion if given; false when the menus' labels differ.
    bool changedRegion(const int* rewardRegion, int region[4]) const;
    // Draws the frame inside region only, over the kept scene, and shows it.
    void drawRegion(const int region[4], const int* rewardRegion);
    // The window pixels (x, y, width, height, y upwards) where a reward may
    // be drawn; false when no visible reward reaches into the window.
    bool rewardBox(int box[4]);
    // box (window pixels, y upwards) narrows culling to what shows in it:
    // only the parts of the scene it can reach are sent to be drawn.
    void drawScene(const int* box = nullptr);
    // Narrows the culling planes to box, in window pixels.
    void narrowFrustum(const int box[4]);
    void keepScene();
    void drawKeptScene();
    void forgetKeptScene();
    void setVideoAttributes(bool multisample);
    bool setVideoMode(int width, int height, Uint32 flags);
    void restoreStates();

    bool multisampleAvailable = true;
    // Whether this run's windows are made with 4x multisampling.
    bool multisampleWanted = true;
};
