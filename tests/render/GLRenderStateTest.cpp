// The board's one-matrix transforms: a tile part's place and animated
// transform, and the texture matrix that picks a picture's atlas cell.
#include <gtest/gtest.h>

#include "render/GLRenderState.h"
#include "render/Object.h"

namespace {
// m * (x, y, z, 1), column-major as OpenGL reads it.
Vector3 apply(const float m[16], float x, float y, float z)
{
    return Vector3(m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                   m[2] * x + m[6] * y + m[10] * z + m[14]);
}

void expectNear(const Vector3& a, const Vector3& b)
{
    EXPECT_NEAR(a.x, b.x, 1e-5f);
    EXPECT_NEAR(a.y, b.y, 1e-5f);
    EXPECT_NEAR(a.z, b.z, 1e-5f);
}
}

TEST(GLRenderStateTest, ATilePartTurnsThenMovesThenScalesThenGoesToItsPlace)
{
    Object part;
    float m[16];
    GLRenderState::tilePartMatrix(Vector3(10.0f, 0.0f, 0.0f), &part, m);
    expectNear(apply(m, 1.0f, 2.0f, 3.0f), Vector3(11.0f, 2.0f, 3.0f));

    part.scale = Vector3(2.0f, 2.0f, 2.0f);
    part.translation = Vector3(1.0f, 0.0f, 0.0f);
    part.rotation = Vector3(0.0f, 90.0f, 0.0f);
    GLRenderState::tilePartMatrix(Vector3(10.0f, 0.0f, 0.0f), &part, m);
    // +x turns to -z about y, moves by +x, doubles, then goes to x = 10.
    expectNear(apply(m, 1.0f, 0.0f, 0.0f), Vector3(12.0f, 0.0f, -2.0f));

    // Rotations x, y, z in that order of calls: the point turns about y
    // (+x to -z) and then about x (-z to +y).
    part.scale = Vector3(1.0f, 1.0f, 1.0f);
    part.translation = Vector3();
    part.rotation = Vector3(90.0f, 90.0f, 0.0f);
    GLRenderState::tilePartMatrix(Vector3(), &part, m);
    expectNear(apply(m, 1.0f, 0.0f, 0.0f), Vector3(0.0f, 1.0f, 0.0f));
    part.rotation = Vector3(0.0f, 0.0f, 90.0f);
    GLRenderState::tilePartMatrix(Vector3(), &part, m);
    expectNear(apply(m, 1.0f, 0.0f, 0.0f), Vector3(0.0f, 1.0f, 0.0f));
}

TEST(GLRenderStateTest, APictureCellIsTheFaceBoxMovedAndForOtherSizesScaled)
{
    float m[16];
    GLRenderState::pictureMatrix(0.25f, 0.5f, 1.0f, 1.0f, m);
    expectNear(apply(m, 0.1f, 0.9f, 0.0f), Vector3(0.35f, 0.4f, 0.0f));

    // Half-size cells: the corner of the face box lands on the cell's
    // corner, and the box is half as large.
    GLRenderState::pictureMatrix(0.25f, 0.5f, 0.5f, 0.5f, m);
    expectNear(apply(m, 0.0f, 0.0f, 0.0f), Vector3(0.25f, 0.0f, 0.0f));
    expectNear(apply(m, 0.2f, 0.4f, 0.7f), Vector3(0.35f, 0.2f, 0.0f));
}
