#include <AL/al.h>
#include <array>

#include "AudioFixture.h"

using SoundPlayback = AudioTest;

TEST_F(SoundPlayback, EffectTableKeepsOneEntryPerFileInTheFilesFormat)
{
    SoundEngine engine;
    ASSERT_TRUE(engine.deviceOpen) << log.str();
    const int click = engine.addSound("Assets/Sounds/click.wav", false);
    EXPECT_EQ(click, engine.addSound("Assets/Sounds/click.wav", false));
    EXPECT_EQ(1, lines("Loaded sound file: Assets/Sounds/click.wav"));
    const int mono = engine.addSound("tests/data/audio/mono.ogg", true);
    const int stereo = engine.addSound("tests/data/audio/stereo.ogg", false);
    ASSERT_EQ(3u, engine.sounds.size());
    // handle, channels, rate
    for (const auto& e : {std::array<int, 3>{click, 1, 44100}, {mono, 1, 22050}, {stereo, 2, 44100}}) {
        ALint channels = 0, rate = 0, bits = 0;
        const ALuint buffer = engine.sounds.at(static_cast<size_t>(e[0])).buffer;
        alGetBufferi(buffer, AL_CHANNELS, &channels);
        alGetBufferi(buffer, AL_FREQUENCY, &rate);
        alGetBufferi(buffer, AL_BITS, &bits);
        EXPECT_EQ(e[1], channels);
        EXPECT_EQ(e[2], rate);
        EXPECT_EQ(16, bits);
    }
    ALint looping = 0;
    alGetSourcei(engine.sounds[static_cast<size_t>(mono)].source, AL_LOOPING, &looping);
    EXPECT_EQ(AL_TRUE, looping);
    EXPECT_FALSE(engine.checkError()) << log.str();
}

// volume, what to play, whether it is heard
struct Playing {
    float volume;
    std::string file;
    bool heard;
};
class SoundOutput : public AudioTest, public ::testing::WithParamInterface<Playing> {};

TEST_P(SoundOutput, AnEffectPlayedReachesTheOutputUnlessSilenced)
{
    {
        SoundEngine engine;
        // The click takes handle 0, which a file that failed must not stand for.
        engine.addSound("Assets/Sounds/click.wav", false);
        engine.setVolume(GetParam().volume);
        engine.playSound(engine.addSound(GetParam().file, false));
        wait(300);
    }
    if (GetParam().heard)
        EXPECT_GT(WaveOutput::peak(), 3000);
    else
        EXPECT_EQ(0, WaveOutput::peak());
}
INSTANTIATE_TEST_SUITE_P(Effects, SoundOutput,
                         ::testing::Values(Playing{1.0f, "Assets/Sounds/click.wav", true},
                                           Playing{0.0f, "Assets/Sounds/click.wav", false},
                                           Playing{1.0f, "Assets/Sounds/click.mp3", false}));

// No device can be opened: here, the output file cannot be written.
TEST_F(SoundPlayback, WithoutADeviceTheGameRunsSilent)
{
    const std::filesystem::path dir = WaveOutput::directory, aside = dir.string() + "-aside";
    std::filesystem::rename(dir, aside);
    {
        SoundEngine engine;
        EXPECT_FALSE(engine.deviceOpen);
        EXPECT_NE(log.str().find("Sound Engine Init Failed: "), std::string::npos) << log.str();
        EXPECT_NE(log.str().find("The game runs without sound."), std::string::npos);
        const int click = engine.addSound("Assets/Sounds/click.wav", false);
        EXPECT_EQ(0, click);
        engine.playSound(click);
        engine.setVolume(0.5f);
        const int music = engine.addStream("Assets/Sounds/sakura.ogg", true);
        EXPECT_EQ(SoundEngine::noSound, music);
        engine.playStream(music);
        engine.update();
    }
    std::filesystem::rename(aside, dir);
}
