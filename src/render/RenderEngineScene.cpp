// The render engine's scene services: culling tests on the frustum planes of
// the current frame, the picking ray test over the board tiles, the scene
// light and the camera view.
#include "game/Collision.h"
#include "render/Frustum.h"
#include "render/Light.h"
#include "render/Picking.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

bool RenderEngine::BoxInFrustum(Vector3* corners, Vector3& offset)
{
    return corners && Frustum::boxInside(frustum, corners, offset);
}

bool RenderEngine::isBoundingSphereInFrustum(float x, float y, float z, float radius)
{
    return Frustum::sphereInside(frustum, x, y, z, radius);
}

bool RenderEngine::collision(Vector3 from, Vector3 to)
{
    return Picking::collision(boardTiles(), from, to, pickHits);
}

int RenderEngine::segmentPlaneIntersect(Vector3 p0, Vector3 p1, Vector3 planePoint, Vector3 normal,
                                        Vector3* out)
{
    return ::segmentPlaneIntersect(p0, p1, planePoint, normal, out);
}

void RenderEngine::updateLights()
{
    if (sceneLight)
        sceneLight->updateLight();
}

void RenderEngine::updateView(Camera* cam)
{
    renderer->updateView(cam);
}

Tile* RenderEngine::Selection(int x, int y)
{
    return renderer->Selection(x, y);
}
