#include "audio/SoundEngine.h"

#include "main/Log.h"

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
    return registerSound(file);
}

int SoundEngine::addOgg(const std::string& file, bool)
{
    return registerSound(file);
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
