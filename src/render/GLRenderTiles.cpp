// The board: every tile's body with the tile material's texture, then every
// tile's face with its picture cell of the tile set's atlas decal-blended on
// the second texture unit; highlighted tiles are drawn unlit so that only the
// overlay material's emission colours them. Also the tiles parked in the
// holding slots, drawn over the menus.
//
// All tiles are copies of one mesh: each pass points the arrays at the first
// tile's part once, and every tile then costs one transform (its place and
// its part's animated transform in one matrix) and one draw call.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/Tile.h"
#include "menu/MenuTileSlot.h"  // parked tiles are drawn in the menu's holding slots
#include "render/Frustum.h"
#include "render/GLRender.h"
#include "render/GLRenderState.h"
#include "render/Light.h"
#include "render/Material.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"

namespace {
const char* const bodyName = "Tile";
const char* const faceName = "Face";

// The shared mesh of one part and where each tile keeps its own copy of it
// (whose transform the animations drive).
struct TilePart {
    const Object* mesh = nullptr;
    size_t index = 0;

    TilePart(const Tile* first, const char* name)
    {
        if (!first)
            return;
        for (size_t i = 0; i < first->objects.size(); ++i)
            if (first->objects[i] && first->objects[i]->name == name) {
                mesh = first->objects[i];
                index = i;
            }
        if (!GLRenderState::drawable(mesh))
            mesh = nullptr;
    }
    const Object* of(const Tile* tile) const
    {
        return index < tile->objects.size() ? tile->objects[index] : nullptr;
    }
};

// Light and material of one tile part; returns whether the scene light was
// switched off (a highlighted tile shows only its overlay's emission).
bool beginPart(RenderEngine* engine, const Tile* tile, const Object* part)
{
    const bool unlit = tile->highlighted || tile->hoverHighlighted;
    Material* m = part->material;
    if (unlit) {
        if (engine->sceneLight)
            engine->sceneLight->Visible(false);
        if (tile->overlay)
            m = tile->overlay;
    }
    GLRenderState::applyMaterial(engine, m);
    GLRenderState::useBlending(m);
    return unlit;
}

void endPart(RenderEngine* engine, bool unlit)
{
    if (unlit && engine->sceneLight)
        engine->sceneLight->Visible(true);
}

// One part of one tile with the arrays already set: atTile places it at the
// tile's board position, otherwise where the current matrix is.
void drawPart(RenderEngine* engine, const Tile* tile, const Object* own, const Object* mesh, bool atTile)
{
    if (!own)
        return;
    const bool unlit = beginPart(engine, tile, own);
    float m[16];
    GLRenderState::tilePartMatrix(atTile ? tile->worldPosition : Vector3(), own, m);
    glPushMatrix();
    glMultMatrixf(m);
    GLRenderState::drawTriangles(mesh);
    glPopMatrix();
    endPart(engine, unlit);
}

bool showsPicture(const Tile* tile)
{
    return tile->showStamp || tile->state == TILE_SELECTED;
}

// The picture's cell of the atlas on unit 1 (current): the face's texture
// box moved by the tile's offsets, scaled to the cell size first when the
// set's pictures are not of the default size.
void placePicture(const Tile* tile)
{
    float m[16];
    GLRenderState::pictureMatrix(tile->stampOffsetU, tile->stampOffsetV, tile->textureScaleX,
                                 tile->textureScaleY, m);
    glMatrixMode(GL_TEXTURE);
    glLoadMatrixf(m);
    glMatrixMode(GL_MODELVIEW);
}

// The bodies' state: lit, depth-tested, culled, unit 0 showing the tile
// body texture, unit 1 off; the arrays point at the shared body mesh.
void beginBodies(RenderEngine* engine, const Object* mesh)
{
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    if (GLRenderState::useTextureUnit(1)) {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glDisable(GL_TEXTURE_2D);
    }
    GLRenderState::useTextureUnit(0);
    glEnable(GL_TEXTURE_2D);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    GLRenderState::bindDiffuse(engine->tileMaterial);
    GLRenderState::pointArrays(mesh);
}

// The faces' state: unit 0 keeps the body texture on the face's own
// coordinates, unit 1 decals the picture atlas over it and stays the
// current unit, so that each tile only loads its picture's texture matrix.
// Returns whether unit 1 exists.
bool beginFaces(RenderEngine* engine, const Object* mesh)
{
    GLRenderState::useTextureUnit(0);
    GLRenderState::pointArrays(mesh);
    if (!GLRenderState::useTextureUnit(1))
        return false;
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, 0, mesh->texCoords.get());
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    GLRenderState::bindDiffuse(engine->stampMaterial);
    return true;
}

