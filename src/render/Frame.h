#pragma once
#include <string>

#include "base/Vector3.h"

// One keyframe of an animation: the amounts by which the object's
// translation, rotation and scale change until timeStamp, what happens to
// the model's visibility when it ends, and an optional flip-book image.
class Frame {
public:
    int maxTimeStamp = 0;        // the file's time stamp of a random frame
    int minimumTimeStamp = 0;
    int visible = 0;             // 0 leaves visibility alone, 1 hides, 2 shows
    bool randomTimeStamp = false;
    Vector3 rotationDelta;       // degrees
    Vector3 scaleDelta;
    Vector3 startTranslation;    // the object's values when the frame began
    Vector3 startRotation;
    Vector3 startScale;
    std::string texture;         // flip-book image, empty when none
    int timeStamp = 0;           // ms from the start of the animation
    Vector3 translationDelta;

    // The object's values once the frame has run.
    Vector3 endTranslation() const { return startTranslation + translationDelta; }
    Vector3 endRotation() const { return startRotation + rotationDelta; }
    Vector3 endScale() const { return startScale + scaleDelta; }
};
