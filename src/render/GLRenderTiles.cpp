// The board: every tile's body with the tile material's texture, then every
// tile's face with its picture cell of the tile set's atlas decal-blended on
// the second texture unit; highlighted tiles are drawn unlit so that only the
// overlay material's emission colours them. Also the tiles parked in the
// holding slots, drawn over the menus.
#include <GL/gl.h>

#include "game/Tile.h"
#include "render/GLRender.h"
#include "menu/MenuTileSlot.h"
#include "render/GLRenderState.h"
#include "render/Light.h"
#include "render/Material.h"
#include "render/Object.h"
#include "render/RenderEngine.h"

namespace {
// Light, position, material and transform of one tile part. Returns whether
// the scene light was switched off (for endPart).
bool beginPart(RenderEngine* engine, Tile* tile, const Object* part, bool atTilePosition)
{
    const bool unlit = tile->highlighted || tile->hoverHighlighted;
    Material* m = part->material;
    if (unlit) {
        if (engine->sceneLight)
            engine->sceneLight->Visible(false);
        if (tile->overlay)
            m = tile->overlay;
    }
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    if (atTilePosition)
        glTranslatef(tile->worldPosition.x, tile->worldPosition.y, tile->worldPosition.z);
    GLRenderState::applyMaterial(engine, m);
    GLRenderState::tilePartTransform(part);
    return unlit;
}

void endPart(RenderEngine* engine, bool unlit)
{
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    if (unlit && engine->sceneLight)
        engine->sceneLight->Visible(true);
}

void drawBody(RenderEngine* engine, Tile* tile, bool atTilePosition)
{
    const Object* body = GLRenderState::findObject(tile, "Tile");
    if (!GLRenderState::drawable(body))
        return;
    const bool unlit = beginPart(engine, tile, body, atTilePosition);
    GLRenderState::useTextureUnit(0);
    GLRenderState::drawObject(body);
    endPart(engine, unlit);
}

void resetTextureMatrix()
{
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
}

void drawFacePart(RenderEngine* engine, Tile* tile, bool atTilePosition)
{
    const Object* face = GLRenderState::findObject(tile, "Face");
    if (!GLRenderState::drawable(face))
        return;
    const bool unlit = beginPart(engine, tile, face, atTilePosition);

    if (GLRenderState::useTextureUnit(1)) {
        if (!tile->showStamp && tile->state != TILE_SELECTED) {
            glDisable(GL_TEXTURE_2D);  // a blank face
        } else {
            glEnableClientState(GL_TEXTURE_COORD_ARRAY);
            glTexCoordPointer(2, GL_FLOAT, 0, face->texCoords);
            glEnable(GL_TEXTURE_2D);
            // The picture's cell of the atlas: the face's texture box moved
            // by the tile's offsets (and scaled to the cell size first).
            resetTextureMatrix();
            const float sx = tile->textureScaleX, sy = tile->textureScaleY;
            if (sx != 1.0f) {
                glTranslatef(sx * tile->stampOffsetU, sy - tile->stampOffsetV * sy, 0.0f);
                glScalef(sx, sy, 0.0f);
            }
            glTranslatef(tile->stampOffsetU, -tile->stampOffsetV, 0.0f);
            glMatrixMode(GL_MODELVIEW);
        }
    }
    GLRenderState::useTextureUnit(0);
    GLRenderState::drawObject(face);

    if (GLRenderState::useTextureUnit(1))
        resetTextureMatrix();
    GLRenderState::useTextureUnit(0);
    resetTextureMatrix();
    glMatrixMode(GL_MODELVIEW);
    endPart(engine, unlit);
}

// Unit 0 shows the tile body texture, unit 1 the picture atlas (left off:
// each face switches it on as needed).
void beginBoardTextures(RenderEngine* engine)
{
    if (GLRenderState::useTextureUnit(1)) {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
        GLRenderState::bindDiffuse(engine->stampMaterial);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisable(GL_TEXTURE_2D);
    }
    GLRenderState::useTextureUnit(0);
    glEnable(GL_TEXTURE_2D);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    GLRenderState::bindDiffuse(engine->tileMaterial);
}

void endBoardTextures()
{
    if (GLRenderState::useTextureUnit(1)) {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        resetTextureMatrix();
        glDisable(GL_TEXTURE_2D);
    }
    GLRenderState::useTextureUnit(0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    resetTextureMatrix();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glMatrixMode(GL_MODELVIEW);
}

void beginBoardPass()
{
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
}
}

void GLRender::drawTile(Tile* tile)
{
    if (tile)
        drawBody(engine, tile, true);
}

void GLRender::drawFace(Tile* tile)
{
    if (tile)
        drawFacePart(engine, tile, true);
}

void GLRender::renderTileParts()
{
    const std::vector<Tile*>& tiles = engine->boardTiles;
    beginBoardPass();
    beginBoardTextures(engine);
    // All tiles share one mesh: the bodies first, then the faces, so that
    // each pass binds its textures once.
    for (Tile* t : tiles)
        if (t && t->visible)
            drawTile(t);
    if (GLRenderState::useTextureUnit(1))
        GLRenderState::bindDiffuse(engine->stampMaterial);
    GLRenderState::useTextureUnit(0);
    for (Tile* t : tiles)
        if (t && t->visible)
            drawFace(t);
    endBoardTextures();
}

void GLRender::renderTiles()
{
    beginBoardPass();
    beginBoardTextures(engine);
    for (Tile* t : engine->boardTiles)
        if (t && t->visible)
            t->draw();
    endBoardTextures();
}

void GLRender::renderTileSlots()
{
    bool anySlot = false;
    for (MenuTileSlot* slot : engine->holdingSlots)
        anySlot = anySlot || slot;
    if (!anySlot)
        return;
    // Over the menus: nothing drawn so far may hide a parked tile.
    glClear(GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    for (MenuTileSlot* slot : engine->holdingSlots)
        if (slot && slot->tile)
            drawSlotTile(slot->tile, slot->projectedPosition[0], slot->projectedPosition[2]);
}

void GLRender::drawSlotTile(Tile* tile, double x, double z)
{
    if (!tile)
        return;
    beginBoardPass();
    beginBoardTextures(engine);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslated(x, -2.0, z);
    glScalef(0.023f, 0.023f, 0.023f);
    drawBody(engine, tile, false);
    if (GLRenderState::useTextureUnit(1))
        GLRenderState::bindDiffuse(engine->stampMaterial);
    GLRenderState::useTextureUnit(0);
    drawFacePart(engine, tile, false);
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    endBoardTextures();
}
