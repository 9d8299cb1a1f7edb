// The OpenGL renderer's partial frames: when the kept scene still stands and
// only some labels' texts or a turning reward changed, only the region they
// cover is drawn again and shown, the rest of the window staying as it is.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "menu/MenuLabel.h"  // a changed label is drawn again on its own
#include "render/BoxProjection.h"
#include "render/GLRender.h"
#include "render/Object.h"
#include "render/RenderEngine.h"

bool GLRender::labelBox(const MenuLabel* label, int box[4]) const
{
    const float w = static_cast<float>(engine->windowWidth), h = static_cast<float>(engine->windowHeight);
    const float* at = label->position;
    const float px = at ? at[0] : 0.0f, py = at ? at[1] : 0.0f;
    // The label's rectangle (the model's object it is bound to) and the
    // text's own extent, in fractions of the window, y upwards.
    const float s = label->scale;
    const float tx = px + label->posX + label->marginLeft + label->textOffsetX;
    const float ty = py + label->posY + label->marginBottom + label->textOffsetY;
    float x0 = tx, x1 = tx + (label->prefixWidth + label->textWidth + label->suffixWidth) * s;
    float y0 = ty, y1 = ty + label->textHeight * s;
    for (const Object* o : label->objects)
        for (int i = 0; o && o->vertices && i < o->vertexCount; ++i) {
            x0 = std::min(x0, o->vertices[3 * i] + px);
            x1 = std::max(x1, o->vertices[3 * i] + px);
            y0 = std::min(y0, o->vertices[3 * i + 1] + py);
            y1 = std::max(y1, o->vertices[3 * i + 1] + py);
        }
    // A few pixels more for glyphs reaching past their advance.
    return BoxProjection::pixels(x0 * w, y0 * h, x1 * w, y1 * h, 4, engine->windowWidth, engine->windowHeight,
                                 box);
}

bool GLRender::changedRegion(const int* rewardRegion, int region[4]) const
{
    region[0] = region[1] = region[2] = region[3] = 0;
    if (labelTexts.size() != shownLabelTexts.size())
        return false;
    for (size_t i = 0; i < labelTexts.size(); ++i) {
        if (labelTexts[i].label != shownLabelTexts[i].label)
            return false;
        if (labelTexts[i].digest == shownLabelTexts[i].digest)
            continue;
        // The text shown and the text to show both lie within the label's
        // box, which the new text does not move.
        int box[4];
        if (labelBox(labelTexts[i].label, box))
            BoxProjection::unite(region, box);
        if (i < shownLabelBoxes.size())
            BoxProjection::unite(region, shownLabelBoxes[i].data());
    }
    if (rewardRegion)
        BoxProjection::unite(region, rewardRegion);
    return true;
}

void GLRender::showLabelTexts()
{
    shownLabelTexts.swap(labelTexts);
    shownLabelBoxes.resize(shownLabelTexts.size());
    for (size_t i = 0; i < shownLabelTexts.size(); ++i)
        if (!labelBox(shownLabelTexts[i].label, shownLabelBoxes[i].data()))
            shownLabelBoxes[i] = {0, 0, 0, 0};
}

void GLRender::drawRegion(const int region[4], const int* rewardRegion)
{
    glEnable(GL_SCISSOR_TEST);
    glScissor(region[0], region[1], region[2], region[3]);
    drawKeptScene();
    if (rewardRegion) {
        // The reward's box is drawn whole, over the kept picture (which may
        // show the reward turned otherwise).
        glScissor(rewardRegion[0], rewardRegion[1], rewardRegion[2], rewardRegion[3]);
        drawScene(rewardRegion);
        glScissor(region[0], region[1], region[2], region[3]);
    }
    renderMenu();
    establishProjectionMatrix(engine->windowWidth, engine->windowHeight, engine->camera.fovy);
    // The parked tiles clear and draw around the slots on their own; what
    // they draw outside the region is never shown.
    glDisable(GL_SCISSOR_TEST);
    renderTileSlots();
    engine->lastMaterial = nullptr;
    subBuffer.show(region[0], region[1], region[2], region[3]);
}
