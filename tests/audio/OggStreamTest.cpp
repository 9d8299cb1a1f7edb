#include "AudioFixture.h"
#include "audio/OggStream.h"

namespace {
using OggStreamTest = AudioTest;

const std::string stereo = "tests/data/audio/stereo.ogg";  // about 5.4 buffers
}

TEST_F(OggStreamTest, StopThenPlayGoesOnWhereTheStreamStoppedWithOneStreamPerFile)
{
    SoundEngine engine;
    const int music = engine.addStream("Assets/Sounds/sakura.ogg", true);
    EXPECT_EQ(music, engine.addStream("Assets/Sounds/sakura.ogg", false));
    OggStream& stream = *engine.streams.at(static_cast<size_t>(music));
    engine.playStream(music);
    ASSERT_TRUE(stream.playing());
    engine.playStream(music);  // already playing: nothing is decoded
    const ogg_int64_t first = ov_pcm_tell(&stream.vorbisFile);
    EXPECT_GT(first, 0);
    engine.stopStream(music);
    EXPECT_FALSE(stream.playing());
    engine.playStream(music);
    EXPECT_EQ(2 * first, ov_pcm_tell(&stream.vorbisFile));
}

TEST_F(OggStreamTest, ALoopingStreamStartsOverAtItsEndAndAnotherFinishes)
{
    for (bool loop : {true, false}) {
        dir.clearLog();
        SoundEngine engine;
        engine.playStream(engine.addStream(stereo, loop));
        frames(engine, 1600);
        const int restarts = dir.count("Loaded Ogg stream: " + stereo) - 1;
        EXPECT_EQ(restarts, dir.count("Ogg stream was interrupted.")) << dir.log();
        OggStream& stream = *engine.streams[0];
        if (loop) {
            EXPECT_GE(restarts, 2) << dir.log();
            // It never finishes: a restart leaves it starved for one frame only.
            for (int i = 0; i < 2 && !stream.playing(); ++i)
                engine.update();
            EXPECT_TRUE(stream.playing());
        } else {
            EXPECT_EQ(0, restarts);
            EXPECT_FALSE(stream.playing());
            EXPECT_EQ(ov_pcm_total(&stream.vorbisFile, -1), ov_pcm_tell(&stream.vorbisFile));
        }
    }
}

TEST_F(OggStreamTest, ALoopingStreamStoppedNearItsEndPlaysAgainFromItsStart)
{
    SoundEngine engine;
    const int music = engine.addStream(stereo, true);
    OggStream& stream = *engine.streams.at(static_cast<size_t>(music));
    engine.playStream(music);
    engine.stopStream(music);
    // Less than the queued buffers' worth of the file is left.
    ASSERT_EQ(0, ov_pcm_seek(&stream.vorbisFile, ov_pcm_total(&stream.vorbisFile, -1) - 1000));
    engine.playStream(music);
    frames(engine, 200);
    EXPECT_TRUE(stream.playing());
    EXPECT_LT(ov_pcm_tell(&stream.vorbisFile), ov_pcm_total(&stream.vorbisFile, -1));
}

TEST_F(OggStreamTest, ADecodingErrorStopsOnlyThatStream)
{
    WorkDir scratch;
    // The music with two of its pages overwritten about a second in, past
    // what the first four buffers hold: the headers still read, and the
    // decoder fails while the stream is being refilled.
    std::string bytes = WorkDir::read(JADELOOM_SOURCE_DIR "/Assets/Sounds/sakura.ogg");
    bytes.replace(17500, 4000, 4000, '\x55');
    WorkDir::write("damaged.ogg", bytes);

    SoundEngine engine;
    const int good = engine.addStream(JADELOOM_SOURCE_DIR "/" + stereo, true);
    const int damaged = engine.addStream("damaged.ogg", true);
    ASSERT_NE(SoundEngine::noSound, damaged);
    engine.playStream(good);
    engine.playStream(damaged);
    EXPECT_TRUE(engine.streams[1]->playing());  // the damage lies further on
    frames(engine, 1000);
    EXPECT_EQ(1, scratch.count("Ogg stream stopped: damaged.ogg")) << scratch.log();
    EXPECT_FALSE(engine.streams[1]->playing());
    EXPECT_TRUE(engine.streams[0]->playing());
}
