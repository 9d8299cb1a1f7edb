#include "render/FrameSignature.h"

#include <cstring>

#include "game/Tile.h"
#include "menu/FontObj.h"  // a frame's signature covers the menus drawn over it
#include "menu/Menu.h"  // a frame's signature covers the menus drawn over it
#include "menu/MenuLabel.h"  // a frame's signature covers the menus drawn over it
#include "menu/MenuTextbox.h"  // a frame's signature covers the menus drawn over it
#include "menu/MenuTileSlot.h"  // a frame's signature covers the menus drawn over it
#include "render/Light.h"
#include "render/Material.h"
#include "render/Model.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"
#include "render/Sprite.h"
#include "render/Texture.h"

void FrameSignature::bytes(const void* p, std::size_t n)
{
    const unsigned char* b = static_cast<const unsigned char*>(p);
    for (; n >= 8; n -= 8, b += 8) {
        std::uint64_t w;
        std::memcpy(&w, b, 8);
        word(w);
    }
    // The length goes in with the last bytes, so that trailing zeros count.
    std::uint64_t last = n;
    for (std::size_t i = 0; i < n; ++i)
        last |= static_cast<std::uint64_t>(b[i]) << (8 * (i + 1));
    word(last);
}

void FrameSignature::add(float v)
{
    std::uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    word(bits);
}

void FrameSignature::add(double v)
{
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    word(bits);
}

void FrameSignature::add(const void* p)
{
    const std::uintptr_t v = reinterpret_cast<std::uintptr_t>(p);
    bytes(&v, sizeof v);
}

void FrameSignature::add(const std::string& s)
{
    add(static_cast<unsigned int>(s.size()));
    bytes(s.data(), s.size());
}

void FrameSignature::add(const float* v, int n)
{
    bytes(v, sizeof(float) * static_cast<std::size_t>(n));
}

void FrameSignature::model(const Model* m)
{
    add(static_cast<const void*>(m));
    if (!m)
        return;
    add(m->visible);
    add(m->worldPosition.x);
    add(m->worldPosition.y);
    add(m->worldPosition.z);
    add(m->rotation.x);
    add(m->rotation.y);
    add(m->rotation.z);
    for (const Object* o : m->objects) {
        add(static_cast<const void*>(o));
        if (!o)
            continue;
        for (const Vector3* v : {&o->translation, &o->rotation, &o->scale, &o->pivot}) {
            add(v->x);
            add(v->y);
            add(v->z);
        }
        add(static_cast<const void*>(o->material));
        add(static_cast<const void*>(o->overlayTexture));
    }
}

void FrameSignature::tile(const Tile* t)
{
    model(t);
    if (!t)
        return;
    add(t->state);
    add(t->showStamp);
    add(t->highlighted);
    add(t->hoverHighlighted);
    add(static_cast<const void*>(t->overlay));
    add(t->stampOffsetU);
    add(t->stampOffsetV);
    add(t->textureScaleX);
    add(t->textureScaleY);
}

std::uint64_t FrameSignature::scene(const RenderEngine& e)
{
    FrameSignature f;
    f.add(e.windowWidth);
    f.add(e.windowHeight);
    const Camera& c = e.camera;
    for (const Vector3* v : {&c.eye, &c.centre, &c.up}) {
        f.add(v->x);
        f.add(v->y);
        f.add(v->z);
    }
    f.add(c.fovy);
    if (e.renderer)
        for (const Light* l : e.renderer->lights) {
            f.add(static_cast<const void*>(l));
            if (!l)
                continue;
            f.add(l->ambient, 4);
            f.add(l->diffuse, 4);
            f.add(l->specular, 4);
            f.add(l->position, 4);
            f.add(l->spotDirection, 3);
            f.add(l->cutoff);
            f.add(l->exponent);
            f.add(static_cast<int>(l->type));
            f.add(l->visible);
        }
    for (const auto& material : e.materials) {
        const Material* m = material.get();
        f.add(static_cast<const void*>(m));
        if (!m)
            continue;
        f.add(m->ambient, 4);
        f.add(m->diffuse, 4);
        f.add(m->specular, 4);
        f.add(m->emission, 4);
        f.add(m->shininess);
        f.add(m->alpha);
        f.add(static_cast<const void*>(m->diffuseMap));
        if (m->diffuseMap)
            f.add(m->diffuseMap->glName);
    }
    f.add(static_cast<const void*>(e.tileMaterial));
    f.add(static_cast<const void*>(e.stampMaterial));
    for (const auto& s : e.sprites)
        f.model(s.get());
    // A reward turns within the sphere its radius gives around where it
    // stands; only that place is part of the scene.
    for (const auto& reward : e.rewardSprites) {
        const Sprite* s = reward.get();
        f.add(static_cast<const void*>(s));
        if (!s)
            continue;
        f.add(s->visible);
        f.add(s->worldPosition.x);
        f.add(s->worldPosition.y);
        f.add(s->worldPosition.z);
        f.add(s->radius);
        for (const Object* o : s->objects)
            f.add(static_cast<const void*>(o ? o->material : nullptr));
    }
    for (const Tile* t : e.boardTiles())
        f.tile(t);
    return f.h;
}

