// The OpenGL renderer's menus: the overlay pass over the scene, menu items
// with their toggled, hover and pressed looks, labels and text boxes, the
// font's glyph display lists and the holding slots' place in the scene.
#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL/SDL.h>

#include "menu/FontObj.h"  // the renderer draws the menu's items
#include "menu/Menu.h"  // the renderer draws the menu's items
#include "menu/MenuLabel.h"  // the renderer draws the menu's items
#include "menu/MenuTextbox.h"  // the renderer draws the menu's items
#include "menu/MenuTileSlot.h"  // the renderer draws the menu's items
#include "render/GLRender.h"
#include "render/GLRenderState.h"
#include "render/Material.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"

namespace {
bool haveContext()
{
    const SDL_Surface* video = SDL_GetVideoSurface();
    return video && (video->flags & SDL_OPENGL);
}

// The text box's caret and selection run this far inside the box's height.
constexpr float caretInset = 0.008f;
constexpr float caretWidth = 0.005f;

// Draws the item's objects at the current transform. The looks are cells of
// one texture reached by shifting the texture coordinates: the toggled look
// (when withToggle), then the pressed or else the hover look on top.
void drawItemObjects(RenderEngine* engine, const MenuItem* item, bool withToggle)
{
    const bool toggled = withToggle && item->toggled;
    const bool shifted = toggled || item->clicked || item->inside;
    for (const Object* obj : item->objects) {
        if (!obj || !obj->vertices || !obj->texCoords || !obj->indices || obj->indexCount <= 0)
            continue;
        GLRenderState::applyMaterial(engine, obj->material);
        GLRenderState::useTextureUnit(0);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        GLuint name = item->overrideTexture ? item->overrideTexture->glName : 0;
        if (!name && obj->material && obj->material->diffuseMap)
            name = obj->material->diffuseMap->glName;
        // Nothing to show through: the object is drawn untextured.
        if (name)
            glEnable(GL_TEXTURE_2D);
        else
            glDisable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, name);
        if (shifted) {
            glMatrixMode(GL_TEXTURE);
            glLoadIdentity();
            if (toggled)
                glTranslatef(item->textureOffset[0], item->textureOffset[1], 0.0f);
            if (item->clicked)
                glTranslatef(item->clickOffset[0], item->clickOffset[1], 0.0f);
            else if (item->inside)
                glTranslatef(item->hoverOffset[0], item->hoverOffset[1], 0.0f);
        }
        glTexCoordPointer(2, GL_FLOAT, 0, obj->texCoords.get());
        glVertexPointer(3, GL_FLOAT, 0, obj->vertices.get());
        GLRenderState::drawTriangles(obj);
        if (shifted) {
            glLoadIdentity();
            glMatrixMode(GL_MODELVIEW);
        }
    }
    glEnable(GL_TEXTURE_2D);
}

void translateTo(const float* position)
{
    if (position)
        glTranslatef(position[0], position[1], position[2]);
}

// A flat rectangle from the current origin, width across and down to height
// below it, y upwards.
void drawBar(float width, float top, float bottom)
{
    glBegin(GL_QUADS);
    glVertex2f(0.0f, top);
    glVertex2f(0.0f, bottom);
    glVertex2f(width, bottom);
    glVertex2f(width, top);
    glEnd();
}
}

