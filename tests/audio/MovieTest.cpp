#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <vector>

#include "support/FakeClock.h"
#include "support/RecordingRenderer.h"
#include "support/WorkDir.h"
#include "audio/Movie.h"
#include "render/RenderEngine.h"
#include "render/Renderer.h"

namespace {
// The intro and the test movie, read where the game finds them.
class MovieTest : public ::testing::Test {
protected:
    WorkDir dir{JADELOOM_SOURCE_DIR};
    RecordingRenderer* renderer = new RecordingRenderer;
    RenderEngine* engine = new RenderEngine(renderer);

    void SetUp() override { fakeclock::now = 1000; }
    void TearDown() override { delete engine; }
    bool logged(const std::string& line) const { return dir.logged(line); }
};
}

TEST_F(MovieTest, OpensTheIntroAndDecodesEveryFrame)
{
    {
        Movie movie(engine, nullptr);
        ASSERT_TRUE(movie.openAVI("intro.avi", ""));
        EXPECT_TRUE(logged("Opened video intro.avi"));
        EXPECT_TRUE(logged("Created GetFrameObject for intro.avi"));
        EXPECT_EQ(320, movie.width);
        EXPECT_EQ(240, movie.height);
        EXPECT_EQ(170, movie.lastFrame);
        EXPECT_EQ(40, movie.msPerFrame);  // 6800 ms / 170 frames
        EXPECT_FALSE(movie.hasSound);

        std::vector<unsigned char> first;
        for (int n = 0; n < movie.lastFrame; ++n) {
            ASSERT_TRUE(movie.grabAVIFrame(n)) << "frame " << n;
            ASSERT_NE(nullptr, movie.pixels);
            long sum = 0;
            for (int i = 0; i < 320 * 240 * 3; ++i)
                sum += movie.pixels[i];
            if (n > 0) {  // the movie fades in from black
                EXPECT_GT(sum, 0) << "frame " << n << " is all black";
            }
            if (n == 0)
                first.assign(movie.pixels, movie.pixels + 320 * 240 * 3);
        }
        EXPECT_EQ(170, renderer->frameUploads);
        EXPECT_FALSE(movie.grabAVIFrame(170));
        EXPECT_FALSE(movie.grabAVIFrame(-1));
        // Going back starts the decoder again from the beginning.
        ASSERT_TRUE(movie.grabAVIFrame(0));
        EXPECT_TRUE(std::equal(first.begin(), first.end(), movie.pixels));
    }
    EXPECT_TRUE(logged("Closed video intro.avi"));
}

TEST_F(MovieTest, FramesAreBlueGreenRedBottomRowFirst)
{
    // 8 x 4 pixels: the upper two rows red, the lower two blue.
    Movie movie(engine, nullptr);
    ASSERT_TRUE(movie.openAVI("tests/data/movie/orient.avi", ""));
    EXPECT_EQ(3, movie.lastFrame);
    EXPECT_EQ(40, movie.msPerFrame);
    ASSERT_TRUE(movie.grabAVIFrame(2));
    const unsigned char* bottom = movie.pixels;
    const unsigned char* top = movie.pixels + 3 * 8 * 3;
    EXPECT_GT(bottom[0], 200);  // blue first
    EXPECT_LT(bottom[2], 50);
    EXPECT_LT(top[0], 50);
    EXPECT_GT(top[2], 200);     // red last
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
        EXPECT_EQ(0u, movie.texture);
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
    EXPECT_TRUE(renderer->movieFrames.empty());
    EXPECT_TRUE(movie.isPlaying());

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
    EXPECT_EQ(0, movie.frame);
    EXPECT_EQ(0, movie.elapsed);
    EXPECT_EQ(3u, renderer->movieFrames.size());
    EXPECT_FALSE(movie.isPlaying());
}

TEST_F(MovieTest, BlockingPlayRunsToTheEnd)
{
    Movie movie(engine, nullptr);
    ASSERT_TRUE(movie.openAVI("intro.avi", ""));
    movie.tickSource = &fakeclock::stepping;
    movie.play(true);
    EXPECT_TRUE(movie.finished);
    EXPECT_FALSE(movie.skipped);
    // 6800 ms at 25 ms a step: 271 frames drawn, the time line never goes back.
    ASSERT_EQ(271u, renderer->movieFrames.size());
    EXPECT_EQ(0, renderer->movieFrames.front());
    EXPECT_EQ(169, renderer->movieFrames.back());
    EXPECT_TRUE(std::is_sorted(renderer->movieFrames.begin(), renderer->movieFrames.end()));
}
