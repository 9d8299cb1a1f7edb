#include "menu/MenuTileSlot.h"

#include "render/RenderEngine.h"

void MenuTileSlot::resize(Model* menuModel)
{
    MenuItem::resize(menuModel);
    setProjectionPosition();
}

void MenuTileSlot::setProjectionPosition()
{
    if (renderEngine)
        renderEngine->setProjectionPosition(this);
}
