#include "menu/FontObj.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "base/Log.h"
#include "base/WordReader.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"

namespace {
// Rectangle coordinates beyond this are nonsense for any texture; keeping
// them bounded keeps right - left and bottom - top from overflowing.
constexpr int coordinateLimit = 1 << 20;
// A number field longer than this is not a number the font can use.
constexpr size_t fieldLimit = 64;

// Consumes an opening brace after blanks; false (nothing consumed but the
// blanks) when the next character is something else.
bool openBrace(WordReader& in)
{
    if (in.atEnd() || in.peekCharacter() != '{')
        return false;
    in.nextCharacter();
    return true;
}

// Reads up to the next ',' or ')' (consumed; returned in stop, EOF at the
// end of the input), blanks dropped. A '}' ends the field unconsumed.
std::string field(WordReader& in, int& stop)
{
    std::string text;
    while (true) {
        stop = in.peekCharacter();
        if (stop == EOF || stop == '}')
            return text;
        in.nextCharacter();
        if (stop == ',' || stop == ')')
            return text;
        if (stop != ' ' && stop != '\t' && stop != '\r' && stop != '\n' && text.size() < fieldLimit)
            text.push_back(static_cast<char>(stop));
    }
}

// A character in single quotes after blanks, taken unchanged.
bool quoted(WordReader& in, unsigned char& out)
{
    if (in.atEnd() || in.peekCharacter() != '\'')
        return false;
    in.nextCharacter();
    const int c = in.nextCharacter();
    if (c == EOF)
        return false;
    out = static_cast<unsigned char>(c);
    return in.nextCharacter() == '\'';
}

// Skips an entry to its closing parenthesis (or a '}' or the end).
void skipEntry(WordReader& in)
{
    int stop;
    do
        field(in, stop);
    while (stop == ',');
}
}

FontObj::FontObj(RenderEngine* re) : renderEngine(re) {}

FontObj::~FontObj() = default;

bool FontObj::loadFont(const std::string& file)
{
    WordReader in(file);
    if (!in.ok()) {
        outputError("Missing font config file " + file);
        return false;
    }
    std::string word;
    while (in.next(word)) {
        if (word == "CharacterList") {
            readCharacterList(in);
        } else if (word == "FirstCharacter:") {
            in.readInt(firstCharacter);
        } else if (word == "Tracking:") {
            in.readInt(tracking);
        } else if (word == "Texture:") {
            std::string image;
            if (in.next(image)) {
                // The old picture goes first, giving back its OpenGL name.
                texture.reset();
                texture = std::make_unique<Texture>(renderEngine, image, 0, "", Texture::Drawn::FlatMask);
            }
        } else if (word == "TextureSize:") {
            in.readInt(textureSize);
        } else if (word == "BuildFont();") {
            constructGlyphs();
        } else if (word == "CharacterRectangles:") {
            readRectangles(in);
        } else if (word == "KerningPairs:") {
            readKerningPairs(in);
        }
    }
    outputError("Loaded font config file: " + file);
    return true;
}

void FontObj::readCharacterList(WordReader& in)
{
    if (!openBrace(in)) {
        outputError("Font character list without its opening brace");
        return;
    }
    bool tooMany = false;
    int c;
    while ((c = in.nextCharacter()) != EOF && c != '}') {
        if (c != '\'')
            continue;
        const int glyph = in.nextCharacter();
        if (glyph == EOF)
            break;
        in.nextCharacter();  // the closing quote
        if (glyphs.size() >= maxGlyphs) {
            tooMany = true;
            continue;
        }
        character g;
        g.ch = static_cast<unsigned char>(glyph);
        glyphs.push_back(g);
    }
    if (tooMany)
        outputError("Font character list holds more than 256 characters; the rest are ignored");
    glyphCount = static_cast<int>(glyphs.size());
}

void FontObj::readRectangles(WordReader& in)
{
    if (!openBrace(in)) {
        outputError("Font character rectangles without their opening brace");
        return;
    }
    size_t index = 0;
    bool bad = false;
    int c;
    while ((c = in.nextCharacter()) != EOF && c != '}') {
        if (c != '(')
            continue;
        int values[4] = {0, 0, 0, 0};
        int stop = ',';
        for (int i = 0; i < 4 && stop == ','; ++i) {
            const std::string text = field(in, stop);
            if (!WordReader::toInt(text, values[i]))
                bad = true;
            values[i] = std::clamp(values[i], -coordinateLimit, coordinateLimit);
        }
        if (stop == ',')
            skipEntry(in);
        if (index < glyphs.size()) {
            character& g = glyphs[index];
            g.left = values[0];
            g.top = values[1];
            g.right = values[2];
            g.bottom = values[3];
            g.width = g.right - g.left;
            g.height = g.bottom - g.top;
            maxHeight = std::max(maxHeight, g.height);
        }
        ++index;
    }
    if (bad)
        outputError("Font character rectangle with a value that is not a number");
}

