// The renderer's pointers: the open hand, the hand gripping while a button
// is held, and the I-beam over text.
#include <SDL/SDL.h>

#include "base/Log.h"
#include "render/CursorImage.h"
#include "render/GLRender.h"

namespace {
SDL_Cursor* makeCursor(const char* const* rows, const char* name)
{
    CursorImage image;
    if (!image.parse(rows, CursorImage::rowCount)) {
        outputError(std::string("Bad cursor picture: ") + name);
        return nullptr;
    }
    SDL_Cursor* cursor = SDL_CreateCursor(image.data.data(), image.mask.data(), image.width,
                                          image.height, image.hotX, image.hotY);
    if (!cursor)
        outputError(std::string("Cursor could not be made: ") + name);
    return cursor;
}
}

void GLRender::createCursors()
{
    freeCursors();
    openHandCursor = makeCursor(CursorImage::openHand, "open hand");
    closedHandCursor = makeCursor(CursorImage::closedHand, "closed hand");
    textCursor = makeCursor(CursorImage::textBeam, "text");
    if (openHandCursor)
        SDL_SetCursor(openHandCursor);
}

void GLRender::setCursor(int type)
{
    SDL_Cursor* cursor = nullptr;
    switch (type) {
    case CURSOR_OPEN_HAND:
        cursor = openHandCursor;
        break;
    case CURSOR_CLOSED_HAND:
        cursor = closedHandCursor;
        break;
    case CURSOR_TEXT:
        cursor = textCursor;
        break;
    default:
        return;
    }
    if (cursor && cursor != SDL_GetCursor())
        SDL_SetCursor(cursor);
}

void GLRender::freeCursors()
{
    // SDL puts its default pointer back when the current one is freed. Once
    // SDL's video side has shut down it has freed the current pointer itself,
    // and the others go with the process.
    const bool videoUp = SDL_WasInit(SDL_INIT_VIDEO) != 0;
    for (SDL_Cursor** c : {&openHandCursor, &closedHandCursor, &textCursor}) {
        if (*c && videoUp)
            SDL_FreeCursor(*c);
        *c = nullptr;
    }
}
