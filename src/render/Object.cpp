#include "render/Object.h"

#include <algorithm>

#include "render/Model.h"

namespace {
template <typename T>
std::unique_ptr<T[]> copyArray(const std::unique_ptr<T[]>& source, size_t count)
{
    if (!source)
        return nullptr;
    auto copy = std::make_unique<T[]>(count);
    std::copy(source.get(), source.get() + count, copy.get());
    return copy;
}
}

Object::Object(const Object& other)
    : overlayTexture(other.overlayTexture),
      radius(other.radius),
      centre(other.centre),
      indexCount(other.indexCount),
      materialName(other.materialName),
      boxMax(other.boxMax),
      boxMin(other.boxMin),
      vertexCount(other.vertexCount),
      material(other.material),
      name(other.name),
      pivot(other.pivot),
      translation(other.translation),
      rotation(other.rotation),
      scale(other.scale),
      extra(other.extra)
{
    std::copy(other.corners, other.corners + 8, corners);
    std::copy(other.planeNormals, other.planeNormals + 6, planeNormals);
    std::copy(other.planePoints, other.planePoints + 6, planePoints);
    indices = copyArray(other.indices, static_cast<size_t>(indexCount));
    normals = copyArray(other.normals, static_cast<size_t>(vertexCount) * 3);
    texCoords = copyArray(other.texCoords, static_cast<size_t>(vertexCount) * 2);
    vertices = copyArray(other.vertices, static_cast<size_t>(vertexCount) * 3);
}

void Object::clearArrays()
{
    indices.reset();
    normals.reset();
    texCoords.reset();
    vertices.reset();
    indexCount = 0;
    vertexCount = 0;
}

void Object::computeBounds()
{
    centre = boxMax - (boxMax - boxMin) * 0.5f;
    Model::boxCorners(boxMin, boxMax, corners);

    // The faces' normals are the cross products of the box edges, so a flat
    // box has no side faces: their normals stay zero and picking skips them.
    const Vector3 size = boxMax - boxMin;
    const float xy = size.x * size.y, yz = size.y * size.z, xz = size.x * size.z;
    planeNormals[0] = Vector3(0.0f, 0.0f, -xy).normalized();  // z = min
    planeNormals[1] = Vector3(yz, 0.0f, 0.0f).normalized();   // x = max
    planeNormals[2] = Vector3(-yz, 0.0f, 0.0f).normalized();  // x = min
    planeNormals[3] = Vector3(0.0f, 0.0f, xy).normalized();   // z = max
    planeNormals[4] = Vector3(0.0f, xz, 0.0f).normalized();   // y = max
    planeNormals[5] = Vector3(0.0f, -xz, 0.0f).normalized();  // y = min
    planePoints[0] = corners[0];
    planePoints[1] = corners[0];
    planePoints[2] = corners[1];
    planePoints[3] = corners[2];
    planePoints[4] = corners[1];
    planePoints[5] = corners[0];

    radius = 0.0f;
    for (const Vector3& c : corners)
        radius = std::max(radius, Vector3::Distance(centre, c));
}