// One face: the picture (or a blank face) on unit 1, then the part.
void drawFaceOf(RenderEngine* engine, const Tile* tile, const TilePart& face, bool haveUnit1,
                bool& pictureOn, bool atTile)
{
    const Object* own = face.of(tile);
    if (!own)
        return;
    if (haveUnit1) {
        const bool picture = showsPicture(tile);
        if (picture != pictureOn) {
            if (picture)
                glEnable(GL_TEXTURE_2D);
            else
                glDisable(GL_TEXTURE_2D);
            pictureOn = picture;
        }
        if (picture)
            placePicture(tile);
    }
    drawPart(engine, tile, own, face.mesh, atTile);
}

void endBoardTextures()
{
    if (GLRenderState::useTextureUnit(1)) {
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glMatrixMode(GL_TEXTURE);
        glLoadIdentity();
        glDisable(GL_TEXTURE_2D);
    }
    GLRenderState::useTextureUnit(0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glMatrixMode(GL_MODELVIEW);
}

bool drawn(const Tile* t)
{
    return t && t->visible;
}

// Whether the part, wherever its animated transform takes it about the
// tile's place, may reach into the view volume: its points lie within its
// scale times (centre's distance + radius) of the place moved by its
// translation.
bool partInView(const float planes[6][4], const Tile* tile, const Object* own, const Object* mesh)
{
    if (!own || !mesh)
        return false;
    const Vector3& c = mesh->centre;
    const float scale = std::max({std::fabs(own->scale.x), std::fabs(own->scale.y), std::fabs(own->scale.z)});
    const float reach = scale * (std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z) + mesh->radius);
    const Vector3& p = tile->worldPosition;
    const Vector3& t = own->translation;
    return Frustum::sphereInside(planes, p.x + t.x, p.y + t.y, p.z + t.z, reach);
}

// The visible tiles that may show in the view volume, nearest the eye
// first: the depth test then spares the pixels of the tiles they hide.
// Every tile is opaque, so the order changes nothing that shows.
void frontToBack(PointerView<Tile> tiles, const Vector3& eye, const float planes[6][4],
                 const TilePart& body, const TilePart& face, std::vector<const Tile*>& out)
{
    out.clear();
    for (const Tile* t : tiles)
        if (drawn(t)
            && (partInView(planes, t, body.of(t), body.mesh) || partInView(planes, t, face.of(t), face.mesh)))
            out.push_back(t);
    auto distance = [&eye](const Tile* t) {
        const Vector3& p = t->worldPosition;
        return (p.x - eye.x) * (p.x - eye.x) + (p.y - eye.y) * (p.y - eye.y) + (p.z - eye.z) * (p.z - eye.z);
    };
    std::stable_sort(out.begin(), out.end(),
                     [&distance](const Tile* a, const Tile* b) { return distance(a) < distance(b); });
}
}


void GLRender::drawTile(Tile* tile)
{
    const TilePart body(tile, bodyName);
    if (!body.mesh)
        return;
    beginBodies(engine, body.mesh);
    drawPart(engine, tile, body.mesh, body.mesh, true);
}

void GLRender::drawFace(Tile* tile)
{
    const TilePart face(tile, faceName);
    if (!face.mesh)
        return;
    bool pictureOn = true;
    const bool unit1 = beginFaces(engine, face.mesh);
    drawFaceOf(engine, tile, face, unit1, pictureOn, true);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    GLRenderState::useTextureUnit(0);
}

