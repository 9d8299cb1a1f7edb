#pragma once
#include <string>

// The header's ready-made file callbacks are unused here; leaving them out
// keeps every file that includes this one free of unused statics.
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

// A long Ogg Vorbis sound (the music) played without decoding it whole: four
// buffers of decoded PCM are queued on one source, and each buffer the source
// has finished is refilled with the next piece of the file. Needs a current
// OpenAL context; the SoundEngine owns every stream and services it each frame.
//
// States: idle (active clear, source stopped) after open and stop; playing
// (active set, source playing) after playback; starved (active set, source
// stopped) after an underrun or a restart of a looping file, left by the next
// SoundEngine::update; finished (active clear) once a non-looping file has
// run out.
class OggStream {
public:
    // Bytes of PCM decoded into one buffer at a time.
    static constexpr int bufferBytes = 32768;

    std::string file;
    bool loop = false;    // at the end of the file, start again from the beginning
    bool paused = false;  // held by pause(): the engine leaves a paused stream alone
    bool active = false;  // meant to be playing
    unsigned int buffers[4] = {0, 0, 0, 0};
    int format = 0;  // AL_FORMAT_MONO16 for one channel, otherwise AL_FORMAT_STEREO16
    OggVorbis_File vorbisFile{};
    unsigned int source = 0;
    vorbis_info* vorbisInfo = nullptr;
    vorbis_comment* vorbisComment = nullptr;
    bool opened = false;  // the decoder, the buffers and the source exist

    OggStream() = default;
    OggStream(const OggStream&) = delete;
    OggStream& operator=(const OggStream&) = delete;
    ~OggStream();

    // Opens the file and makes the buffers and the source. Throws
    // std::runtime_error (logged) when the file is not readable Ogg Vorbis.
    void open(const std::string& file);
    // Stops and frees the source, the buffers and the decoder.
    void release();
    // Starts playing unless already playing or meant to be; false when the
    // file had too little left to fill all four buffers.
    bool playback();
    // Fills the four buffers from where the decoder stands and plays them;
    // false, with nothing queued, when the file has too little left.
    bool fillAndPlay();
    bool playing();
    // Refills the buffers the source has finished; false when the file ran
    // out (a looping file is then reopened, to be started by the next
    // SoundEngine::update). Throws std::runtime_error on a decoding error.
    bool update();
    // Fills buffer with the next decoded piece; false at the end of the file.
    // Throws std::runtime_error (logged) on a decoding error.
    bool stream(unsigned int buffer);
    void empty();
    // Holds the source where it is, or lets it go on.
    void pause();
    void stop();

    // Logs "Sound Engine Error: " and the text of a pending OpenAL error.
    bool check();
    static std::string errorString(int code);
    static std::string GetALErrorString(int code);

private:
    void deleteSourceAndBuffers();
};