std::uint64_t FrameSignature::rewards(const RenderEngine& e)
{
    FrameSignature f;
    for (const auto& s : e.rewardSprites)
        f.model(s.get());
    return f.h;
}

void FrameSignature::labelText(const MenuLabel* l)
{
    add(l->text);
    add(l->prefix);
    add(l->suffix);
    add(l->textColor, 3);
    for (float v : {l->posX, l->posY, l->z, l->scale, l->marginLeft, l->marginBottom, l->textOffsetX,
                    l->textOffsetY, l->prefixWidth, l->textWidth})
        add(v);
    add(l->hasPrefix);
    add(l->hasSuffix);
    for (const std::vector<float>* v : {&l->charOffsets, &l->prefixOffsets, &l->suffixOffsets})
        if (!v->empty())
            add(v->data(), static_cast<int>(v->size()));
}

void FrameSignature::menuItem(const MenuItem* item)
{
    add(static_cast<const void*>(item));
    if (!item)
        return;
    add(item->visible);
    add(item->parentVisible);
    add(item->inside);
    add(item->clicked);
    add(item->toggled);
    if (item->position)
        add(item->position, 3);
    add(item->textureOffset, 2);
    add(item->hoverOffset, 2);
    add(item->clickOffset, 2);
    add(static_cast<const void*>(item->overrideTexture));
    if (item->overrideTexture)
        add(item->overrideTexture->glName);
    model(item);
    if (const MenuLabel* l = dynamic_cast<const MenuLabel*>(item)) {
        // A shown label's text may be listed on its own; its place and looks
        // stay in the digest above. A hidden one's text draws nothing.
        if (texts && item->visible && item->parentVisible) {
            FrameSignature own;
            own.labelText(l);
            texts->push_back({l, own.h});
        } else {
            labelText(l);
        }
    }
    if (const MenuTextbox* b = dynamic_cast<const MenuTextbox*>(item)) {
        add(b->cursorVisible);
        add(b->hasSelection());
        for (float v : {b->cursorOffset, b->selectionX, b->selectionWidth, b->heightFraction})
            add(v);
        add(static_cast<const void*>(b->label));
    }
    for (const auto& child : item->children)
        menuItem(child.get());
}

std::uint64_t FrameSignature::overlay(const RenderEngine& e, std::vector<LabelText>* texts)
{
    FrameSignature f;
    f.texts = texts;
    if (texts)
        texts->clear();
    f.add(e.windowWidth);
    f.add(e.windowHeight);
    f.add(static_cast<const void*>(e.font.get()));
    if (e.font) {
        f.add(e.font->listBase);
        f.add(e.font->texture ? e.font->texture->glName : 0u);
    }
    f.add(static_cast<const void*>(e.menu));
    if (e.menu)
        f.menuItem(e.menu->root.get());
    for (const MenuTileSlot* slot : e.holdingSlots) {
        f.add(static_cast<const void*>(slot));
        if (!slot)
            continue;
        for (double v : slot->projectedPosition)
            f.add(v);
        f.tile(slot->tile);
    }
    return f.h;
}
