#pragma once
#include <memory>
#include <string>
#include <vector>

#include "base/Stopwatch.h"

class Frame;
class Model;
class Object;
class RenderEngine;
class Texture;

// The keyframes that move one object of a model in one take. Frames run one
// after the other; each ends exactly at its end values however the updates
// fall, and after the last one the animation stops at the first frame.
class Animation {
public:
    // Front and back of the flip-book: made here (see madeFlipTextures) or
    // found among the live textures.
    Texture* flipTextures[2] = {nullptr, nullptr};
    Frame* currentFrame = nullptr;
    std::vector<std::unique_ptr<Frame>> frames;  // in file order
    RenderEngine* engine = nullptr;
    std::string name;            // the take's name
    int frameStart = 0;          // ms at which the current frame began
    Model* model = nullptr;
    Object* object = nullptr;
    bool paused = false;
    bool running = false;
    int elapsed = 0;             // ms since start
    Stopwatch timer;
    int delta = 0;               // ms since the previous update
    int startTicks = 0;
    // The flip-book textures this animation made (and so destroys).
    std::unique_ptr<Texture> madeFlipTextures[2];

    Animation(RenderEngine* engine, Object* object);
    // Copies the frames and the state; the copy shares the flip-book
    // textures without owning them. Its model and object are set by the
    // take that receives it.
    Animation(const Animation& other);
    Animation& operator=(const Animation&) = delete;
    ~Animation();

    void addFrame(int timeStamp, bool randomTimeStamp, int minimumTimeStamp,
                  float tx, float ty, float tz, float rx, float ry, float rz,
                  float sx, float sy, float sz, const std::string& texture, int visible);
    void start();
    void update();
    void pause();
    void skipToNextFrame();
    void randomizeTimeStamp(Frame* frame, int max);

private:
    int currentIndex() const;
    void beginFrame(Frame* frame);
    void finishFrame(Frame* frame);
    void rewind();
    void setUpFlipBook();
    Texture* flipTexture(const std::string& image, int side);
};
