#include "audio/OggStream.h"

#include <AL/al.h>
#include <stdexcept>

#include "audio/SoundEngine.h"
#include "base/Log.h"

OggStream::~OggStream()
{
    release();
}

void OggStream::open(const std::string& path)
{
    file = path;
    const int result = ov_fopen(path.c_str(), &vorbisFile);
    if (result != 0) {
        const std::string message = "Could not open Ogg stream: " + path + errorString(result);
        outputError(message);
        throw std::runtime_error(message);
    }
    opened = true;
    vorbisInfo = ov_info(&vorbisFile, -1);
    vorbisComment = ov_comment(&vorbisFile, -1);
    format = vorbisInfo->channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;

    alGenBuffers(4, buffers);
    check();
    alGenSources(1, &source);
    check();
    // Music is not placed in the room: it sits on the listener.
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSource3f(source, AL_VELOCITY, 0.0f, 0.0f, 0.0f);
    alSource3f(source, AL_DIRECTION, 0.0f, 0.0f, 0.0f);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    check();
    outputError("Loaded Ogg stream: " + path);
}

void OggStream::deleteSourceAndBuffers()
{
    alDeleteSources(1, &source);
    check();
    alDeleteBuffers(4, buffers);
    check();
    source = 0;
    for (unsigned int& b : buffers)
        b = 0;
}

void OggStream::release()
{
    if (!opened)
        return;
    alSourceStop(source);
    empty();
    deleteSourceAndBuffers();
    ov_clear(&vorbisFile);
    opened = false;
    vorbisInfo = nullptr;
    vorbisComment = nullptr;
}

bool OggStream::fillAndPlay()
{
    // The source is stopped here: whatever it still holds has been played.
    empty();
    int filled = 0;
    for (unsigned int buffer : buffers) {
        bool ok = stream(buffer);
        // A looping file at its end starts over wherever it is refilled, so
        // that music stopped or starved near its end is never silent for good.
        if (!ok && loop && ov_pcm_seek(&vorbisFile, 0) == 0)
            ok = stream(buffer);
        if (!ok)
            break;
        ++filled;
    }
    // What is left of a file shorter than the queue still plays.
    if (filled == 0)
        return false;
    alSourceQueueBuffers(source, filled, buffers);
    alSourcePlay(source);
    check();
    return true;
}

bool OggStream::playback()
{
    if (!opened)
        return false;
    if (playing() || active)
        return true;
    active = true;
    paused = false;
    return fillAndPlay();
}

bool OggStream::playing()
{
    if (!opened)
        return false;
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

bool OggStream::update()
{
    if (!opened)
        return false;
    ALint processed = 0;
    alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
    if (processed <= 0)
        return true;

    bool refilled = true;
    while (processed-- > 0) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source, 1, &buffer);
        check();
        refilled = stream(buffer);
        if (refilled) {
            alSourceQueueBuffers(source, 1, &buffer);
            check();
        }
    }
    if (refilled)
        return true;

    // The file has run out.
    if (!loop) {
        active = false;
        return false;
    }
    // A looping file starts over from a fresh open; what the old source still
    // held is dropped, and the next SoundEngine::update starts the new one.
    const std::string path = file;
    alSourceStop(source);
    empty();
    deleteSourceAndBuffers();
    ov_clear(&vorbisFile);
    opened = false;
    open(path);
    return false;
}

bool OggStream::stream(unsigned int buffer)
{
    if (!opened)
        return false;
    char pcm[bufferBytes];
    int size = 0;
    while (size < bufferBytes) {
        int section = 0;
        const long got = ov_read(&vorbisFile, pcm + size, bufferBytes - size, 0, 2, 1, &section);
        if (got < 0) {
            const std::string message = errorString(static_cast<int>(got));
            outputError(message);
            throw std::runtime_error(message);
        }
        if (got == 0)
            break;
        size += static_cast<int>(got);
    }
    if (size == 0)
        return false;
    alBufferData(buffer, format, pcm, size, static_cast<ALsizei>(vorbisInfo->rate));
    check();
    return true;
}

void OggStream::empty()
{
    if (!opened)
        return;
    ALint queued = 0;
    alGetSourcei(source, AL_BUFFERS_QUEUED, &queued);
    while (queued-- > 0) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source, 1, &buffer);
        check();
    }
}

void OggStream::pause()
{
    if (!opened)
        return;
    paused = !paused;
    ALint state = 0;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    // The queued sound is held, not dropped, so that it goes on where it was.
    if (paused && state == AL_PLAYING)
        alSourcePause(source);
    else if (!paused && state == AL_PAUSED)
        alSourcePlay(source);
    check();
}

void OggStream::stop()
{
    active = false;
    paused = false;
    if (!opened)
        return;
    alSourceStop(source);
    empty();
}

bool OggStream::check()
{
    const ALenum error = alGetError();
    if (error == AL_NO_ERROR)
        return false;
    outputError("Sound Engine Error: " + GetALErrorString(error));
    return true;
}

std::string OggStream::errorString(int code)
{
    return SoundEngine::errorString(code);
}

std::string OggStream::GetALErrorString(int code)
{
    return SoundEngine::GetALErrorString(code);
}
