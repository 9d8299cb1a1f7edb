#include "audio/SoundEngine.h"

#include <AL/al.h>
#include <AL/alut.h>
#include <SDL/SDL.h>
#include <memory>
#include <stdexcept>
#include <utility>

#include "audio/OggStream.h"
#include "base/Log.h"

namespace {
// A sound effect larger than this is refused rather than decoded into memory
// without bound (about six minutes of 44.1 kHz stereo).
constexpr size_t maxDecodedBytes = 64u << 20;
}

SoundEngine::SoundEngine()
{
    initSound();
}

SoundEngine::~SoundEngine()
{
    if (deviceOpen) {
        // Every call's error is read at once so that none is left pending.
        alGetError();
        for (Sound& sound : sounds) {
            alSourceStop(sound.source);
            alGetError();
            alSourcei(sound.source, AL_BUFFER, 0);
            alGetError();
            alDeleteBuffers(1, &sound.buffer);
            alGetError();
            alDeleteSources(1, &sound.source);
            alGetError();
        }
    }
    // Each stream lets go of its source and buffers as it is destroyed,
    // while the device is still open.
    streams.clear();
    if (deviceOpen)
        alutExit();
    deviceOpen = false;
}

bool SoundEngine::initSound()
{
    deviceOpen = false;
    if (!alutInit(nullptr, nullptr)) {
        // A machine without a sound card still plays, silently.
        outputError(std::string("Sound Engine Init Failed: ") + alutGetErrorString(alutGetError())
                    + " The game runs without sound.");
        return false;
    }
    if (alGetError() != AL_NO_ERROR) {
        alutExit();
        outputError("Sound Engine Init Failed. The game runs without sound.");
        return false;
    }
    deviceOpen = true;
    outputError("Sound Engine Initialized Properly");
    SetListenerValues();
    return true;
}

void SoundEngine::SetListenerValues()
{
    if (!deviceOpen)
        return;
    alListenerfv(AL_POSITION, listenerPosition);
    alListenerfv(AL_VELOCITY, listenerVelocity);
    alListenerfv(AL_ORIENTATION, listenerOrientation);
    alListenerf(AL_GAIN, 1.0f);
    checkError();
}

int SoundEngine::findSound(const std::string& file) const
{
    for (size_t i = 0; i < sounds.size(); ++i)
        if (sounds[i].file == file)
            return static_cast<int>(i);
    return -1;
}

int SoundEngine::appendSound(const std::string& file, unsigned int buffer, bool loop)
{
    ALuint source = 0;
    if (deviceOpen) {
        alGenSources(1, &source);
        if (checkError()) {
            alDeleteBuffers(1, &buffer);
            alGetError();
            outputError("Failed to load sound file: " + file + " (no source left)");
            return noSound;
        }
        alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));
        alSourcef(source, AL_PITCH, 1.0f);
        alSourcef(source, AL_GAIN, 1.0f);
        alSourcefv(source, AL_POSITION, sourcePosition);
        alSourcefv(source, AL_VELOCITY, sourceVelocity);
        if (loop)
            alSourcei(source, AL_LOOPING, AL_TRUE);
    }
    Sound sound;
    sound.buffer = buffer;
    sound.file = file;
    sound.source = source;
    sounds.push_back(sound);
    outputError("Loaded sound file: " + file);
    checkError();
    return static_cast<int>(sounds.size()) - 1;
}

int SoundEngine::addSound(const std::string& file, bool loop)
{
    if (file.find(".ogg") != std::string::npos)
        return addOgg(file, loop);
    if (file.find(".wav") != std::string::npos)
        return addWav(file, loop);
    outputError("Failed to load sound file: " + file + " (neither Ogg Vorbis nor WAV)");
    return noSound;
}