void GLRender::renderTileParts()
{
    const PointerView<Tile> tiles = engine->boardTiles();
    const Tile* first = nullptr;
    for (const Tile* t : tiles)
        if (t && !first)
            first = t;
    const TilePart body(first, bodyName), face(first, faceName);
    frontToBack(tiles, engine->camera.eye, engine->frustum, body, face, tileOrder);
    // The faces lie just above the bodies' tops: drawn first, they keep the
    // covered part of every top from being textured at all.
    if (face.mesh) {
        beginBodies(engine, face.mesh);
        bool pictureOn = true;
        const bool unit1 = beginFaces(engine, face.mesh);
        for (const Tile* t : tileOrder)
            drawFaceOf(engine, t, face, unit1, pictureOn, true);
    }
    if (body.mesh) {
        beginBodies(engine, body.mesh);
        for (const Tile* t : tileOrder)
            drawPart(engine, t, body.of(t), body.mesh, true);
    }
    endBoardTextures();
}

void GLRender::renderTiles()
{
    beginBodies(engine, nullptr);
    for (Tile* t : engine->boardTiles())
        if (drawn(t))
            t->draw();
    endBoardTextures();
}

void GLRender::renderTileSlots()
{
    // Over the menus: nothing drawn so far may hide a parked tile. Without
    // a parked tile there is nothing to draw and nothing to clear.
    bool anyTile = false;
    for (MenuTileSlot* slot : engine->holdingSlots)
        anyTile = anyTile || (slot && slot->tile);
    if (!anyTile)
        return;
    // The parked tiles belong to the board's layer: the doors and the panels
    // marked the stencil where they lie over it. The depth is cleared only
    // around the slots (a slot's size beyond them on every side), keeping
    // the stencil and sparing a software renderer a masked full-window clear.
    int x0 = engine->windowWidth, y0 = engine->windowHeight, x1 = 0, y1 = 0;
    for (const MenuTileSlot* slot : engine->holdingSlots) {
        if (!slot || !slot->tile)
            continue;
        const int w = static_cast<int>(slot->width), h = static_cast<int>(slot->height);
        x0 = std::min(x0, static_cast<int>(slot->x) - w);
        x1 = std::max(x1, static_cast<int>(slot->x) + 2 * w);
        y0 = std::min(y0, static_cast<int>(slot->y) - h);
        y1 = std::max(y1, static_cast<int>(slot->y) + 2 * h);
    }
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    glEnable(GL_SCISSOR_TEST);
    glScissor(x0, engine->windowHeight - y1, std::max(x1 - x0, 0), std::max(y1 - y0, 0));
    glClear(GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_NOTEQUAL, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    for (MenuTileSlot* slot : engine->holdingSlots)
        if (slot && slot->tile)
            drawSlotTile(slot->tile, slot->projectedPosition[0], slot->projectedPosition[2]);
    glDisable(GL_STENCIL_TEST);
}

void GLRender::drawSlotTile(Tile* tile, double x, double z)
{
    if (!tile)
        return;
    const TilePart body(tile, bodyName), face(tile, faceName);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslated(x, -2.0, z);
    glScalef(0.023f, 0.023f, 0.023f);
    // The scale would lengthen the normals forty-fold and light the tile
    // white: they are brought back to unit length.
    glEnable(GL_NORMALIZE);
    if (body.mesh) {
        beginBodies(engine, body.mesh);
        drawPart(engine, tile, body.mesh, body.mesh, false);
    }
    if (face.mesh) {
        if (!body.mesh)
            beginBodies(engine, face.mesh);
        bool pictureOn = true;
        const bool unit1 = beginFaces(engine, face.mesh);
        drawFaceOf(engine, tile, face, unit1, pictureOn, false);
    }
    glDisable(GL_NORMALIZE);
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    endBoardTextures();
}
