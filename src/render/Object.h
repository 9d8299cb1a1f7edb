#pragma once
#include <memory>
#include <string>
#include <vector>

#include "base/Vector3.h"

class Animation;
class Material;
class Texture;

// One mesh group of a model ("o" or "g" in the OBJ file), built into indexed
// arrays ready for one glDrawElements call.
class Object {
public:
    Texture* overlayTexture = nullptr;  // flip-book image set by animation; not owned
    Vector3 corners[8];                 // bounding-box corners, see Model for the order
    Vector3 planeNormals[6];            // unit normals of the box faces
    Vector3 planePoints[6];             // one point on each box face
    float radius = 0.0f;                // largest distance from centre to a corner
    Vector3 centre;
    std::unique_ptr<int[]> indices;
    int indexCount = 0;
    std::string materialName;
    Vector3 boxMax;
    Vector3 boxMin;
    std::unique_ptr<float[]> normals;    // 3 per vertex
    int vertexCount = 0;
    Material* material = nullptr;       // not owned
    std::string name;                   // empty for the group "default"
    Vector3 pivot;
    Vector3 translation;
    Vector3 rotation;                   // degrees about x, y, z
    Vector3 scale{1.0f, 1.0f, 1.0f};
    Vector3 extra;
    std::vector<Animation*> animations; // not owned: the takes own them
    std::unique_ptr<float[]> texCoords;  // 2 per vertex
    std::unique_ptr<float[]> vertices;   // 3 per vertex

    Object() = default;
    // Deep copy of the arrays; the animations are copied with the takes,
    // which attach them to the copy (see Take).
    Object(const Object& other);
    Object& operator=(const Object&) = delete;

    // Drops the arrays (before they are built again).
    void clearArrays();
    // Box, centre, corners, face planes and radius from boxMin and boxMax.
    void computeBounds();
};