int SoundEngine::addWav(const std::string& file, bool)
{
    const int existing = findSound(file);
    if (existing >= 0) {
        checkError();
        return existing;
    }
    if (!deviceOpen) {
        // Checked all the same, so that a damaged file shows without a device.
        std::vector<char> data;
        int format = 0, frequency = 0;
        return LoadWAV(file, data, format, frequency) ? appendSound(file, 0, false) : noSound;
    }
    const ALuint buffer = alutCreateBufferFromFile(file.c_str());
    if (buffer == AL_NONE) {
        outputError("Failed to load sound file: " + file + alutGetErrorString(alutGetError()));
        checkError();
        return noSound;
    }
    return appendSound(file, buffer, false);
}

int SoundEngine::addOgg(const std::string& file, bool loop)
{
    const int existing = findSound(file);
    if (existing >= 0) {
        checkError();
        return existing;
    }
    std::vector<char> data;
    int format = 0, frequency = 0;
    if (!LoadOGG(file.c_str(), data, format, frequency)) {
        checkError();
        return noSound;
    }
    if (!deviceOpen)
        return appendSound(file, 0, loop);
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    alBufferData(buffer, format, data.data(), static_cast<ALsizei>(data.size()), frequency);
    if (checkError()) {
        alDeleteBuffers(1, &buffer);
        alGetError();
        return noSound;
    }
    return appendSound(file, buffer, loop);
}

bool SoundEngine::LoadOGG(const char* file, std::vector<char>& data, int& format, int& frequency)
{
    OggVorbis_File vf;
    const int opened = ov_fopen(file, &vf);
    if (opened != 0) {
        outputError(std::string("Failed to load sound file: ") + file + errorString(opened));
        return false;
    }
    const vorbis_info* info = ov_info(&vf, -1);
    format = info && info->channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    frequency = info ? static_cast<int>(info->rate) : 0;

    char chunk[32768];
    int section = 0;
    for (;;) {
        const long got = ov_read(&vf, chunk, sizeof chunk, 0, 2, 1, &section);
        if (got == 0)
            break;
        // A damaged stream is a file that failed to load, not a reason to
        // end the game.
        if (got < 0 || data.size() + static_cast<size_t>(got) > maxDecodedBytes) {
            ov_clear(&vf);
            data.clear();
            outputError(std::string("Error decoding ") + file + "...");
            return false;
        }
        data.insert(data.end(), chunk, chunk + got);
    }
    ov_clear(&vf);
    outputError(std::string("Loaded sound file: ") + file);
    return true;
}

bool SoundEngine::LoadWAV(const std::string& file, std::vector<char>& data, int& format, int& frequency)
{
    // SDL reads WAV files without an audio device (ALUT's loader needs an
    // open context); the samples, format and rate are the file's.
    SDL_AudioSpec wav;
    Uint8* pcm = nullptr;
    Uint32 size = 0;
    if (!SDL_LoadWAV(file.c_str(), &wav, &pcm, &size)) {
        outputError("Failed to load sound file: " + file + SDL_GetError());
        return false;
    }
    const bool sixteen = wav.format == AUDIO_S16LSB || wav.format == AUDIO_S16MSB;
    const bool eight = wav.format == AUDIO_U8;
    const bool ok = (sixteen || eight) && (wav.channels == 1 || wav.channels == 2) && size > 0
                    && size <= maxDecodedBytes;
    if (ok) {
        data.assign(reinterpret_cast<char*>(pcm), reinterpret_cast<char*>(pcm) + size);
        format = wav.channels == 1 ? (sixteen ? AL_FORMAT_MONO16 : AL_FORMAT_MONO8)
                                    : (sixteen ? AL_FORMAT_STEREO16 : AL_FORMAT_STEREO8);
        frequency = wav.freq;
    } else {
        outputError("Failed to load sound file: " + file + " (unsupported sample format)");
    }
    SDL_FreeWAV(pcm);
    return ok;
}

