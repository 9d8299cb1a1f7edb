#pragma once
#include <string>
#include <vector>

// One loaded sound effect; its index in SoundEngine::sounds is its handle.
struct Sound {
    unsigned int buffer = 0;  // audio buffer holding the decoded sound (0: none)
    std::string file;         // the path it was loaded from; the table key
    unsigned int source = 0;  // audio source bound to the buffer (0: none)
};

// The game's single owner of audio. This engine opens no audio device yet:
// it decodes each effect to check it and keeps the table of effects, so
// handles are stable and a second registration of a file returns the first
// handle, and it plays nothing.
// Callers may hold a null SoundEngine* as well; the board checks for that.
class SoundEngine {
public:
    float listenerOrientation[6] = {0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f};
    float listenerPosition[3] = {0.0f, 0.0f, 0.0f};
    float listenerVelocity[3] = {0.0f, 0.0f, 0.0f};
    std::vector<Sound> sounds;
    float sourcePosition[3] = {0.0f, 0.0f, 0.0f};
    float sourceVelocity[3] = {0.0f, 0.0f, 0.0f};
    float volume = 1.0f;
    bool deviceOpen = false;  // true once an audio device is open

    SoundEngine();
    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;
    ~SoundEngine();

    bool initSound();
    void SetListenerValues();

    // Registers an effect and returns its handle; ".ogg" files go to addOgg,
    // ".wav" files to addWav, anything else registers nothing and gives 0.
    int addSound(const std::string& file, bool loop);
    int addWav(const std::string& file, bool loop);
    int addOgg(const std::string& file, bool loop);

    // Handles outside the table are ignored.
    void playSound(int index);
    void stopSound(int index);

    // Streamed sounds (the music); a handle is an index, -1 means none.
    int addStream(const std::string& file, bool loop);
    void playStream(int index);
    void stopStream(int index);

    void setVolume(float volume);
    bool checkError();
    void update();

    // Decode a whole file into 16-bit PCM with its OpenAL format and rate.
    // False (logged) for a file that cannot be read or decoded.
    static bool LoadOGG(const char* file, std::vector<char>& data, int& format, int& frequency);
    static bool LoadWAV(const std::string& file, std::vector<char>& data, int& format, int& frequency);

    static std::string errorString(int code);
    static std::string GetALErrorString(int code);

private:
    int findSound(const std::string& file) const;
    int registerSound(const std::string& file);
};
