#pragma once
#include <memory>
#include <string>
#include <vector>

#include "base/Vector3.h"

class RenderEngine;
class Texture;
class WordReader;

// An adjustment of a glyph's place when it follows a given character.
struct KernPair {
    unsigned char first = 0;  // the character before
    float amount = 0.0f;      // texture pixels added to the space before the glyph
};

// One glyph: its rectangle in the font texture, in texture pixels.
struct character {
    unsigned char ch = 0;
    int height = 0;                 // bottom - top
    std::vector<KernPair> kerning;
    int right = 0;
    int left = 0;
    int bottom = 0;
    int top = 0;
    int width = 0;                  // right - left
};

// The bitmap font of all menu text: a texture of glyph pictures described by
// "font.cfg". Every measure handed out is in texture units (pixels divided by
// the texture's side); callers scale them to the screen. A character without
// a glyph is skipped: it measures nothing and draws nothing.
class FontObj {
public:
    std::vector<character> glyphs;  // consecutive character codes, in file order
    int firstCharacter = 0;
    int maxHeight = 0;
    unsigned int listBase = 0;      // the renderer's first glyph display list
    std::unique_ptr<Texture> texture;
    RenderEngine* renderEngine = nullptr;
    int glyphCount = 0;
    float lineHeight = 0.0f;
    float trackingUnits = 0.0f;
    int textureSize = 0;
    int tracking = 0;               // pixels between any two characters

    // Glyphs beyond this many cannot have 8-bit codes.
    static constexpr size_t maxGlyphs = 256;

    explicit FontObj(RenderEngine* re);
    FontObj(const FontObj&) = delete;
    FontObj& operator=(const FontObj&) = delete;
    ~FontObj();

    bool loadFont(const std::string& file);
    // Computes the unit measures and has the renderer build the glyph lists.
    void constructGlyphs();

    float getTextHeight() const { return lineHeight; }
    // Measures text, filling the per-character widths and the advances
    // before each character (the first is 0); returns the total width.
    float getTextWidth(const std::string* text, std::vector<float>* widths,
                       std::vector<float>* advances) const;
    // The width of count characters from start of a text already measured
    // (both lists summed); a negative start means the whole text.
    float getTextWidth(const std::vector<float>* widths, const std::vector<float>* advances,
                       const std::string* text, int start, int count) const;
    // Formats printf-style (at most 255 characters) and draws through the
    // render engine at position with the per-character layout.
    void drawText(Vector3 position, float scaleX, float scaleY, std::vector<float>* layout,
                  const char* format, ...) __attribute__((format(printf, 6, 7)));

    // The glyph of c, or null when the font has none.
    const character* glyphOf(unsigned char c) const;
    // Index of c's glyph in glyphs (and its display list), or -1.
    int glyphIndex(unsigned char c) const;

private:
    void readCharacterList(WordReader& in);
    void readRectangles(WordReader& in);
    void readKerningPairs(WordReader& in);
};
