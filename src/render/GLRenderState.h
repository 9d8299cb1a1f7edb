#pragma once
#include <string>

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
    // Binds M's diffuse texture on the current unit (none when M has none).
    static void bindDiffuse(const Material* m);
    // True when the object has arrays to draw.
    static bool drawable(const Object* obj);
    // The object's own transform as model drawing applies it: rotation about
    // the pivot, then scale, then translation, each only when not neutral.
    static void objectTransform(const Object* obj);
    // The tile parts' transform: scale, translation, rotation x, y, z.
    static void tilePartTransform(const Object* obj);
    // Points the vertex, normal and current unit's texture-coordinate arrays
    // at the object and draws its triangles.
    static void drawObject(const Object* obj);
    // Just the triangles, with the arrays as they are.
    static void drawTriangles(const Object* obj);
    // The last object of the model with that name, or null.
    static Object* findObject(const Model* model, const std::string& name);
};
