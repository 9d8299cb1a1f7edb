#include <gtest/gtest.h>

#include <memory>

#include "support/FakeClock.h"
#include "support/RecordingRenderer.h"
#include "support/WorkDir.h"
#include "render/Animation.h"
#include "render/Model.h"
#include "render/Object.h"
#include "render/Take.h"

namespace {
class AnimationTest : public ::testing::Test {
protected:
    WorkDir dir;
    RenderEngine engine{std::make_unique<RecordingRenderer>()};

    ~AnimationTest() override { engine.clean_up(); }

    // A model with the objects "door" and "frame" whose animation file is
    // the text given; its takes run on the fake clock, started at 0.
    std::unique_ptr<Model> load(const std::string& animation)
    {
        WorkDir::write("door.anim", animation);
        WorkDir::write("door.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\ng door\nf 1 2 3\ng frame\nf 1 2 3\n"
                                   "animation door.anim\n");
        auto m = std::make_unique<Model>(&engine, "door.obj");
        for (const auto& t : m->takes)
            for (const auto& a : t->animations)
                a->timer.tickSource = &fakeclock::ticks;
        fakeclock::now = 0;
        return m;
    }
    static void at(Model& m, Uint32 time)
    {
        fakeclock::now = time;
        m.update();
    }
};

std::string take(const std::string& frames)
{
    return "<take>\n<name> open\n<animation> door\n" + frames + "</animation>\n</take>\n";
}
const std::string quarterTurn = take("<frame>\nrotY: 90\ntimeStamp: 1000\n</frame>\n");
const std::string twoFrames = take("<frame>\nrotY: 90\ntimeStamp: 1000\n</frame>\n"
                                   "<frame>\ntranslationY: 2\ntimeStamp: 1500\nvisible: false\n</frame>\n");
}

TEST_F(AnimationTest, AQuarterTurnEndsAtExactlyNinetyDegreesHoweverTheUpdatesFall)
{
    for (const std::vector<Uint32>& schedule :
         {std::vector<Uint32>{1000}, {17, 333, 334, 999, 1000}, {1, 2000}, {999, 1001}, {500, 500, 1500}}) {
        auto m = load(quarterTurn);
        Object* door = m->objects[0];
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
        EXPECT_EQ(m->objects[1]->rotation.y, 0.0f);
        EXPECT_FALSE(m->currentTake->playing);
    }
}

TEST_F(AnimationTest, FramesFollowEachOtherAndTheLastHidesTheModel)
{
    auto m = load(twoFrames);
    Object* door = m->objects[0];
    m->playAnimation("open");
    at(*m, 1100);
    EXPECT_EQ(door->rotation.y, 90.0f);
    at(*m, 1350);
    EXPECT_FLOAT_EQ(door->translation.y, 1.0f);  // 250 of 500 ms
    EXPECT_TRUE(m->visible);
    at(*m, 1600);
    EXPECT_EQ(door->translation.y, 2.0f);
    EXPECT_FALSE(m->visible);
    EXPECT_FALSE(m->currentTake->playing);
}

TEST_F(AnimationTest, PausingKeepsTheElapsedTime)
{
    auto m = load(quarterTurn);
    Object* door = m->objects[0];
    m->playAnimation("open");
    at(*m, 400);
    m->currentTake->pause();
    at(*m, 9000);
    EXPECT_FLOAT_EQ(door->rotation.y, 36.0f);
    fakeclock::now = 10400;
    m->currentTake->pause();
    at(*m, 10500);
    EXPECT_FLOAT_EQ(door->rotation.y, 45.0f);
    at(*m, 11000);
    EXPECT_EQ(door->rotation.y, 90.0f);
}
