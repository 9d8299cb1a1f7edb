#include <AL/al.h>
#include <fstream>
#include <iterator>

#include "AudioFixture.h"
#include "support/WorkDir.h"
#include "audio/OggStream.h"

namespace {
using OggStreamTest = AudioTest;

const std::string stereo = "tests/data/audio/stereo.ogg";  // about 5.4 buffers
}

TEST_F(OggStreamTest, OneStreamPerFileInTheFilesFormat)
{
    SoundEngine engine;
    const int a = engine.addStream(stereo, false);
    const int b = engine.addStream("tests/data/audio/mono.ogg", false);
    EXPECT_EQ(a, engine.addStream(stereo, true));
    EXPECT_EQ(1, lines("Loaded Ogg stream: " + stereo));
    ASSERT_EQ(2u, engine.streams.size());
    EXPECT_EQ(AL_FORMAT_STEREO16, engine.streams[static_cast<size_t>(a)]->format);
    EXPECT_EQ(AL_FORMAT_MONO16, engine.streams[static_cast<size_t>(b)]->format);
    EXPECT_EQ(22050, engine.streams[static_cast<size_t>(b)]->vorbisInfo->rate);
}

TEST_F(OggStreamTest, FilesThatAreNotVorbisOrTooShortDoNotPlay)
{
    WorkDir scratch;
    std::ofstream("noise.ogg") << std::string(5000, 'x');
    SoundEngine engine;
    EXPECT_EQ(SoundEngine::noSound, engine.addStream("noise.ogg", true));
    EXPECT_EQ(1, scratch.count("Could not open Ogg stream: noise.oggNot Vorbis data.")) << scratch.log();
    EXPECT_TRUE(engine.streams.empty());

    // Less sound than four buffers hold.
    OggStream shortStream;
    shortStream.open(JADELOOM_SOURCE_DIR "/tests/data/audio/short.ogg");
    EXPECT_FALSE(shortStream.playback());
    EXPECT_FALSE(shortStream.playing());
}

TEST_F(OggStreamTest, StopThenPlayGoesOnWhereTheStreamStopped)
{
    SoundEngine engine;
    const int music = engine.addStream("Assets/Sounds/sakura.ogg", true);
    OggStream& stream = *engine.streams.at(static_cast<size_t>(music));
    engine.playStream(music);
    ASSERT_TRUE(stream.playing());
    engine.playStream(music);  // already playing: nothing is decoded
    const ogg_int64_t first = ov_pcm_tell(&stream.vorbisFile);
    EXPECT_GT(first, 0);
    engine.stopStream(music);
    EXPECT_FALSE(stream.playing());
    engine.playStream(music);
    EXPECT_TRUE(stream.playing());
    EXPECT_EQ(2 * first, ov_pcm_tell(&stream.vorbisFile));
}

TEST_F(OggStreamTest, ALoopingStreamStartsOverAtItsEnd)
{
    SoundEngine engine;
    const int index = engine.addStream(stereo, true);
    engine.playStream(index);
    frames(engine, 1600);
    const int restarts = lines("Loaded Ogg stream: " + stereo) - 1;
    EXPECT_GE(restarts, 2) << log.str();
    EXPECT_EQ(restarts, lines("Ogg stream was interrupted.")) << log.str();
    // It never finishes: a restart leaves it starved for one frame only.
    OggStream& stream = *engine.streams[0];
    EXPECT_TRUE(stream.active);
    for (int i = 0; i < 2 && !stream.playing(); ++i)
        engine.update();
    EXPECT_TRUE(stream.playing());
}

TEST_F(OggStreamTest, ANonLoopingStreamPlaysOnceThenFinishes)
{
    SoundEngine engine;
    const int index = engine.addStream(stereo, false);
    engine.playStream(index);
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
    WorkDir scratch;
    // The music with two of its pages overwritten about a second in, past
    // what the first four buffers hold: the headers still read, and the
    // decoder fails while the stream is being refilled.
    std::ifstream in(JADELOOM_SOURCE_DIR "/Assets/Sounds/sakura.ogg", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.replace(17500, 4000, 4000, '\x55');
    std::ofstream("damaged.ogg", std::ios::binary) << bytes;

    SoundEngine engine;
    const int good = engine.addStream(JADELOOM_SOURCE_DIR "/" + stereo, true);
    const int damaged = engine.addStream("damaged.ogg", true);
    ASSERT_NE(SoundEngine::noSound, damaged);
    engine.playStream(good);
    engine.playStream(damaged);
    EXPECT_TRUE(engine.streams[1]->playing());  // the damage lies further on
    frames(engine, 1000);
    EXPECT_EQ(1, scratch.count("Ogg stream stopped: damaged.ogg")) << scratch.log();
    EXPECT_FALSE(engine.streams[1]->active);
    EXPECT_FALSE(engine.streams[1]->playing());
    EXPECT_TRUE(engine.streams[0]->playing());
}
