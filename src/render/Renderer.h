#pragma once
#include <string>
#include <vector>

#include "render/LightType.h"
#include "base/Vector3.h"

class Camera;
class FontObj;
class Light;
class Material;
class MenuItem;
class MenuLabel;
class MenuTextbox;
class MenuTileSlot;
class Model;
class Movie;
class RenderEngine;
class Texture;
class Tile;

// Everything the game draws, every texture, light and movie operation goes
// through this interface. The base class does nothing and answers false, zero
// or null, so the rules layer and its tests run without a window or an OpenGL
// context; GLRender is the real implementation. The order of the operations
// is fixed.
class Renderer {
public:
    std::vector<int> freeLightNumbers;  // OpenGL light enumerants not yet taken
    RenderEngine* engine = nullptr;
    std::vector<Light*> lights;         // every live light

    Renderer() = default;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    virtual void calculateFrustumPlanes() {}                                         // 0
    virtual bool checkError() { return false; }                                     // 1
    virtual void cleanupTexture(Texture*) {}                                         // 2
    virtual void clearBuffer() {}                                                    // 3
    virtual void createCursors() {}                                                  // 4
    virtual void createHighlightMaterial() {}                                        // 5
    virtual void createLight(int&) {}                                                // 6
    virtual void createTexture(Texture*, unsigned char*, int, int, int) {}           // 7
    virtual void deleteLight(int) {}                                                 // 8
    virtual void deleteTexture(Texture*) {}                                          // 9
    virtual void drawFace(Tile*) {}                                                  // 10
    virtual void drawMenuItem(MenuItem*) {}                                          // 11
    virtual void drawMenuLabel(MenuLabel*) {}                                        // 12
    virtual void drawMenuTextbox(MenuTextbox*) {}                                    // 13
    virtual void drawMovie(Movie*) {}                                                // 14
    virtual void drawText(FontObj*, Vector3, float, float, std::vector<float>*, const char*) {} // 15
    virtual void drawTile(Tile*) {}                                                  // 16
    virtual void establishProjectionMatrix(int, int, float) {}                       // 17
    virtual bool getImageData(Texture*, std::string, unsigned char*, unsigned int) { return false; } // 18
    virtual bool grabAVIFrame(Movie*) { return false; }                              // 19
    virtual bool init(int, int, int) { return false; }                               // 20
    virtual void loadFontTextures(FontObj*) {}                                       // 21
    virtual bool loadImage(Texture*, std::string, unsigned int) { return false; }    // 22
    virtual Material* loadMaterials(std::string) { return nullptr; }                 // 23
    virtual bool loadTGA(Texture*, std::string) { return false; }                    // 24
    virtual Texture* loadTexture(std::string) { return nullptr; }                    // 25
    virtual bool openAVI(Movie*) { return false; }                                   // 26
    virtual bool playMovie(Movie*) { return false; }                                 // 27
    virtual void reloadTexture(Texture*) {}                                          // 28
    virtual void removeTexture(unsigned int*) {}                                     // 29
    virtual void renderMenu() {}                                                     // 30
    virtual void renderModel(Model*) {}                                              // 31
    virtual void renderRewards() {}                                                  // 32
    virtual void renderScene() {}                                                    // 33
    virtual void renderSplashScreen(std::string) {}                                  // 34
    virtual void renderSprites() {}                                                  // 35
    virtual void renderTiles() {}                                                    // 36
    virtual void renderTileParts() {}                                                // 37
    virtual void renderTileSlots() {}                                                // 38
    virtual void resizeWindow(int, int) {}                                           // 39
    virtual Tile* Selection(int, int) { return nullptr; }                            // 40
    virtual void setCursor(int) {}                                                   // 41
    virtual void setOrtho(int, int) {}                                               // 42
    virtual void setAmbient(Light*, float, float, float, float) {}                   // 43
    virtual void setAttenuation(Light*, float, float, float) {}                      // 44
    virtual void setCutoff(Light*, float) {}                                         // 45
    virtual void setDiffuse(Light*, float, float, float, float) {}                   // 46
    virtual void setExponent(Light*, float) {}                                       // 47
    virtual void setHighlightColor() {}                                              // 48
    virtual void setLightType(Light*, LIGHT_TYPE) {}                                 // 49
    virtual void setPosition(Light*, float, float, float) {}                         // 50
    virtual void setProjectionPosition(MenuTileSlot*) {}                             // 51
    virtual void setSceneLights() {}                                                 // 52
    virtual void setSpecular(Light*, float, float, float, float) {}                  // 53
    virtual void setSpotDirection(Light*, float, float, float) {}                    // 54
    virtual bool swapImage(Texture*, std::string, unsigned int) { return false; }    // 55
    virtual void toggleFullscreen(bool) {}                                           // 56
    virtual void updateLight(Light*) {}                                              // 57
    virtual void updateView(Camera*) {}                                              // 58
    virtual void Visible(Light*, bool) {}                                            // 59

    // Declared after the operations so that they keep their slots; virtual
    // so that the owner may delete any renderer through this interface.
    virtual ~Renderer() = default;
};
