#pragma once
#include <memory>
#include <string>
#include <vector>

class Animation;
class Model;

// A named set of animations of one model's objects, started, paused and
// advanced together ("open_doors", "clear_tile", ...).
class Take {
public:
    std::string name;
    std::vector<std::unique_ptr<Animation>> animations;
    Model* model = nullptr;
    bool paused = false;
    bool playing = false;

    explicit Take(Model* model);
    // Copies the name and every animation; each copy animates the object of
    // the same name in the new model (an animation whose object the new
    // model lacks is left out).
    Take(const Take& other, Model* model);
    Take(const Take&) = delete;
    Take& operator=(const Take&) = delete;
    ~Take();

    // The take's model becomes the animation's; the take owns it from here.
    void addAnimation(std::unique_ptr<Animation> animation);
    void start();
    void update();
    void pause();
    void skipToNextFrame();

    // Reads an animation file and appends its takes to the model.
    static bool loadFile(Model* model, const std::string& file);
};
