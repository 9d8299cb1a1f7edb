#pragma once
#include <SDL/SDL.h>
#include <memory>
#include <string>
#include <vector>

class MovieLibrary;
class MovieScreen;
class SoundEngine;
struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

// The intro movie: a video file decoded frame by frame and handed to the
// renderer, which draws each frame on a quad over the whole window. Frames
// are chosen by the time played so far, so slow drawing skips frames rather
// than slowing the movie down. The movie has no sound track.
class Movie {
public:
    // Frames larger than this on either side are refused.
    static constexpr int maxSide = 4096;

    // The decoder: the open file, its video stream and the codec for it.
    AVFormatContext* stream = nullptr;
    AVCodecContext* getFrame = nullptr;
    int streamIndex = -1;
    std::string file;
    bool skipped = false;
    int frame = 0;
    bool finished = false;
    // The last decoded frame: width * height blue-green-red pixels, tightly
    // packed, bottom row first (as the quad's texture coordinates expect).
    unsigned char* pixels = nullptr;
    bool hasSound = false;
    int height = 0;
    int lastFrame = 0;
    int lastTicks = 0;
    int msPerFrame = 0;
    bool paused = false;
    int elapsed = 0;
    MovieScreen* renderEngine = nullptr;  // the render engine, as the screen it plays on
    SoundEngine* soundEngine = nullptr;
    int soundStream = -1;
    int nowTicks = 0;
    unsigned int texture = 0;
    float texCoords[8] = {};
    float vertices[12] = {};
    int width = 0;
    // Where "now" comes from; tests put a clock of their own here.
    Uint32 (*tickSource)() = &SDL_GetTicks;

    Movie(MovieScreen* renderEngine, SoundEngine* soundEngine);
    Movie(const Movie&) = delete;
    Movie& operator=(const Movie&) = delete;
    ~Movie();

    void createVideoScreen();
    // soundFile is accepted for a sound track; none is played.
    bool openAVI(const std::string& file, const std::string& soundFile);
    bool openAVIStream(const std::string& file);
    void play(bool blocking);
    void playLoop();
    // One step without waiting: advance the time line, then finish or draw.
    void update();
    // Decodes frame number n (counted from 0) into pixels and hands it to
    // the renderer. False when there is no such frame; pixels keep the last
    // frame that was decoded.
    bool grabAVIFrame(int n);
    void draw();
    void pause(bool on);
    bool isPlaying() const;
    void closeAVI();

    // True when the movie can be played: opened, with frames and a timing.
    bool playable() const { return stream && lastFrame > 0 && msPerFrame > 0; }
    // The player asked to close the window during the movie.
    bool quitRequested = false;

private:
    // Advances the clock; false once the last frame has been passed.
    bool advance();
    void handleEvents();
    bool decodeNext(bool convert);
    bool rewind();
    void freeDecoder();

    std::unique_ptr<MovieLibrary> av;  // loaded with the first file opened
    AVFrame* decoded = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    std::vector<unsigned char> buffer;
    int decodedFrame = -1;   // number of the frame now in pixels
    int nextFrame = 0;       // number the decoder gives its next frame
    bool endOfFile = false;
};
