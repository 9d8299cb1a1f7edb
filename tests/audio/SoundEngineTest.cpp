#include <gtest/gtest.h>

#include <AL/al.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "support/WorkDir.h"
#include "audio/SoundEngine.h"

namespace {
// The shipped sounds, read where the game finds them.
class SoundEngineTest : public ::testing::Test {
protected:
    WorkDir dir{JADELOOM_SOURCE_DIR};
};
}

TEST_F(SoundEngineTest, DecodesTheShippedSoundsWithTheirFormatAndRate)
{
    std::vector<char> pcm;
    int format = 0, rate = 0;
    ASSERT_TRUE(SoundEngine::LoadOGG("Assets/Sounds/sakura.ogg", pcm, format, rate));
    EXPECT_EQ(format, AL_FORMAT_STEREO16);
    EXPECT_EQ(rate, 44100);
    EXPECT_GT(pcm.size(), 60u * 44100u * 4u);  // at least a minute
    ASSERT_TRUE(SoundEngine::LoadWAV("Assets/Sounds/click.wav", pcm, format, rate));
    EXPECT_GT(pcm.size(), 1000u);
}

TEST_F(SoundEngineTest, DamagedFilesAreRefusedWithTheirReason)
{
    WorkDir scratch;
    std::ofstream("noise.ogg") << std::string(5000, 'x');
    std::ofstream("noise.wav") << "RIFF garbage";

    SoundEngine engine;
    EXPECT_EQ(-1, engine.addSound("noise.ogg", false));
    EXPECT_NE(scratch.log().find("Failed to load sound file: noise.oggNot Vorbis data."), std::string::npos)
        << scratch.log();
    EXPECT_EQ(-1, engine.addSound("noise.wav", false));
    EXPECT_EQ(-1, engine.addSound("missing.ogg", false));
    EXPECT_TRUE(engine.sounds.empty());
}
