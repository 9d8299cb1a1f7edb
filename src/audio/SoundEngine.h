#pragma once
#include <memory>
#include <string>
#include <vector>

class OggStream;

// One loaded sound effect; its index in SoundEngine::sounds is its handle.
struct Sound {
    unsigned int buffer = 0;  // audio buffer holding the decoded sound (0: none)
    std::string file;         // the path it was loaded from; the table key
    unsigned int source = 0;  // audio source bound to the buffer (0: none)
};

// The game's single owner of audio: the device, the table of short effects
// (each decoded whole into one buffer with its own source) and the streamed
// sounds, serviced once a frame by update().
// Where no audio device can be opened the engine stays silent: effects are
// still decoded to check them and keep their handles, nothing is played and
// no stream is opened. Callers may hold a null SoundEngine* as well.
class SoundEngine {
public:
    // What addSound and addStream give for something they could not load;
    // every operation taking a handle ignores it.
    static constexpr int noSound = -1;

    float listenerOrientation[6] = {0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f};
    float listenerPosition[3] = {0.0f, 0.0f, 0.0f};
    float listenerVelocity[3] = {0.0f, 0.0f, 0.0f};
    std::vector<Sound> sounds;
    float sourcePosition[3] = {0.0f, 0.0f, 0.0f};
    float sourceVelocity[3] = {0.0f, 0.0f, 0.0f};
    std::vector<std::unique_ptr<OggStream>> streams;
    float volume = 1.0f;
    bool deviceOpen = false;  // false: the engine is silent

    SoundEngine();
    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;
    ~SoundEngine();

    // Opens the default device and sets the listener; false (logged) when
    // there is no device to open.
    bool initSound();
    void SetListenerValues();

    // Registers an effect and returns its handle; ".ogg" files go to addOgg,
    // ".wav" files to addWav, anything else gives noSound. A file already
    // registered gives its first handle again.
    int addSound(const std::string& file, bool loop);
    int addWav(const std::string& file, bool loop);  // a WAV effect never loops
    int addOgg(const std::string& file, bool loop);

    // Playing an effect that is still playing starts it over. Handles outside
    // the table are ignored.
    void playSound(int index);
    void stopSound(int index);

    // Master volume 0..1, the listener's gain: effects and music alike.
    void setVolume(float volume);
    bool checkError();

    // Streams, addressed by the index addStream returns. A stream that fails
    // to decode is logged and stopped; the game goes on.
    int addStream(const std::string& file, bool loop);
    void playStream(int index);
    void pauseStream(int index);
    void stopStream(int index);
    // Keeps every stream fed; once a frame.
    void update();

    // Decode a whole file into 16-bit PCM with its OpenAL format and rate.
    // False (logged) for a file that cannot be read or decoded.
    static bool LoadOGG(const char* file, std::vector<char>& data, int& format, int& frequency);
    static bool LoadWAV(const std::string& file, std::vector<char>& data, int& format, int& frequency);

    static std::string errorString(int code);
    static std::string GetALErrorString(int code);

private:
    int findSound(const std::string& file) const;
    int appendSound(const std::string& file, unsigned int buffer, bool loop);
    OggStream* streamAt(int index) const;
    void updateStream(OggStream& stream);
    void stopAfterError(OggStream& stream);
};
