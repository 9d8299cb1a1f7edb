#pragma once
#include <memory>
#include <string>
#include <vector>

#include "base/Vector3.h"

class Object;
class RenderEngine;
class Take;

// A 3D model read from an OBJ file: mesh objects in file order, the whole
// model's bounding box, its takes of animation and its place in the world.
//
// Bounding-box corner order, with X, Y, Z the maxima and x, y, z the minima:
// (X,y,z) (x,Y,z) (x,y,Z) (x,Y,Z) (X,Y,z) (X,y,Z) (x,y,z) (X,Y,Z).
class Model {
public:
    Vector3 corners[8];
    float radius = 0.0f;             // largest distance from worldPosition to a corner
    // The objects drawn, in file order: the model's own (see addObject), or
    // for a menu item those it borrows from the menu model.
    std::vector<Object*> objects;
    Take* currentTake = nullptr;     // the take last started
    float depth = 0.0f;
    std::string path;
    float height = 0.0f;
    Vector3 worldPosition;
    Vector3 rotation;                // degrees about x, y, z
    RenderEngine* engine = nullptr;
    std::vector<std::unique_ptr<Take>> takes;
    bool visible = true;
    float width = 0.0f;

    Model(RenderEngine* engine, const std::string& path);
    Model(const Model& other);       // deep copy; nothing is shared
    Model& operator=(const Model&) = delete;
    virtual ~Model();

    // Appends an object that the model owns from now on, and returns it.
    Object* addObject(std::unique_ptr<Object> object);

    virtual void draw();
    virtual void setVisibility(bool on) { visible = on; }

    bool loadModelFile(const std::string& path);
    void calculateSize();
    std::string getPath() const { return path; }

    void convertToIndexedArray(Object* object, std::vector<Vector3*>& positions,
                               std::vector<Vector3*>& texCoords, std::vector<Vector3*>& normals);
    void convVectorToArray(Object* object, std::vector<Vector3*>& positions,
                           std::vector<Vector3*>& texCoords, std::vector<Vector3*>& normals);

    // Animation.
    void playAnimation(const std::string& takeName);
    void skipAnimationFrame();
    void update();
    void animate();
    bool loadAnimationFile(const std::string& file);

    // The eight box corners in the order above.
    static void boxCorners(const Vector3& min, const Vector3& max, Vector3 out[8]);

protected:
    // Appends deep copies of another model's objects and takes (the copied
    // takes animate the copied objects).
    void appendCopiesOf(const Model& other);

private:
    std::vector<std::unique_ptr<Object>> ownedObjects;
};
