#pragma once
#include <cstddef>
#include <vector>

// A black-and-white pointer picture with transparency, read from text rows
// laid out like an XPM image: a header row "width height colours 1", one row
// per colour ("X c #000000", ". c #ffffff", "  c None"), one row per pixel
// row, and a last row with the hot spot written "x,y". The bits come out as
// SDL expects them: eight pixels a byte, the leftmost in the highest bit; a
// black pixel sets data and mask, a white one only mask, a transparent one
// neither.
class CursorImage {
public:
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
    std::vector<unsigned char> data;
    std::vector<unsigned char> mask;

    // False (and the image left empty) when the rows are not such a picture:
    // a bad header, a width that is not a whole number of bytes, an unknown
    // pixel, a short row or a hot spot outside the picture.
    bool parse(const char* const* rows, size_t rowCount);

    // The game's three pointers: the hand while nothing is held, the hand
    // gripping while a button is down, and the I-beam over text.
    static const char* const openHand[];
    static const char* const closedHand[];
    static const char* const textBeam[];
    static const size_t rowCount;  // rows of each of the three
};
