#pragma once
#include <SDL/SDL.h>

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Decodes pictures on a second thread while the main thread opens the
// window and reads the models, so that start-up pays for decoding only where
// the two cannot overlap. The main thread takes each picture when it needs
// it, waiting for the decoder if need be (the list is in the order loading
// asks, so the decoder is mostly ahead). The decoder keeps at most
// aheadBytes of pictures nobody has taken yet, so that running ahead never
// raises the peak memory much.
class PictureDecoder {
public:
    static constexpr size_t aheadBytes = 24u << 20;
    // Larger pictures are left to the main thread, which decodes only what
    // the game names: a stray huge file in a folder costs nothing.
    static constexpr unsigned long long maxPixels = 4096ull * 4096ull;

    PictureDecoder() = default;
    PictureDecoder(const PictureDecoder&) = delete;
    PictureDecoder& operator=(const PictureDecoder&) = delete;
    ~PictureDecoder();

    // Starts decoding files in this order (a second call while running does
    // nothing).
    void start(const std::vector<std::string>& files);
    // The decoded picture of file (the first listed entry not yet taken),
    // waiting for it if need be; null when the file is not listed, the
    // decoding was stopped or the file could not be decoded: the caller then
    // decodes it itself. The caller owns the surface.
    SDL_Surface* take(const std::string& file);
    // Ends the decoding and frees every picture nobody took.
    void stop();

    // Whether file is a PNG picture of at most maxPixels, by its header.
    static bool plainPicture(const std::string& file);
    // The "*.png" files of a folder, sorted by name; none when it cannot be read.
    static std::vector<std::string> picturesIn(const std::string& folder);

private:
    enum class State { queued, decoding, done, taken };
    struct Entry {
        std::string file;
        State state = State::queued;
        SDL_Surface* surface = nullptr;
    };

    void run();
    size_t bytesAhead() const;

    std::vector<Entry> entries;
    std::mutex lock;
    std::condition_variable changed;
    std::thread worker;
    bool stopping = false;
    bool finished = false;  // the decoder has ended
    int waiting = 0;        // takers waiting for the decoder
};
