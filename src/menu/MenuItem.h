#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "render/Sprite.h"

class Input;
class MenuButton;
class MenuCheckbox;
class MenuLabel;
class MenuRect;
class MenuTextbox;
class MenuTileSlot;
class RenderEngine;
class Texture;

// One node of the menu tree: a rectangle on screen drawn with objects of the
// menu model, shown or hidden, reacting to the pointer, carrying an action
// and owning its children. The pixel size is the model's width and height.
//
// Objects in the list belong to the menu model: an item only borrows them.
class MenuItem : public Sprite {
public:
    std::string id;
    std::string action;
    MenuItem* parent = nullptr;
    std::vector<std::unique_ptr<MenuItem>> children;  // in file order
    // visible (the item's own visibility) is the model's flag.
    bool parentVisible = true;        // whether the ancestors let it show
    bool active = true;               // reacts to the pointer
    bool inside = false;              // the pointer is over the item
    bool clicked = false;
    bool toggled = false;             // shows its "on" look
    // Lies over the board's layer with its children (the doors, the panels):
    // the tiles parked in the holding slots are hidden where it is drawn.
    bool coversBoard = false;
    Input* input = nullptr;
    RenderEngine* renderEngine = nullptr;
    float x = 0.0f;                   // top-left corner in pixels, y downwards
    float y = 0.0f;
    // Translation of the bound model object (fractions of the window, depth);
    // null while the item is bound to nothing.
    float* position = nullptr;
    float textureOffset[2] = {0.0f, 0.0f};
    float hoverOffset[2] = {0.0f, 0.0f};
    float clickOffset[2] = {0.0f, 0.0f};
    Texture* overrideTexture = nullptr;

    MenuItem(const std::string& id, RenderEngine* re, Input* input, MenuItem* parent);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    void draw() override;
    void setVisibility(bool visible) override;
    virtual std::string getAction();
    virtual void resize(Model* menuModel);
    virtual void update();

    MenuButton* addButton(const std::string& childId);
    MenuCheckbox* addCheckBox(const std::string& childId);
    MenuRect* addRect(const std::string& childId);
    MenuTileSlot* addTileSlot(const std::string& childId);
    MenuTextbox* addTextBox(const std::string& childId);
    MenuLabel* addLabel(const std::string& childId, const std::string& text);

    // Binds the item to the menu model's objects named like it (or, failing
    // that, to its parent's first object) and computes its rectangle.
    void constructMenuItem(Model* menuModel);

    void checkMouseInside(int mx, int my);
    void setInside(bool on);
    void setClick(bool on);
    void setChildVisibility(bool on);
    // Depth first, the item before its children; null when nothing matches.
    MenuItem* getItemByID(const std::string& wanted);

    void onMouseOver() {}
    void onMouseOut() {}

protected:
    int windowWidth() const;
    int windowHeight() const;

private:
    template <class T>
    T* adopt(std::unique_ptr<T> child)
    {
        T* added = child.get();
        children.push_back(std::move(child));
        return added;
    }
};
