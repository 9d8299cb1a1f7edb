#include "render/Animation.h"

#include <utility>

#include "render/Frame.h"
#include "render/Model.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Texture.h"

namespace {
// One axis of a frame: moves value by d × delta / span towards start + d and
// never past it. A frame of no duration takes the whole step at once.
void advance(float& value, float d, float start, int delta, int span)
{
    const float step = span < 1 ? d : d * static_cast<float>(delta) / static_cast<float>(span);
    value += step;
    if (d > 0.0f && value > start + d)
        value = start + d;
    if (d < 0.0f && value < start + d)
        value = start + d;
}

void advance(Vector3& value, const Vector3& d, const Vector3& start, int delta, int span)
{
    advance(value.x, d.x, start.x, delta, span);
    advance(value.y, d.y, start.y, delta, span);
    advance(value.z, d.z, start.z, delta, span);
}
}

Animation::Animation(RenderEngine* e, Object* o) : engine(e), object(o) {}

Animation::Animation(const Animation& other)
    : engine(other.engine),
      name(other.name),
      frameStart(other.frameStart),
      paused(other.paused),
      running(other.running),
      elapsed(other.elapsed),
      timer(other.timer),
      delta(other.delta),
      startTicks(other.startTicks)
{
    flipTextures[0] = other.flipTextures[0];
    flipTextures[1] = other.flipTextures[1];
    const int current = other.currentIndex();
    for (const auto& f : other.frames)
        frames.push_back(std::make_unique<Frame>(*f));
    if (current >= 0)
        currentFrame = frames[static_cast<size_t>(current)].get();
}

Animation::~Animation() = default;

int Animation::currentIndex() const
{
    for (size_t i = 0; i < frames.size(); ++i)
        if (frames[i].get() == currentFrame)
            return static_cast<int>(i);
    return -1;
}

void Animation::addFrame(int timeStamp, bool randomTimeStamp, int minimumTimeStamp,
                         float tx, float ty, float tz, float rx, float ry, float rz,
                         float sx, float sy, float sz, const std::string& texture, int visible)
{
    auto f = std::make_unique<Frame>();
    f->randomTimeStamp = randomTimeStamp;
    f->minimumTimeStamp = minimumTimeStamp;
    if (randomTimeStamp)
        f->maxTimeStamp = timeStamp;  // the frame ends at 0 until a time is drawn
    else
        f->timeStamp = timeStamp;
    f->translationDelta = Vector3(tx, ty, tz);
    f->rotationDelta = Vector3(rx, ry, rz);
    f->scaleDelta = Vector3(sx, sy, sz);
    f->texture = texture;
    f->visible = visible;
    frames.push_back(std::move(f));
    currentFrame = frames.front().get();
}

void Animation::beginFrame(Frame* frame)
{
    frame->startTranslation = object->translation;
    frame->startRotation = object->rotation;
    frame->startScale = object->scale;
}

Texture* Animation::flipTexture(const std::string& image, int side)
{
    Texture* t = Texture::findRegistered(image);
    if (!t) {
        madeFlipTextures[side] = std::make_unique<Texture>(engine, image, 0, "");
        t = madeFlipTextures[side].get();
    }
    return t;
}

void Animation::setUpFlipBook()
{
    flipTextures[0] = flipTexture(currentFrame->texture, 0);
    if (frames.size() > 1 && !frames[1]->texture.empty())
        flipTextures[1] = flipTexture(frames[1]->texture, 1);
    object->overlayTexture = flipTextures[0];
}

void Animation::start()
{
    if (running || !currentFrame || !object)
        return;
    elapsed = 0;
    running = true;
    paused = false;
    timer.start();
    startTicks = static_cast<int>(timer.get_ticks());
    beginFrame(currentFrame);
    if (!currentFrame->texture.empty() && !flipTextures[0])
        setUpFlipBook();
}

void Animation::finishFrame(Frame* frame)
{
    object->translation = frame->endTranslation();
    object->rotation = frame->endRotation();
    object->scale = frame->endScale();
}

void Animation::rewind()
{
    currentFrame = frames.front().get();
    running = false;
    paused = false;
    delta = 0;
    elapsed = 0;
    frameStart = 0;
    timer.stop();
}

void Animation::update()
{
    if (!running || paused || !currentFrame || !object)
        return;
    const int now = static_cast<int>(timer.get_ticks()) - startTicks;
    delta = now - elapsed;
    elapsed = now;
    Frame* f = currentFrame;
    const int T = f->timeStamp;

    Texture* shown = nullptr;
    bool flippedTexture = false;
    if (elapsed >= T && flipTextures[0]) {
        shown = object->overlayTexture;
        object->overlayTexture = shown == flipTextures[0] ? flipTextures[1] : flipTextures[0];
        flippedTexture = true;
    }

    if (elapsed <= T) {
        const int span = T - frameStart;
        advance(object->rotation, f->rotationDelta, f->startRotation, delta, span);
        advance(object->scale, f->scaleDelta, f->startScale, delta, span);
        advance(object->translation, f->translationDelta, f->startTranslation, delta, span);
    }
    if (elapsed < T)
        return;

    finishFrame(f);
    if (f->visible == 1 && model)
        model->setVisibility(false);
    else if (f->visible == 2 && model)
        model->setVisibility(true);

    const int index = currentIndex();
    if (index < 0 || static_cast<size_t>(index) + 1 >= frames.size()) {
        rewind();
        const Frame* first = frames.front().get();
        if (!first->texture.empty() && flipTextures[0]) {
            flipTextures[0]->swapImage(first->texture, 0);
            if (flipTextures[1] && frames.size() > 1 && !frames[1]->texture.empty())
                flipTextures[1]->swapImage(frames[1]->texture, 0);
            object->overlayTexture = flipTextures[0];
        }
        return;
    }
    frameStart = T;
    currentFrame = frames[static_cast<size_t>(index) + 1].get();
    beginFrame(currentFrame);
    if (flippedTexture && shown && !currentFrame->texture.empty())
        shown->swapImage(currentFrame->texture, 0);
}

void Animation::pause()
{
    if (!running)
        return;
    paused = !paused;
    // The clock stops with the animation, so that it resumes where it was.
    if (paused)
        timer.pause();
    else
        timer.unpause();
}

void Animation::skipToNextFrame()
{
    // An idle animation has no start values to end from.
    if (!running || !currentFrame || !object)
        return;
    finishFrame(currentFrame);
    const int index = currentIndex();
    if (index < 0 || static_cast<size_t>(index) + 1 >= frames.size()) {
        rewind();
        return;
    }
    const int T = currentFrame->timeStamp;
    startTicks += elapsed - T;
    elapsed = T;
    frameStart = T;
    currentFrame = frames[static_cast<size_t>(index) + 1].get();
    beginFrame(currentFrame);
}

void Animation::randomizeTimeStamp(Frame* frame, int max)
{
    if (!frame)
        return;
    frame->maxTimeStamp = max;
    const int range = max - frame->minimumTimeStamp;
    if (range <= 0 || !engine) {
        frame->timeStamp = frame->minimumTimeStamp;
        return;
    }
    frame->timeStamp = static_cast<int>(engine->rng() % static_cast<unsigned int>(range)) +
                       frame->minimumTimeStamp;
}
