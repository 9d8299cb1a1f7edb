#include <AL/al.h>
#include <filesystem>

#include "AudioFixture.h"

namespace {
using SoundPlayback = AudioTest;

int bufferValue(const SoundEngine& engine, int index, ALenum what)
{
    ALint value = 0;
    alGetBufferi(engine.sounds.at(static_cast<size_t>(index)).buffer, what, &value);
    return value;
}
}

TEST_F(SoundPlayback, EffectTableKeepsOneEntryPerFileWithTheFilesFormat)
{
    SoundEngine engine;
    ASSERT_TRUE(engine.deviceOpen) << log.str();
    EXPECT_EQ(1, lines("Sound Engine Initialized Properly"));
    const int click = engine.addSound("Assets/Sounds/click.wav", false);
    EXPECT_EQ(click, engine.addSound("Assets/Sounds/click.wav", false));
    EXPECT_EQ(1, lines("Loaded sound file: Assets/Sounds/click.wav"));
    const int mono = engine.addSound("tests/data/audio/mono.ogg", true);
    const int stereo = engine.addSound("tests/data/audio/stereo.ogg", false);
    ASSERT_EQ(3u, engine.sounds.size());

    const int expected[3][3] = {{click, 1, 44100}, {mono, 1, 22050}, {stereo, 2, 44100}};
    for (const auto& e : expected) {
        EXPECT_EQ(e[1], bufferValue(engine, e[0], AL_CHANNELS)) << e[0];
        EXPECT_EQ(e[2], bufferValue(engine, e[0], AL_FREQUENCY)) << e[0];
        EXPECT_EQ(16, bufferValue(engine, e[0], AL_BITS)) << e[0];
    }
    ALint looping = 0;
    alGetSourcei(engine.sounds[static_cast<size_t>(mono)].source, AL_LOOPING, &looping);
    EXPECT_EQ(AL_TRUE, looping);
    EXPECT_FALSE(engine.checkError()) << log.str();
}

TEST_F(SoundPlayback, AClickReachesTheOutput)
{
    {
        SoundEngine engine;
        engine.playSound(engine.addSound("Assets/Sounds/click.wav", false));
        wait(300);
    }
    EXPECT_GT(waveoutput::peak(waveoutput::samples()), 3000);
}

TEST_F(SoundPlayback, VolumeZeroSilencesAClick)
{
    {
        SoundEngine engine;
        engine.setVolume(0.0f);
        engine.playSound(engine.addSound("Assets/Sounds/click.wav", false));
        wait(300);
    }
    const std::vector<int16_t> out = waveoutput::samples();
    EXPECT_GT(out.size(), 4410u);
    EXPECT_EQ(0, waveoutput::peak(out));
}

// The first effect has handle 0; a file that loads nothing must not stand
// for it.
TEST_F(SoundPlayback, ANameThatIsNeitherOggNorWavPlaysNothing)
{
    {
        SoundEngine engine;
        ASSERT_EQ(0, engine.addSound("Assets/Sounds/click.wav", false));
        const int none = engine.addSound("Assets/Sounds/click.mp3", false);
        EXPECT_EQ(SoundEngine::noSound, none);
        EXPECT_EQ(1u, engine.sounds.size());
        engine.playSound(none);
        engine.stopSound(none);
        wait(300);
    }
    EXPECT_EQ(0, waveoutput::peak(waveoutput::samples()));
}

TEST_F(SoundPlayback, OpenALErrorsAreLoggedWithTheirName)
{
    SoundEngine engine;
    alSourcePlay(4242);
    EXPECT_TRUE(engine.checkError());
    EXPECT_EQ(1, lines("Sound Engine Error: AL_INVALID_NAME")) << log.str();
    EXPECT_FALSE(engine.checkError());
}

// The device cannot be opened (here: the output file cannot be written).
TEST_F(SoundPlayback, WithoutADeviceTheGameRunsSilent)
{
    const std::filesystem::path dir = std::filesystem::path(waveoutput::path()).parent_path();
    const std::filesystem::path aside = dir.string() + "-aside";
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
        EXPECT_FALSE(engine.checkError());
    }
    std::filesystem::rename(aside, dir);
}
