// The render engine's side of the menus: the font it owns and the menu
// drawing it forwards to the renderer.
#include "base/Log.h"
#include "menu/FontObj.h"  // the render engine loads the menu's font
#include "render/GLRender.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

float RenderEngine::getTextHeight() const
{
    return font ? font->getTextHeight() : 0.0f;
}

float RenderEngine::getTextWidth(const std::string* text, std::vector<float>* widths,
                                 std::vector<float>* advances) const
{
    if (font)
        return font->getTextWidth(text, widths, advances);
    // No font: every character is there, and measures nothing.
    const size_t n = text ? text->size() : 0;
    if (widths)
        widths->assign(n, 0.0f);
    if (advances)
        advances->assign(n, 0.0f);
    return 0.0f;
}

float RenderEngine::getTextWidth(const std::vector<float>* widths, const std::vector<float>* advances,
                                 const std::string* text, int start, int count) const
{
    return font ? font->getTextWidth(widths, advances, text, start, count) : 0.0f;
}

void RenderEngine::loadFontTextures(FontObj* f)
{
    renderer->loadFontTextures(f);
}

void RenderEngine::drawText(FontObj* f, Vector3 position, float scaleX, float scaleY,
                            std::vector<float>* layout, const char* text)
{
    renderer->drawText(f, position, scaleX, scaleY, layout, text);
}

void RenderEngine::drawMenuItem(MenuItem* item)
{
    renderer->drawMenuItem(item);
}

void RenderEngine::drawMenuLabel(MenuLabel* label)
{
    renderer->drawMenuLabel(label);
}

void RenderEngine::drawMenuTextbox(MenuTextbox* box)
{
    renderer->drawMenuTextbox(box);
}

void RenderEngine::setProjectionPosition(MenuTileSlot* slot)
{
    renderer->setProjectionPosition(slot);
}

void RenderEngine::FontDeleter::operator()(FontObj* f) const
{
    std::default_delete<FontObj>()(f);
}

void RenderEngine::loadFont(const std::string& file)
{
    releaseFont();
    font = std::make_unique<FontObj>(this);
    font->loadFont(file);
}

void RenderEngine::releaseFont()
{
    if (!font)
        return;
    // Display lists are the OpenGL renderer's; other renderers made none.
    if (auto* gl = dynamic_cast<GLRender*>(renderer.get()))
        gl->deleteFontLists(font.get());
    font.reset();
}
