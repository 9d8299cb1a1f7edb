#include "menu/MenuLabel.h"

#include <algorithm>

#include "render/RenderEngine.h"
#include "render/Renderer.h"

MenuLabel::MenuLabel(const std::string& itemId, const std::string& initialText, RenderEngine* re,
                     Input* in, MenuItem* parentItem)
    : MenuItem(itemId, re, in, parentItem), text(initialText)
{
}

void MenuLabel::draw()
{
    // The renderer skips a hidden label; the children draw themselves.
    if (renderEngine && renderEngine->renderer)
        renderEngine->renderer->drawMenuLabel(this);
    for (MenuItem* child : children)
        child->draw();
}

void MenuLabel::resize(Model* menuModel)
{
    constructMenuItem(menuModel);
    scaleX = fitScaleX();
    scaleY = fitScaleY();
    setScale();
    for (MenuItem* child : children)
        child->resize(menuModel);
}

// Text that measures nothing (no font yet) keeps the scale 1 instead of
// dividing by zero.
float MenuLabel::fitScaleX() const
{
    const float w = static_cast<float>(windowWidth());
    const float measured = prefixWidth + textWidth + suffixWidth;
    if (w <= 0.0f || measured <= 0.0f)
        return 1.0f;
    return (width / w - marginLeft - marginRight) / measured;
}

float MenuLabel::fitScaleY() const
{
    const float h = static_cast<float>(windowHeight());
    if (h <= 0.0f || textHeight <= 0.0f)
        return 1.0f;
    return (height / h - marginBottom - marginTop) / textHeight;
}

void MenuLabel::changeText(const std::string& newText)
{
    text = newText;
    scale = 1.0f;
    // The font measures the text once it exists; until then it measures 0.
    textHeight = 0.0f;
    textWidth = 0.0f;
    charOffsets.assign(text.size(), 0.0f);
    charWidths.assign(text.size(), 0.0f);
    scaleY = fitScaleY();
    scaleX = fitScaleX();
    setScale();
    centerTextVertical();
}

void MenuLabel::centerText()
{
    const float w = static_cast<float>(windowWidth());
    if (w <= 0.0f)
        return;
    textOffsetX = (width / w) * 0.5f - (prefixWidth + textWidth + suffixWidth) * scale * 0.5f;
}

void MenuLabel::centerTextVertical()
{
    const float h = static_cast<float>(windowHeight());
    if (h <= 0.0f)
        return;
    textOffsetY = (height - scale * textHeight * h) / h * 0.5f;
}

void MenuLabel::setHeight()
{
    scaleY = fitScaleY();
    setScale();
}

void MenuLabel::setWidth()
{
    scaleX = fitScaleX();
    setScale();
}

void MenuLabel::setScale()
{
    scale = std::min(scaleX, scaleY);
}

void MenuLabel::setPrefix(const std::string& s)
{
    prefix = s;
    hasPrefix = true;
    prefixWidth = 0.0f;
}

void MenuLabel::setSuffix(const std::string& s)
{
    suffix = s;
    hasSuffix = true;
    suffixWidth = 0.0f;
}

void MenuLabel::highlightText(bool on)
{
    textColor[0] = 0.0f;
    textColor[1] = 0.0f;
    textColor[2] = on ? 1.0f : 0.0f;
}
