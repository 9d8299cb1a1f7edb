#include "audio/SoundEngine.h"

#include <AL/al.h>
#include <SDL/SDL.h>
#include <cstdlib>
#include <vorbis/vorbisfile.h>

#include "main/Log.h"

namespace {
// A sound effect larger than this is refused rather than decoded into memory
// without bound (about six minutes of 44.1 kHz stereo).
constexpr size_t maxDecodedBytes = 64u << 20;
}

SoundEngine::SoundEngine()
{
    initSound();
}

SoundEngine::~SoundEngine() = default;

bool SoundEngine::initSound()
{
    // No device is opened yet: every effect is registered and stays silent.
    deviceOpen = false;
    outputError("Sound Engine silent: no audio device opened");
    SetListenerValues();
    return false;
}

void SoundEngine::SetListenerValues() {}

int SoundEngine::findSound(const std::string& file) const
{
    for (size_t i = 0; i < sounds.size(); ++i)
        if (sounds[i].file == file)
            return static_cast<int>(i);
    return -1;
}

int SoundEngine::registerSound(const std::string& file)
{
    int existing = findSound(file);
    if (existing >= 0)
        return existing;
    Sound sound;
    sound.file = file;
    sounds.push_back(sound);
    outputError("Loaded sound file: " + file);
    return static_cast<int>(sounds.size()) - 1;
}

int SoundEngine::addSound(const std::string& file, bool loop)
{
    if (file.find(".ogg") != std::string::npos)
        return addOgg(file, loop);
    if (file.find(".wav") != std::string::npos)
        return addWav(file, loop);
    return 0;
}

int SoundEngine::addWav(const std::string& file, bool)
{
    const int existing = findSound(file);
    if (existing >= 0)
        return existing;
    std::vector<char> data;
    int format = 0, frequency = 0;
    if (!LoadWAV(file, data, format, frequency))
        return -1;
    return registerSound(file);
}

int SoundEngine::addOgg(const std::string& file, bool)
{
    const int existing = findSound(file);
    if (existing >= 0)
        return existing;
    std::vector<char> data;
    int format = 0, frequency = 0;
    if (!LoadOGG(file.c_str(), data, format, frequency))
        return -1;
    return registerSound(file);
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
}

void SoundEngine::stopSound(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= sounds.size() || !deviceOpen)
        return;
}

void SoundEngine::setVolume(float v)
{
    volume = v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

bool SoundEngine::checkError()
{
    return false;
}

void SoundEngine::update() {}

// Without an audio device there is nothing to stream into.
int SoundEngine::addStream(const std::string&, bool)
{
    return -1;
}

void SoundEngine::playStream(int) {}

void SoundEngine::stopStream(int) {}

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
