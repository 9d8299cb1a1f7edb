#include <gtest/gtest.h>

#include <memory>

#include "support/FakeClock.h"
#include "support/RecordingRenderer.h"
#include "support/WorkDir.h"
#include "render/Animation.h"
#include "render/Frame.h"
#include "render/Material.h"
#include "render/Model.h"
#include "render/Object.h"
#include "render/RenderEngine.h"
#include "render/Take.h"
#include "render/Texture.h"


namespace {
const char* const doorModel =
    "v 0 0 0\nv 1 0 0\nv 0 1 0\n"
    "g door\nf 1 2 3\n"
    "g frame\nf 1 2 3\n"
    "animation door.anim\n";

class AnimationTest : public ::testing::Test {
protected:
    WorkDir dir;
    RecordingRenderer* renderer = new RecordingRenderer;
    RenderEngine engine{renderer};

    ~AnimationTest() override { engine.clean_up(); }

    std::unique_ptr<Model> load(const std::string& animation)
    {
        WorkDir::write("door.anim", animation);
        WorkDir::write("door.obj", doorModel);
        auto m = std::make_unique<Model>(&engine, "door.obj");
        useFakeClock(*m);
        return m;
    }

    static void useFakeClock(Model& m)
    {
        for (Take* t : m.takes)
            for (Animation* a : t->animations)
                a->timer.tickSource = &fakeclock::ticks;
    }

    static void at(Model& m, Uint32 time)
    {
        fakeclock::now = time;
        m.update();
    }
};

const char* const quarterTurn =
    "<take>\n<name> open\n<animation> door\n"
    "<frame>\nrotY: 90\ntimeStamp: 1000\n</frame>\n"
    "</animation>\n</take>\n";

const char* const twoFrames =
    "<take>\n<name> open\n<animation> door\n"
    "<frame>\nrotY: 90\ntimeStamp: 1000\n</frame>\n"
    "<frame>\ntranslationY: 2\nscaleX: -0.5\ntimeStamp: 1500\nvisible: false\n</frame>\n"
    "</animation>\n</take>\n";
}

TEST_F(AnimationTest, AQuarterTurnEndsAtExactlyNinetyDegreesHoweverTheUpdatesFall)
{
    const std::vector<std::vector<Uint32>> schedules = {
        {1000}, {17, 333, 334, 999, 1000}, {1, 2000}, {999, 1001}, {500, 500, 1500}, {3, 7, 11, 1003}};
    for (const auto& schedule : schedules) {
        auto m = load(quarterTurn);
        Object* door = m->objects[0];
        fakeclock::now = 0;
        m->playAnimation("open");
        float previous = 0.0f;
        for (Uint32 time : schedule) {
            at(*m, time);
            EXPECT_GE(door->rotation.y, previous);
            EXPECT_LE(door->rotation.y, 90.0f);
            if (time == 500) {
                EXPECT_FLOAT_EQ(door->rotation.y, 45.0f);
            }
            previous = door->rotation.y;
        }
        EXPECT_EQ(door->rotation.y, 90.0f);
        EXPECT_EQ(door->scale, Vector3(1, 1, 1));  // no scale lines: unchanged
        EXPECT_FALSE(m->currentTake->playing);
        EXPECT_FALSE(m->currentTake->animations[0]->running);
    }
}

TEST_F(AnimationTest, FramesFollowEachOtherAndTheLastHidesTheModel)
{
    auto m = load(twoFrames);
    Object* door = m->objects[0];
    Animation* a = m->takes[0]->animations[0];
    fakeclock::now = 100;
    m->playAnimation("open");
    at(*m, 1100);
    EXPECT_EQ(door->rotation.y, 90.0f);
    EXPECT_EQ(a->currentFrame, a->frames[1]);
    EXPECT_EQ(a->frameStart, 1000);
    EXPECT_EQ(a->frames[1]->startRotation.y, 90.0f);
    at(*m, 1350);
    EXPECT_FLOAT_EQ(door->translation.y, 1.0f);  // 250 of 500 ms
    EXPECT_FLOAT_EQ(door->scale.x, 0.75f);
    EXPECT_TRUE(m->visible);
    at(*m, 1600);
    EXPECT_EQ(door->translation.y, 2.0f);
    EXPECT_EQ(door->scale, Vector3(0.5f, 1, 1));
    EXPECT_FALSE(m->visible);
    EXPECT_EQ(a->currentFrame, a->frames[0]);
    EXPECT_EQ(a->elapsed, 0);
    EXPECT_EQ(a->frameStart, 0);
    EXPECT_FALSE(m->currentTake->playing);

    // Played again, it starts from where the object was left.
    m->setVisibility(true);
    fakeclock::now = 5000;
    m->playAnimation("open");
    at(*m, 6000);
    EXPECT_EQ(door->rotation.y, 180.0f);
}

TEST_F(AnimationTest, PausingATakeKeepsItsElapsedTime)
{
    auto m = load(quarterTurn);
    Object* door = m->objects[0];
    fakeclock::now = 0;
    m->playAnimation("open");
    at(*m, 400);
    m->currentTake->pause();
    EXPECT_TRUE(m->currentTake->animations[0]->paused);
    at(*m, 9000);
    EXPECT_FLOAT_EQ(door->rotation.y, 36.0f);
    fakeclock::now = 10400;
    m->currentTake->pause();
    at(*m, 10500);
    EXPECT_EQ(m->currentTake->animations[0]->elapsed, 500);
    EXPECT_FLOAT_EQ(door->rotation.y, 45.0f);
    at(*m, 11000);
    EXPECT_EQ(door->rotation.y, 90.0f);
}