void SoundEngine::playSound(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= sounds.size() || !deviceOpen)
        return;
    alSourcePlay(sounds[static_cast<size_t>(index)].source);
}

void SoundEngine::stopSound(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= sounds.size() || !deviceOpen)
        return;
    alSourceStop(sounds[static_cast<size_t>(index)].source);
}

void SoundEngine::setVolume(float v)
{
    volume = v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
    if (!deviceOpen)
        return;
    alListenerf(AL_GAIN, volume);
    checkError();
}

bool SoundEngine::checkError()
{
    if (!deviceOpen)
        return false;
    const ALenum error = alGetError();
    if (error == AL_NO_ERROR)
        return false;
    outputError("Sound Engine Error: " + GetALErrorString(error));
    return true;
}

// ---- streams ---------------------------------------------------------------

OggStream* SoundEngine::streamAt(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= streams.size())
        return nullptr;
    return streams[static_cast<size_t>(index)].get();
}

int SoundEngine::addStream(const std::string& file, bool loop)
{
    for (size_t i = 0; i < streams.size(); ++i)
        if (streams[i]->file == file)
            return static_cast<int>(i);
    if (!deviceOpen)
        return noSound;
    auto stream = std::make_unique<OggStream>();
    try {
        stream->open(file);
    } catch (const std::exception&) {
        // Logged by open; the game plays on without this sound.
        checkError();
        return noSound;
    }
    stream->loop = loop;
    streams.push_back(std::move(stream));
    checkError();
    return static_cast<int>(streams.size()) - 1;
}

void SoundEngine::stopAfterError(OggStream& stream)
{
    outputError("Ogg stream stopped: " + stream.file);
    stream.stop();
}

void SoundEngine::playStream(int index)
{
    if (OggStream* stream = streamAt(index)) {
        try {
            stream->playback();
        } catch (const std::exception&) {
            stopAfterError(*stream);
        }
    }
}

void SoundEngine::pauseStream(int index)
{
    if (OggStream* stream = streamAt(index))
        stream->pause();
}

void SoundEngine::stopStream(int index)
{
    if (OggStream* stream = streamAt(index))
        stream->stop();
}

void SoundEngine::updateStream(OggStream& stream)
{
    if (stream.paused)
        return;
    if (stream.playing()) {
        stream.update();
        if (stream.playing())
            return;
        if (stream.active) {
            // Starved, or a looping file just reopened: the next frame
            // starts it again.
            outputError("Ogg stream was interrupted.");
            return;
        }
        stream.active = true;
        if (!stream.fillAndPlay()) {
            outputError("Ogg abruptly stopped.");
            return;
        }
        outputError("Ogg stream was interrupted.");
        return;
    }
    if (stream.active) {
        // Meant to be playing but stopped: go on from where the decoder is.
        stream.stop();
        stream.active = true;
        stream.fillAndPlay();
    }
}

void SoundEngine::update()
{
    for (auto& stream : streams) {
        try {
            updateStream(*stream);
        } catch (const std::exception&) {
            stopAfterError(*stream);
        }
    }
    checkError();
}

std::string SoundEngine::errorString(int code)
{
    switch (code) {
    case -128: return "Read from media.";
    case -129: return "Internal logic fault (bug or heap/stack corruption.";
    case -132: return "Not Vorbis data.";
    case -133: return "Invalid Vorbis header.";
    case -134: return "Vorbis version mismatch.";
    default: return "Unknown Ogg error.";
    }
}

std::string SoundEngine::GetALErrorString(int code)
{
    switch (code) {
    case 0: return "AL_NO_ERROR";
    case 0xA001: return "AL_INVALID_NAME";
    case 0xA002: return "AL_INVALID_ENUM";
    case 0xA003: return "AL_INVALID_VALUE";
    case 0xA004: return "AL_INVALID_OPERATION";
    case 0xA005: return "AL_OUT_OF_MEMORY";
    default: return "Error not defined";
    }
}
