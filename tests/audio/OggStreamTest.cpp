#include <AL/al.h>

#include "AudioFixture.h"
#include "support/WorkDir.h"
#include "audio/OggStream.h"

namespace {
using OggStreamTest = AudioTest;

const std::string stereo = "tests/data/audio/stereo.ogg";  // 1 s, about 5.4 buffers
}

TEST_F(OggStreamTest, OneStreamPerFileInTheFilesFormat)
{
    SoundEngine engine;
    const int a = engine.addStream(stereo, false);
    EXPECT_EQ(1, engine.addStream("tests/data/audio/mono.ogg", false));
    EXPECT_EQ(a, engine.addStream(stereo, true));
    EXPECT_EQ(1, lines("Loaded Ogg stream: " + stereo));
    ASSERT_EQ(2u, engine.streams.size());
    EXPECT_EQ(AL_FORMAT_STEREO16, engine.streams[0]->format);
    EXPECT_EQ(AL_FORMAT_MONO16, engine.streams[1]->format);
    EXPECT_EQ(22050, engine.streams[1]->vorbisInfo->rate);
}

TEST_F(OggStreamTest, FilesThatAreNotVorbisOrTooShortDoNotPlay)
{
    WorkDir dir;
    std::ofstream("noise.ogg") << std::string(5000, 'x');
    SoundEngine engine;
    EXPECT_EQ(SoundEngine::noSound, engine.addStream("noise.ogg", true));
    EXPECT_EQ(1, lines("Could not open Ogg stream: noise.oggNot Vorbis data.")) << log.str();
    EXPECT_TRUE(engine.streams.empty());

    OggStream tooShort;  // less sound than four buffers hold
    tooShort.open(JADELOOM_SOURCE_DIR "/tests/data/audio/short.ogg");
    EXPECT_FALSE(tooShort.playback());
    EXPECT_FALSE(tooShort.playing());
}

TEST_F(OggStreamTest, StopThenPlayGoesOnWhereTheStreamStopped)
{
    SoundEngine engine;
    const int music = engine.addStream("Assets/Sounds/sakura.ogg", true);
    OggStream& stream = *engine.streams.at(static_cast<size_t>(music));
    engine.playStream(music);
    engine.playStream(music);  // already playing: nothing more is decoded
    const ogg_int64_t first = ov_pcm_tell(&stream.vorbisFile);
    EXPECT_TRUE(stream.playing());
    engine.stopStream(music);
    EXPECT_FALSE(stream.playing());
    engine.playStream(music);
    EXPECT_TRUE(stream.playing());
    EXPECT_EQ(2 * first, ov_pcm_tell(&stream.vorbisFile));
}

TEST_F(OggStreamTest, ALoopingStreamStartsOverAtItsEnd)
{
    SoundEngine engine;
    engine.playStream(engine.addStream(stereo, true));
    frames(engine, 1600);
    const int restarts = lines("Loaded Ogg stream: " + stereo) - 1;
    EXPECT_GE(restarts, 2) << log.str();
    EXPECT_EQ(restarts, lines("Ogg stream was interrupted.")) << log.str();
    // It never finishes: a restart leaves it starved for one frame only.
    OggStream& stream = *engine.streams[0];
    for (int i = 0; i < 2 && !stream.playing(); ++i)
        engine.update();
    EXPECT_TRUE(stream.playing());
}

TEST_F(OggStreamTest, ANonLoopingStreamPlaysOnceThenFinishes)
{
    SoundEngine engine;
    engine.playStream(engine.addStream(stereo, false));
    frames(engine, 1500);
    OggStream& stream = *engine.streams[0];
    EXPECT_FALSE(stream.playing());
    EXPECT_EQ(ov_pcm_total(&stream.vorbisFile, -1), ov_pcm_tell(&stream.vorbisFile));
    EXPECT_EQ(1, lines("Loaded Ogg stream: " + stereo));
    EXPECT_LE(lines("Ogg abruptly stopped."), 1);
    EXPECT_EQ(0, lines("Ogg stream was interrupted.")) << log.str();
}

TEST_F(OggStreamTest, ADecodingErrorStopsOnlyThatStream)
{
    // The music with two of its pages overwritten about a second in, past
    // what the first four buffers hold: the headers still read, and the
    // decoder fails while the stream is being refilled.
    std::ifstream in("Assets/Sounds/sakura.ogg", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.replace(17500, 4000, 4000, '\x55');
    WorkDir dir(std::string(), WorkDir::keepLog);
    std::ofstream("damaged.ogg", std::ios::binary) << bytes;

    SoundEngine engine;
    engine.playStream(engine.addStream(JADELOOM_SOURCE_DIR "/" + stereo, true));
    engine.playStream(engine.addStream("damaged.ogg", true));
    EXPECT_TRUE(engine.streams.at(1)->playing());
    frames(engine, 1000);
    EXPECT_EQ(1, lines("Ogg stream stopped: damaged.ogg")) << log.str();
    EXPECT_FALSE(engine.streams[1]->active);
    EXPECT_FALSE(engine.streams[1]->playing());
    EXPECT_TRUE(engine.streams[0]->playing());
}