void GLRender::renderMenu()
{
    if (!engine->menu)
        return;
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    if (GLRenderState::useTextureUnit(1)) {
        glDisable(GL_TEXTURE_2D);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
    GLRenderState::useTextureUnit(0);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);

    // The window is the unit square, y upwards; depth orders the items.
    glClear(GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPushMatrix();

    // Fully transparent pixels write no depth, so that what lies behind an
    // item's transparent parts but is drawn later still shows.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    engine->menu->draw();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);

    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    glEnableClientState(GL_NORMAL_ARRAY);
}

void GLRender::drawMenuItem(MenuItem* item)
{
    if (!item)
        return;
    // Where an item over the board's layer is drawn, the stencil is marked:
    // the parked tiles, drawn after the menus, keep out of those pixels.
    bool covers = false;
    for (const MenuItem* at = item; at && !covers; at = at->parent)
        covers = at->coversBoard;
    if (covers) {
        glEnable(GL_STENCIL_TEST);
        glStencilFunc(GL_ALWAYS, 1, 1);
        glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    }
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    translateTo(item->position);
    drawItemObjects(engine, item, true);
    glPopMatrix();
    if (covers)
        glDisable(GL_STENCIL_TEST);
}

void GLRender::drawMenuLabel(MenuLabel* label)
{
    if (!label || !label->visible || !label->parentVisible || !engine->font)
        return;
    FontObj* font = engine->font.get();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glColor4f(label->textColor[0], label->textColor[1], label->textColor[2], 1.0f);
    const float* at = label->position;
    Vector3 origin((at ? at[0] : 0.0f) + label->posX + label->marginLeft + label->textOffsetX,
                   (at ? at[1] : 0.0f) + label->posY + label->marginBottom + label->textOffsetY,
                   (at ? at[2] : 0.0f) + label->z);
    const float s = label->scale;
    if (label->hasPrefix) {
        font->drawText(origin, s, s, &label->prefixOffsets, "%s", label->prefix.c_str());
        origin.x += label->prefixWidth * s;
    }
    font->drawText(origin, s, s, &label->charOffsets, "%s", label->text.c_str());
    if (label->hasSuffix) {
        Vector3 after = origin;
        after.x += label->textWidth * s;
        font->drawText(after, s, s, &label->suffixOffsets, "%s", label->suffix.c_str());
    }
    glPopMatrix();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void GLRender::drawMenuTextbox(MenuTextbox* box)
{
    if (!box)
        return;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    translateTo(box->position);
    drawItemObjects(engine, box, false);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);

    const MenuLabel* label = box->label;
    if (label) {
        const float* at = label->position;
        const float bx = (at ? at[0] : 0.0f) + label->posX + label->marginLeft;
        const float by = (at ? at[1] : 0.0f) + label->posY;
        const float bz = (at ? at[2] : 0.0f) + label->z;
        const float s = label->scale;
        const float bottom = caretInset - box->heightFraction;
        if (box->hasSelection()) {
            glPushMatrix();
            glColor3f(0.42578125f, 0.58984375f, 0.8046875f);
            glTranslatef(bx + (label->prefixWidth + box->selectionX) * s, 1.0f - by, bz);
            drawBar(box->selectionWidth, -caretInset, bottom);
            glPopMatrix();
        } else if (box->cursorVisible) {
            glPushMatrix();
            glColor3f(0.0f, 0.0f, 0.0f);
            glTranslatef(bx + (label->prefixWidth + box->cursorOffset) * s, 1.0f - by, bz + 0.0001f);
            drawBar(caretWidth, -caretInset, bottom);
            glPopMatrix();
        }
    }
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

void GLRender::drawText(FontObj* font, Vector3 position, float scaleX, float scaleY,
                        std::vector<float>* layout, const char* text)
{
    if (!font || !text || font->listBase == 0)
        return;
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, font->texture ? font->texture->glName : 0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(position.x, 1.0f - position.y, position.z);
    glScalef(scaleX, scaleY, 1.0f);
    for (size_t i = 0; text[i] != '\0'; ++i) {
        // The spacing before the character, then its glyph, whose list
        // moves on by the glyph's width.
        if (layout && i < layout->size())
            glTranslatef((*layout)[i], 0.0f, 0.0f);
        const int glyph = font->glyphIndex(static_cast<unsigned char>(text[i]));
        if (glyph >= 0)
            glCallList(font->listBase + static_cast<GLuint>(glyph));
    }
    glPopMatrix();
}

void GLRender::deleteFontLists(FontObj* font)
{
    if (!font || font->listBase == 0)
        return;
    if (haveContext() && glIsList(font->listBase))
        glDeleteLists(font->listBase, font->glyphCount);
    font->listBase = 0;
}

void GLRender::loadFontTextures(FontObj* font)
{
    if (!font || !haveContext())
        return;
    deleteFontLists(font);
    if (font->glyphCount <= 0 || font->textureSize <= 0)
        return;
    font->listBase = glGenLists(font->glyphCount);
    if (font->listBase == 0)
        return;
    glBindTexture(GL_TEXTURE_2D, font->texture ? font->texture->glName : 0);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    const float size = static_cast<float>(font->textureSize);
    for (int i = 0; i < font->glyphCount; ++i) {
        const character& g = font->glyphs[static_cast<size_t>(i)];
        const float l = g.left / size, r = g.right / size;
        const float t = 1.0f - g.top / size, b = 1.0f - g.bottom / size;
        const float w = g.width / size, h = g.height / size;
        glNewList(font->listBase + static_cast<GLuint>(i), GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(l, t);
        glVertex2f(0.0f, 0.0f);
        glTexCoord2f(l, b);
        glVertex2f(0.0f, -h);
        glTexCoord2f(r, b);
        glVertex2f(w, -h);
        glTexCoord2f(r, t);
        glVertex2f(w, 0.0f);
        glEnd();
        glTranslatef(w, 0.0f, 0.0f);
        glEndList();
    }
}

void GLRender::setProjectionPosition(MenuTileSlot* slot)
{
    if (!slot || !haveContext())
        return;
    const int w = engine->windowWidth, h = engine->windowHeight;
    establishProjectionMatrix(w, h, engine->camera.fovy);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    GLint viewport[4];
    GLdouble modelview[16], projection[16];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glPopMatrix();
    double* out = slot->projectedPosition;
    if (gluUnProject(slot->x + slot->width * 0.5, h - (slot->y + slot->height * 0.5), 0.0, modelview,
                     projection, viewport, &out[0], &out[1], &out[2])
        == GL_TRUE) {
        for (int i = 0; i < 3; ++i)
            out[i] *= 2.0;
    }
}
