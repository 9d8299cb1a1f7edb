#include "menu/Menu.h"

#include "menu/MenuItem.h"
#include "render/Take.h"

Menu::Menu(RenderEngine* re, Input* in, const std::string& modelFile)
    : Model(re, modelFile), renderEngine(re), input(in)
{
}

Menu::~Menu()
{
    delete root;
    root = nullptr;
}

void Menu::draw()
{
    if (root)
        root->draw();
}

void Menu::constructMenu()
{
    if (root)
        root->constructMenuItem(this);
}

MenuItem* Menu::getItemByID(const std::string& id)
{
    return root ? root->getItemByID(id) : nullptr;
}

void Menu::setActive(const std::string& id, bool active)
{
    if (MenuItem* item = getItemByID(id))
        item->active = active;
}

std::string Menu::getAction()
{
    return root ? root->getAction() : std::string();
}

void Menu::update()
{
    Model::update();
    if (root)
        root->update();
}

void Menu::resizeMenu()
{
    if (root)
        root->resize(this);
}

void Menu::closePanels()
{
    for (const char* id : {"LayoutPanel", "OptionsPanel", "PlayerPanel", "TileSetPanel"})
        if (MenuItem* item = getItemByID(id))
            item->setVisibility(false);
}

bool Menu::takePlaying() const
{
    return currentTake && currentTake->playing;
}
