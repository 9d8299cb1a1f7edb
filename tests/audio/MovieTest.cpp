#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <vector>

#include "support/FakeClock.h"
#include "support/RecordingRenderer.h"
#include "support/WorkDir.h"
#include "audio/Movie.h"

namespace {
// The intro and the test movie, read where the game finds them.
class MovieTest : public ::testing::Test {
protected:
    WorkDir dir{JADELOOM_SOURCE_DIR};
    RenderEngine* engine = new RenderEngine(std::make_unique<RecordingRenderer>());
    RecordingRenderer* renderer = static_cast<RecordingRenderer*>(engine->renderer.get());

    void SetUp() override { fakeclock::now = 1000; }
    void TearDown() override { delete engine; }
};
}

TEST_F(MovieTest, FramesAreBlueGreenRedBottomRowFirst)
{
    // 8 x 4 pixels: the upper two rows red, the lower two blue.
    Movie movie(engine, nullptr);
    ASSERT_TRUE(movie.openAVI("tests/data/movie/orient.avi", ""));
    ASSERT_TRUE(movie.grabAVIFrame(2));
    const unsigned char* bottom = movie.pixels;
    const unsigned char* top = movie.pixels + 3 * 8 * 3;
    EXPECT_TRUE(bottom[0] > 200 && bottom[2] < 50);  // blue first
    EXPECT_TRUE(top[0] < 50 && top[2] > 200);        // red last
}

TEST_F(MovieTest, UnreadableFilesAreRefusedAndPlayNothing)
{
    WorkDir scratch;
    std::mt19937 random(7);
    std::ofstream garbage("garbage.avi", std::ios::binary);
    for (int i = 0; i < 20000; ++i)
        garbage.put(static_cast<char>(random()));
    garbage.close();
    // A real header promising 170 frames, cut off after about 35 of them.
    std::ifstream intro(std::string(JADELOOM_SOURCE_DIR) + "/intro.avi", std::ios::binary);
    std::vector<char> head(300000);
    intro.read(head.data(), static_cast<std::streamsize>(head.size()));
    std::ofstream("cut.avi", std::ios::binary).write(head.data(), intro.gcount());

    for (const char* name : {"missing.avi", "garbage.avi"}) {
        Movie movie(engine, nullptr);
        EXPECT_FALSE(movie.openAVI(name, ""));
        EXPECT_TRUE(scratch.logged(std::string("Error opening video ") + name));
        movie.tickSource = &fakeclock::stepping;
        movie.play(true);
        movie.update();
        EXPECT_TRUE(renderer->movieFrames.empty());
    }

    // Frames the cut file promises but lacks are not drawn; the last one
    // decoded stays, and the movie still ends on time.
    Movie cut(engine, nullptr);
    ASSERT_TRUE(cut.openAVI("cut.avi", ""));
    cut.tickSource = &fakeclock::stepping;
    cut.play(true);
    EXPECT_TRUE(cut.finished);
    EXPECT_FALSE(renderer->movieFrames.empty());
    EXPECT_NE(nullptr, cut.pixels);
    EXPECT_FALSE(cut.grabAVIFrame(cut.lastFrame - 1));
}

TEST_F(MovieTest, FrameFollowsTheElapsedTime)
{
    Movie movie(engine, nullptr);
    ASSERT_TRUE(movie.openAVI("intro.avi", ""));
    movie.tickSource = &fakeclock::ticks;
    movie.play(false);

    // 250 frames over 10000 ms: the last frame shows just before the end.
    movie.lastFrame = 250;
    movie.msPerFrame = 40;
    fakeclock::now += 39;
    movie.update();
    fakeclock::now += 2000;  // a slow step skips frames instead of slowing down
    movie.update();
    fakeclock::now += 9999 - 2039;
    movie.update();
    EXPECT_EQ((std::vector<int>{0, 50, 249}), renderer->movieFrames);
    EXPECT_FALSE(movie.finished);
    fakeclock::now += 1;
    movie.update();
    EXPECT_TRUE(movie.finished);
    EXPECT_EQ(3u, renderer->movieFrames.size());
}
