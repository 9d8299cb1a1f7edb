#include "menu/MenuLabel.h"

#include <algorithm>

#include "menu/FontObj.h"
#include "render/Object.h"
#include "render/RenderEngine.h"

MenuLabel::MenuLabel(const std::string& itemId, const std::string& initialText, RenderEngine* re,
                     Input* in, MenuItem* parentItem)
    : MenuItem(itemId, re, in, parentItem), text(initialText)
{
    measure();
}

void MenuLabel::draw()
{
    // The renderer skips a hidden label; the children draw themselves.
    if (renderEngine)
        renderEngine->drawMenuLabel(this);
    for (const auto& child : children)
        child->draw();
}

void MenuLabel::measure()
{
    if (!renderEngine) {
        textHeight = textWidth = 0.0f;
        charOffsets.assign(text.size(), 0.0f);
        charWidths.assign(text.size(), 0.0f);
        return;
    }
    textHeight = renderEngine->getTextHeight();
    textWidth = renderEngine->getTextWidth(&text, &charWidths, &charOffsets);
}

void MenuLabel::place(float depthOffset)
{
    const float w = static_cast<float>(windowWidth());
    const float h = static_cast<float>(windowHeight());
    posX = w > 0.0f ? x / w : 0.0f;
    posY = h > 0.0f ? y / h : 0.0f;
    z = (objects.empty() ? 0.0f : objects.front()->boxMax.z) + depthOffset;
    setHeight();
    setWidth();
    centerTextVertical();
    if (centred)
        centerText();
}

void MenuLabel::resize(Model* menuModel)
{
    const float depthOffset = objects.empty() ? 0.0f : z - objects.front()->boxMax.z;
    constructMenuItem(menuModel);
    place(depthOffset);
    for (const auto& child : children)
        child->resize(menuModel);
}

float MenuLabel::fitScaleX() const
{
    const float w = static_cast<float>(windowWidth());
    const float tracking = renderEngine && renderEngine->font ? renderEngine->font->trackingUnits : 0.0f;
    const float measured = prefixWidth + textWidth + suffixWidth + tracking;
    // An empty text sets no limit across: the height decides.
    if (w <= 0.0f || measured <= 0.0f)
        return fitScaleY();
    return (width / w - marginLeft - marginRight) / measured;
}

// Text that measures nothing (no font yet) keeps the scale 1 instead of
// dividing by zero.
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
    measure();
    scaleY = fitScaleY();
    scaleX = fitScaleX();
    setScale();
    centerTextVertical();
    if (centred)
        centerText();
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
    prefixWidth = renderEngine ? renderEngine->getTextWidth(&prefix, nullptr, &prefixOffsets) : 0.0f;
}

void MenuLabel::setSuffix(const std::string& s)
{
    suffix = s;
    hasSuffix = true;
    suffixWidth = renderEngine ? renderEngine->getTextWidth(&suffix, nullptr, &suffixOffsets) : 0.0f;
}

void MenuLabel::highlightText(bool on)
{
    textColor[0] = 0.0f;
    textColor[1] = 0.0f;
    textColor[2] = on ? 1.0f : 0.0f;
}
