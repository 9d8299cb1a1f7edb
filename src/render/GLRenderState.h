#pragma once
#include <string>

#include "base/Vector3.h"

class Material;
class Model;
class Object;
class RenderEngine;

// Small OpenGL steps shared by the scene and board passes: texture units,
// materials through the engine's material cache, object transforms and the
// draw call of one mesh object.
class GLRenderState {
public:
    // Makes texture unit i current for both the server and the client side;
    // false when the driver has no such unit (unit 0 always exists).
    static bool useTextureUnit(int i);
    // Sends M's colours and shininess for front and back faces unless M is
    // the engine's last material (or null); M's alpha goes into its diffuse.
    static void applyMaterial(RenderEngine* engine, Material* m);
    // Blending on only for what can show through: a material whose alpha
    // is below 1 or whose diffuse texture has transparent pixels.
    static void useBlending(const Material* m);
    // Binds M's diffuse texture on the current unit (none when M has none).
    static void bindDiffuse(const Material* m);
    // True when the object has arrays to draw.
    static bool drawable(const Object* obj);
    // The object's own transform as model drawing applies it: rotation about
    // the pivot, then scale, then translation, each only when not neutral.
    static void objectTransform(const Object* obj);
    // The tile parts' transform as one matrix (column-major): a move to
    // at, then the part's scale, translation and rotation x, y, z.
    static void tilePartMatrix(const Vector3& at, const Object* obj, float m[16]);
    // The texture matrix that shows a tile's picture cell: a move by (u, -v)
    // and, for cells of another size than the default (scale x not 1), a
    // scale by (sx, sy) with the matching move before it.
    static void pictureMatrix(float u, float v, float sx, float sy, float m[16]);
    // Points the vertex, normal and current unit's texture-coordinate arrays
    // at the object (nothing for null).
    static void pointArrays(const Object* obj);
    // pointArrays, then the object's triangles.
    static void drawObject(const Object* obj);
    // Just the triangles, with the arrays as they are.
    static void drawTriangles(const Object* obj);
    // The last object of the model with that name, or null.
    static Object* findObject(const Model* model, const std::string& name);
};
