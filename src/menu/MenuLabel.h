#pragma once
#include <string>
#include <vector>

#include "menu/MenuItem.h"

// An item that shows a line of text, fitted into its rectangle. All measures
// are fractions of the window, so the text keeps its place and relative size
// when the window changes. The text is measured with the render engine's
// font; without one it measures 0.
class MenuLabel : public MenuItem {
public:
    float marginTop = 0.0f;
    float marginLeft = 0.0f;
    float marginRight = 0.0f;
    float marginBottom = 0.0f;
    bool hasPrefix = false;
    float prefixWidth = 0.0f;
    float posX = 0.0f;
    float posY = 0.0f;
    float z = 0.0f;
    float scale = 1.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    bool hasSuffix = false;
    float suffixWidth = 0.0f;
    float textColor[3] = {0.0f, 0.0f, 0.0f};
    float textHeight = 0.0f;
    float textOffsetX = 0.0f;
    float textOffsetY = 0.0f;
    std::string prefix;
    std::string suffix;
    std::string text;
    float textWidth = 0.0f;
    std::vector<float> charOffsets;   // per-character layout, filled by the font:
    std::vector<float> charWidths;    // the advance before each character, its width
    std::vector<float> prefixOffsets; // the same advances for the prefix and suffix
    std::vector<float> suffixOffsets;
    // Keeps the text centred horizontally when it changes or is laid out
    // again ("centerText: true" in the menu file).
    bool centred = false;

    MenuLabel(const std::string& id, const std::string& text, RenderEngine* re, Input* input,
              MenuItem* parent);

    void draw() override;
    void resize(Model* menuModel) override;

    void changeText(const std::string& newText);
    void centerText();
    void centerTextVertical();
    void setHeight();
    void setWidth();
    void setScale();
    void setPrefix(const std::string& s);
    void setSuffix(const std::string& s);
    void highlightText(bool on);
    // After binding: the corner as fractions of the window, the depth of the
    // first object (plus depthOffset) and the text fitted to the rectangle.
    void place(float depthOffset = 0.0f);

private:
    void measure();
    float fitScaleX() const;
    float fitScaleY() const;
};
