#include "menu/MenuItem.h"

#include <algorithm>

#include "menu/MenuButton.h"
#include "menu/MenuCheckbox.h"
#include "menu/MenuLabel.h"
#include "menu/MenuRect.h"
#include "menu/MenuTextbox.h"
#include "menu/MenuTileSlot.h"
#include "render/Object.h"
#include "render/RenderEngine.h"

MenuItem::MenuItem(const std::string& itemId, RenderEngine* re, Input* in, MenuItem* parentItem)
    : Sprite(re, 0.0f, 0.0f, 0.0f),
      id(itemId),
      parent(parentItem),
      parentVisible(parentItem ? parentItem->visible : true),
      input(in),
      renderEngine(re)
{
    width = 0.0f;
    height = 0.0f;
}

int MenuItem::windowWidth() const
{
    return renderEngine ? renderEngine->windowWidth : 0;
}

int MenuItem::windowHeight() const
{
    return renderEngine ? renderEngine->windowHeight : 0;
}

void MenuItem::draw()
{
    if (!visible || !parentVisible)
        return;
    if (renderEngine)
        renderEngine->drawMenuItem(this);
    for (const auto& child : children)
        child->draw();
}

void MenuItem::setVisibility(bool on)
{
    visible = on;
    for (const auto& child : children)
        child->setChildVisibility(on);
}

void MenuItem::setChildVisibility(bool on)
{
    parentVisible = on;
    for (const auto& child : children)
        child->setChildVisibility(on);
}

std::string MenuItem::getAction()
{
    if (!inside)
        return std::string();
    if (!action.empty())
        return action;
    for (const auto& child : children) {
        std::string a = child->getAction();
        if (!a.empty())
            return a;
    }
    return std::string();
}

void MenuItem::resize(Model* menuModel)
{
    constructMenuItem(menuModel);
    for (const auto& child : children)
        child->resize(menuModel);
}

void MenuItem::update()
{
    for (const auto& child : children)
        child->update();
}

MenuButton* MenuItem::addButton(const std::string& childId)
{
    return adopt(std::make_unique<MenuButton>(childId, renderEngine, input, this));
}

MenuCheckbox* MenuItem::addCheckBox(const std::string& childId)
{
    return adopt(std::make_unique<MenuCheckbox>(childId, renderEngine, input, this));
}

MenuRect* MenuItem::addRect(const std::string& childId)
{
    return adopt(std::make_unique<MenuRect>(childId, renderEngine, input, this));
}

MenuTileSlot* MenuItem::addTileSlot(const std::string& childId)
{
    return adopt(std::make_unique<MenuTileSlot>(childId, renderEngine, input, this));
}

MenuTextbox* MenuItem::addTextBox(const std::string& childId)
{
    return adopt(std::make_unique<MenuTextbox>(childId, renderEngine, input, this));
}

MenuLabel* MenuItem::addLabel(const std::string& childId, const std::string& text)
{
    return adopt(std::make_unique<MenuLabel>(childId, text, renderEngine, input, this));
}

void MenuItem::constructMenuItem(Model* menuModel)
{
    objects.clear();
    position = nullptr;
    if (menuModel) {
        for (Object* o : menuModel->objects) {
            if (o && o->name == id) {
                objects.push_back(o);
                position = &o->translation.x;
            }
        }
    }
    if (objects.empty() && parent && !parent->objects.empty()) {
        objects.push_back(parent->objects.front());
        position = &parent->objects.front()->translation.x;
    }
    if (objects.empty())
        return;

    // The model lies in a unit square with y upwards.
    const Object* first = objects.front();
    float minX = 1.0f, minY = 1.0f, maxX = 0.0f, maxY = 0.0f;
    for (int i = 0; first->vertices && i < first->vertexCount; ++i) {
        const float vx = first->vertices[3 * i];
        const float vy = first->vertices[3 * i + 1];
        minX = std::min(minX, vx);
        maxX = std::max(maxX, vx);
        minY = std::min(minY, vy);
        maxY = std::max(maxY, vy);
    }
    const float w = static_cast<float>(windowWidth());
    const float h = static_cast<float>(windowHeight());
    x = minX * w;
    y = (1.0f - maxY) * h;
    width = maxX * w - x;
    height = (1.0f - minY) * h - y;
}

void MenuItem::checkMouseInside(int mx, int my)
{
    bool hit = visible && parentVisible && active;
    if (hit) {
        const float px = position ? position[0] : 0.0f;
        const float py = position ? position[1] : 0.0f;
        const float left = static_cast<float>(windowWidth()) * px + x;
        const float top = static_cast<float>(windowHeight()) * py + y;
        const float fx = static_cast<float>(mx);
        const float fy = static_cast<float>(my);
        // A zero size sets no limit in that direction.
        if (width != 0.0f && (fx < left || fx > left + width))
            hit = false;
        if (height != 0.0f && (fy < top || fy > top + height))
            hit = false;
    }
    if (hit) {
        inside = true;
        for (const auto& child : children)
            child->checkMouseInside(mx, my);
    } else if (inside) {
        inside = false;
        setClick(false);
        for (const auto& child : children)
            child->setInside(false);
    }
}

void MenuItem::setInside(bool on)
{
    inside = on;
    for (const auto& child : children)
        child->setInside(on);
}

void MenuItem::setClick(bool on)
{
    clicked = on && inside;
    for (const auto& child : children)
        child->setClick(on);
}

MenuItem* MenuItem::getItemByID(const std::string& wanted)
{
    if (id == wanted)
        return this;
    for (const auto& child : children)
        if (MenuItem* found = child->getItemByID(wanted))
            return found;
    return nullptr;
}