TEST_F(AnimationTest, SkippingAFrameSetsTheClockToItsEnd)
{
    auto m = load(twoFrames);
    Object* door = m->objects[0];
    Animation* a = m->takes[0]->animations[0];
    m->skipAnimationFrame();  // idle: nothing to skip
    EXPECT_EQ(door->rotation, Vector3());
    EXPECT_EQ(door->scale, Vector3(1, 1, 1));

    fakeclock::now = 0;
    m->playAnimation("open");
    at(*m, 300);
    m->skipAnimationFrame();
    EXPECT_EQ(door->rotation.y, 90.0f);
    EXPECT_EQ(a->elapsed, 1000);
    EXPECT_EQ(a->currentFrame, a->frames[1]);
    at(*m, 550);  // the clock stands 250 ms into the second frame
    EXPECT_EQ(a->elapsed, 1250);
    EXPECT_FLOAT_EQ(door->translation.y, 1.0f);
    m->skipAnimationFrame();  // the last frame: back to the first, stopped
    EXPECT_EQ(door->translation.y, 2.0f);
    EXPECT_FALSE(a->running);
    EXPECT_EQ(a->currentFrame, a->frames[0]);
    EXPECT_TRUE(m->visible);  // skipping leaves visibility alone
}

TEST_F(AnimationTest, CopiesAnimateTheirOwnObjects)
{
    auto m = load(quarterTurn);
    Model copy(*m);
    useFakeClock(copy);
    fakeclock::now = 0;
    copy.playAnimation("open");
    at(copy, 1000);
    EXPECT_EQ(copy.objects[0]->rotation.y, 90.0f);
    EXPECT_EQ(m->objects[0]->rotation.y, 0.0f);
    EXPECT_FALSE(m->currentTake->playing);
}

TEST_F(AnimationTest, UnknownNamesAndMissingFilesDoNothingHarmful)
{
    dir.clearLog();
    auto m = load("<take>\n<name> open\n<animation> nothing\n<frame>\nrotY: 90\ntimeStamp: 10\n"
                  "</frame>\n</animation>\n</take>\n"
                  "<take>\n<name> unclosed\n<animation> door\n<frame>\nrotX: 1\n");
    const std::string text = dir.log();
    EXPECT_NE(text.find("Animation names no object of the model: nothing"), std::string::npos);
    ASSERT_EQ(m->takes.size(), 1u);
    EXPECT_TRUE(m->takes[0]->animations.empty());
    m->playAnimation("open");
    m->playAnimation("no such take");
    at(*m, 100);
    EXPECT_EQ(m->objects[0]->rotation, Vector3());

    Model bare(&engine, "");
    bare.update();
    bare.animate();
    bare.skipAnimationFrame();
    bare.playAnimation("open");

    dir.clearLog();
    EXPECT_FALSE(bare.loadAnimationFile("absent.anim"));
    EXPECT_NE(dir.log().find("Unable to load animation file: absent.anim"), std::string::npos);
}

TEST_F(AnimationTest, RandomTimeStamps)
{
    auto m = load("<take>\n<name> r\n<animation> door\n<frame>\nrotZ: 10\ntimeStamp: 700\n"
                  "randomTimeStamp: true\nminimumTimeStamp: 100\n</frame>\n</animation>\n</take>\n");
    Animation* a = m->takes[0]->animations[0];
    Frame* f = a->frames[0];
    EXPECT_EQ(f->maxTimeStamp, 700);
    EXPECT_EQ(f->minimumTimeStamp, 100);
    EXPECT_EQ(f->timeStamp, 0);
    fakeclock::now = 0;
    m->playAnimation("r");
    at(*m, 5);  // a time stamp of 0 ends the frame at once
    EXPECT_EQ(m->objects[0]->rotation.z, 10.0f);

    for (int i = 0; i < 50; ++i) {
        a->randomizeTimeStamp(f, 200);
        EXPECT_GE(f->timeStamp, 100);
        EXPECT_LT(f->timeStamp, 200);
    }
    a->randomizeTimeStamp(f, 100);  // an empty range gives the minimum
    EXPECT_EQ(f->timeStamp, 100);
}

TEST_F(AnimationTest, TheFlipBookSwapsTheMaterialTexture)
{
    Material* m = new Material;
    m->diffuseMap = new Texture(&engine, "a.png", 0, "");
    engine.materials.push_back(m);
    auto model = load("<take>\n<name> flip\n<animation> door\n"
                      "<frame>\ntexture: a.png\ntimeStamp: 100\n</frame>\n"
                      "<frame>\ntexture: b.png\ntimeStamp: 200\n</frame>\n"
                      "</animation>\n</take>\n");
    Object* door = model->objects[0];
    Animation* a = model->takes[0]->animations[0];
    fakeclock::now = 0;
    model->playAnimation("flip");
    Texture* front = m->diffuseMap;
    ASSERT_EQ(a->flipTextures[0], front);
    ASSERT_NE(a->flipTextures[1], nullptr);
    EXPECT_EQ(a->flipTextures[1]->fileName, "b.png");
    EXPECT_EQ(door->overlayTexture, front);

    at(*model, 150);
    EXPECT_EQ(door->overlayTexture, a->flipTextures[1]);
    ASSERT_EQ(renderer->swaps.size(), 1u);
    EXPECT_EQ(renderer->swaps[0], std::make_pair(front, std::string("b.png")));

    at(*model, 250);
    ASSERT_EQ(renderer->swaps.size(), 3u);
    EXPECT_EQ(renderer->swaps[1], std::make_pair(front, std::string("a.png")));
    EXPECT_EQ(renderer->swaps[2], std::make_pair(a->flipTextures[1], std::string("b.png")));
    EXPECT_EQ(door->overlayTexture, front);
}
