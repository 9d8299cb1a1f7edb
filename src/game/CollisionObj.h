#pragma once
#include <vector>

#include "base/Vector3.h"

class Object;

// A room object crossed by a segment: the normals of the box planes through
// which the segment passed and the crossing points, one per plane, in plane
// order.
struct CollisionObj {
    Object* object = nullptr;
    std::vector<Vector3> normals;
    std::vector<Vector3> points;
};
