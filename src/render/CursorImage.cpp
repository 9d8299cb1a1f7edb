#include "render/CursorImage.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {
enum class Ink { Black, White, Clear };

// "c None" is transparent; a colour "#rrggbb" is black when dark, else white.
bool readColour(const char* row, char& key, Ink& ink)
{
    if (!row || !row[0])
        return false;
    key = row[0];
    const char* c = std::strstr(row + 1, "c ");
    if (!c)
        return false;
    const std::string value(c + 2);
    if (value == "None") {
        ink = Ink::Clear;
        return true;
    }
    unsigned r = 0, g = 0, b = 0;
    if (std::sscanf(value.c_str(), "#%2x%2x%2x", &r, &g, &b) != 3)
        return false;
    ink = (r + g + b) / 3 < 128 ? Ink::Black : Ink::White;
    return true;
}
}

bool CursorImage::parse(const char* const* rows, size_t rowCount)
{
    *this = CursorImage();
    int w = 0, h = 0, colours = 0, chars = 0;
    if (!rows || rowCount < 1 || std::sscanf(rows[0], "%d %d %d %d", &w, &h, &colours, &chars) != 4)
        return false;
    if (w <= 0 || h <= 0 || w % 8 != 0 || w > 256 || h > 256 || chars != 1 || colours < 1
        || colours > 16 || rowCount != static_cast<size_t>(1 + colours + h + 1))
        return false;

    char keys[16];
    Ink inks[16];
    for (int i = 0; i < colours; ++i)
        if (!readColour(rows[1 + i], keys[i], inks[i]))
            return false;

    std::vector<unsigned char> bits(static_cast<size_t>(w / 8 * h), 0);
    std::vector<unsigned char> maskBits(bits.size(), 0);
    for (int y = 0; y < h; ++y) {
        const char* row = rows[1 + colours + y];
        if (!row || std::strlen(row) != static_cast<size_t>(w))
            return false;
        for (int x = 0; x < w; ++x) {
            int found = -1;
            for (int i = 0; i < colours && found < 0; ++i)
                if (keys[i] == row[x])
                    found = i;
            if (found < 0)
                return false;
            const size_t byte = static_cast<size_t>(y * (w / 8) + x / 8);
            const unsigned char bit = static_cast<unsigned char>(0x80u >> (x % 8));
            if (inks[found] != Ink::Clear)
                maskBits[byte] |= bit;
            if (inks[found] == Ink::Black)
                bits[byte] |= bit;
        }
    }

    int hx = -1, hy = -1;
    if (std::sscanf(rows[rowCount - 1], "%d,%d", &hx, &hy) != 2 || hx < 0 || hy < 0 || hx >= w
        || hy >= h)
        return false;

    width = w;
    height = h;
    hotX = hx;
    hotY = hy;
    data.swap(bits);
    mask.swap(maskBits);
    return true;
}
