#include "menu/MenuTileSlot.h"

#include "render/RenderEngine.h"
#include "render/Renderer.h"

void MenuTileSlot::resize(Model* menuModel)
{
    MenuItem::resize(menuModel);
    setProjectionPosition();
}

void MenuTileSlot::setProjectionPosition()
{
    if (renderEngine && renderEngine->renderer)
        renderEngine->renderer->setProjectionPosition(this);
}
