#include "render/Take.h"

#include <algorithm>
#include <utility>

#include "base/Log.h"
#include "base/LineReader.h"
#include "base/WordReader.h"
#include "render/Animation.h"
#include "render/Frame.h"
#include "render/Model.h"
#include "render/Object.h"

namespace {
constexpr size_t maxLine = 255;

Object* findObject(Model* model, const std::string& name)
{
    for (Object* o : model->objects)
        if (o->name == name)
            return o;
    return nullptr;
}
}

Take::Take(Model* m) : model(m) {}

Take::Take(const Take& other, Model* m) : name(other.name), model(m)
{
    for (const auto& a : other.animations) {
        Object* target = (a->object && m) ? findObject(m, a->object->name) : nullptr;
        if (!target)
            continue;
        auto copy = std::make_unique<Animation>(*a);
        copy->object = target;
        addAnimation(std::move(copy));
    }
}

Take::~Take()
{
    // The objects outlive the take: they forget its animations.
    for (const auto& a : animations) {
        if (a->object) {
            auto& list = a->object->animations;
            list.erase(std::remove(list.begin(), list.end(), a.get()), list.end());
        }
    }
}

void Take::addAnimation(std::unique_ptr<Animation> animation)
{
    if (!animation)
        return;
    animation->model = model;
    if (animation->object)
        animation->object->animations.push_back(animation.get());
    animations.push_back(std::move(animation));
}

void Take::start()
{
    playing = true;
    for (const auto& a : animations)
        a->start();
}

void Take::update()
{
    if (!playing || paused)
        return;
    bool anyRunning = false;
    for (const auto& a : animations) {
        a->update();
        anyRunning = anyRunning || a->running;
    }
    if (!anyRunning)
        playing = false;
}

void Take::pause()
{
    if (!playing)
        return;
    paused = !paused;
    for (const auto& a : animations)
        if (a->running)
            a->pause();
}

void Take::skipToNextFrame()
{
    for (const auto& a : animations)
        a->skipToNextFrame();
}

namespace {
// The values of the frame being read; every one defaults to 0, false or empty.
struct FrameValues {
    int timeStamp = 0;
    bool randomTimeStamp = false;
    int minimumTimeStamp = 0;
    float t[3] = {0.0f, 0.0f, 0.0f};
    float r[3] = {0.0f, 0.0f, 0.0f};
    float s[3] = {0.0f, 0.0f, 0.0f};
    std::string texture;
    int visible = 0;
};

float* frameField(FrameValues& v, const std::string& key)
{
    static const char* const keys[9] = {"translationX:", "translationY:", "translationZ:",
                                        "rotX:", "rotY:", "rotZ:",
                                        "scaleX:", "scaleY:", "scaleZ:"};
    for (int i = 0; i < 9; ++i) {
        if (key == keys[i]) {
            float* group = i < 3 ? v.t : i < 6 ? v.r : v.s;
            return &group[i % 3];
        }
    }
    return nullptr;
}
}

bool Take::loadFile(Model* model, const std::string& file)
{
    if (!model)
        return false;
    LineReader lines(file, maxLine);
    if (!lines.ok()) {
        outputError("Unable to load animation file: " + file);
        return false;
    }
    // A take or animation still open when the file ends is dropped.
    std::unique_ptr<Take> take;
    std::unique_ptr<Animation> animation;
    FrameValues frame;
    WordReader& words = lines.words();
    while (lines.next()) {
        if (lines.tooLong()) {
            outputError("Line too long in animation file: " + file);
            continue;
        }
        const std::string& key = lines.keyword();
        if (key.empty())
            continue;

        if (key == "<take>") {
            // A take left open is dropped with what it holds.
            animation.reset();
            take = std::make_unique<Take>(model);
        } else if (key == "<name>") {
            if (take)
                words.next(take->name);
        } else if (key == "<animation>") {
            animation.reset();
            std::string objectName;
            words.next(objectName);
            Object* object = take ? findObject(model, objectName) : nullptr;
            if (object) {
                animation = std::make_unique<Animation>(model->engine, object);
                animation->name = take->name;
            } else if (take) {
                outputError("Animation names no object of the model: " + objectName);
            }
        } else if (key == "<frame>") {
            frame = FrameValues();
        } else if (float* field = frameField(frame, key)) {
            words.readFloat(*field);
        } else if (key == "texture:") {
            words.next(frame.texture);
        } else if (key == "timeStamp:") {
            words.readInt(frame.timeStamp);
        } else if (key == "randomTimeStamp:") {
            std::string word;
            words.next(word);
            frame.randomTimeStamp = word == "true";
        } else if (key == "minimumTimeStamp:") {
            words.readInt(frame.minimumTimeStamp);
        } else if (key == "visible:") {
            std::string word;
            words.next(word);
            frame.visible = word == "true" ? 2 : word == "false" ? 1 : 0;
        } else if (key == "</frame>") {
            if (animation)
                animation->addFrame(frame.timeStamp, frame.randomTimeStamp, frame.minimumTimeStamp,
                                    frame.t[0], frame.t[1], frame.t[2], frame.r[0], frame.r[1],
                                    frame.r[2], frame.s[0], frame.s[1], frame.s[2], frame.texture,
                                    frame.visible);
            frame = FrameValues();
        } else if (key == "</animation>") {
            if (take && animation) {
                animation->name = take->name;
                take->addAnimation(std::move(animation));
            }
            animation.reset();
        } else if (key == "</take>") {
            animation.reset();
            if (take) {
                model->takes.push_back(std::move(take));
                model->currentTake = model->takes.front().get();
            }
        }
    }
    outputError("Loaded animation file: " + file);
    return true;
}
