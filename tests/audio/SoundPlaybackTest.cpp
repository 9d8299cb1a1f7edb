#include "AudioFixture.h"

using SoundPlayback = AudioTest;

TEST_F(SoundPlayback, DamagedFilesAreRefusedWithTheirReason)
{
    WorkDir scratch;
    std::ofstream("noise.ogg") << std::string(5000, 'x');
    std::ofstream("noise.wav") << "RIFF garbage";
    SoundEngine engine;
    for (const char* file : {"noise.ogg", "noise.wav", "missing.ogg"})
        EXPECT_EQ(SoundEngine::noSound, engine.addSound(file, false)) << file;
    EXPECT_EQ(SoundEngine::noSound, engine.addStream("noise.ogg", true));
    EXPECT_EQ(1, scratch.count("Failed to load sound file: noise.oggNot Vorbis data."));
    EXPECT_EQ(1, scratch.count("Could not open Ogg stream: noise.oggNot Vorbis data."));
    EXPECT_TRUE(engine.sounds.empty() && engine.streams.empty());
}

// No device can be opened: here, the output file cannot be written.
TEST_F(SoundPlayback, WithoutADeviceTheGameRunsSilent)
{
    const std::filesystem::path out = WaveOutput::directory, aside = out.string() + "-aside";
    std::filesystem::rename(out, aside);
    {
        SoundEngine engine;
        EXPECT_FALSE(engine.deviceOpen);
        EXPECT_EQ(1, dir.count("The game runs without sound."));
        const int click = engine.addSound("Assets/Sounds/click.wav", false);
        engine.playSound(click);
        engine.setVolume(0.5f);
        const int music = engine.addStream("Assets/Sounds/sakura.ogg", true);
        EXPECT_EQ(SoundEngine::noSound, music);
        engine.playStream(music);
        engine.update();
    }
    std::filesystem::rename(aside, out);
}
