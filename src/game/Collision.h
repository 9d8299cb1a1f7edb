#pragma once
#include <vector>

#include "game/CollisionObj.h"
#include "base/Vector3.h"

class Model;
class Object;

// Segment p0-p1 against the plane through planePoint with the given normal:
// 0 no crossing (or a zero normal), 1 crossing (out receives the point, when
// given), 2 the segment lies in the plane.
int segmentPlaneIntersect(Vector3 p0, Vector3 p1, Vector3 planePoint, Vector3 normal, Vector3* out);

// True when the segment start-end crosses a box face of any object of the
// model (its boxes moved by the model's position and widened by 0.005).
// Every plane of every object is examined; hits (may be null) receives one
// record per object hit; objects in ignore (may be null) are skipped. A
// segment lying in a face plane is tested with its start point.
bool modelCollision(const Model* model, Vector3 start, Vector3 end,
                    std::vector<CollisionObj>* hits, const std::vector<Object*>* ignore);