void FontObj::readKerningPairs(WordReader& in)
{
    if (!openBrace(in)) {
        outputError("Font kerning pairs without their opening brace");
        return;
    }
    int c;
    while ((c = in.nextCharacter()) != EOF && c != '}') {
        if (c != '(')
            continue;
        unsigned char first = 0, second = 0;
        int stop = EOF;
        float amount = 0.0f;
        bool ok = quoted(in, first);
        ok = ok && (field(in, stop), stop == ',');
        ok = ok && quoted(in, second);
        ok = ok && (field(in, stop), stop == ',');
        ok = ok && WordReader::toFloat(field(in, stop), amount) && stop == ')';
        if (!ok) {
            if (stop != ')')
                skipEntry(in);
            outputError("Font kerning pair that cannot be read");
            continue;
        }
        const int i = glyphIndex(second);
        if (i >= 0)
            glyphs[static_cast<size_t>(i)].kerning.push_back(KernPair{first, amount});
    }
}

void FontObj::constructGlyphs()
{
    glyphCount = static_cast<int>(glyphs.size());
    if (textureSize > 0) {
        lineHeight = static_cast<float>(maxHeight) / static_cast<float>(textureSize);
        trackingUnits = static_cast<float>(tracking) / static_cast<float>(textureSize);
    } else {
        outputError("Font texture size is not positive: " + std::to_string(textureSize));
        lineHeight = trackingUnits = 0.0f;
    }
    if (renderEngine)
        renderEngine->loadFontTextures(this);
}

int FontObj::glyphIndex(unsigned char c) const
{
    // In 64 bits: a hostile first character must not overflow.
    const long long index = static_cast<long long>(c) - firstCharacter;
    if (index < 0 || index >= static_cast<long long>(glyphs.size()))
        return -1;
    return static_cast<int>(index);
}

const character* FontObj::glyphOf(unsigned char c) const
{
    const int i = glyphIndex(c);
    return i < 0 ? nullptr : &glyphs[static_cast<size_t>(i)];
}

float FontObj::getTextWidth(const std::string* text, std::vector<float>* widths,
                            std::vector<float>* advances) const
{
    if (widths)
        widths->clear();
    if (advances)
        advances->clear();
    if (!text)
        return 0.0f;
    const float size = static_cast<float>(textureSize);
    float total = 0.0f;
    const character* previous = nullptr;
    for (char ch : *text) {
        const character* g = textureSize > 0 ? glyphOf(static_cast<unsigned char>(ch)) : nullptr;
        float width = 0.0f, advance = 0.0f;
        if (g) {
            width = static_cast<float>(g->width) / size;
            // Spacing comes between two drawn characters only.
            if (previous) {
                advance = trackingUnits;
                for (const KernPair& k : g->kerning) {
                    if (k.first == previous->ch) {
                        advance += k.amount / size;
                        break;
                    }
                }
            }
            previous = g;
        }
        if (widths)
            widths->push_back(width);
        if (advances)
            advances->push_back(advance);
        total += width + advance;
    }
    return total;
}

float FontObj::getTextWidth(const std::vector<float>* widths, const std::vector<float>* advances,
                            const std::string* text, int start, int count) const
{
    if (!widths || !advances || !text)
        return 0.0f;
    size_t first = 0, end = text->size();
    if (start >= 0) {
        first = static_cast<size_t>(start);
        end = count > 0 ? first + static_cast<size_t>(count) : first;
    }
    end = std::min({end, text->size(), widths->size(), advances->size()});
    float total = 0.0f;
    for (size_t i = first; i < end; ++i)
        total += (*widths)[i] + (*advances)[i];
    return total;
}

void FontObj::drawText(Vector3 position, float scaleX, float scaleY, std::vector<float>* layout,
                       const char* format, ...)
{
    if (!renderEngine || !format)
        return;
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    renderEngine->drawText(this, position, scaleX, scaleY, layout, text);
}
