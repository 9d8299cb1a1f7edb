#include "audio/Movie.h"

#include <climits>
#include <cstdint>

#include <fstream>

#include "audio/MovieLibrary.h"
#include "audio/MovieScreen.h"
#include "base/Log.h"

namespace {
// A damaged file may hold endless packets that yield no picture; one frame
// never reads more than this many.
const int maxPacketsPerFrame = 10000;
}

Movie::Movie(MovieScreen* renderEngine, SoundEngine* soundEngine)
    : renderEngine(renderEngine), soundEngine(soundEngine)
{
    createVideoScreen();
}

Movie::~Movie()
{
    closeAVI();
    if (texture != 0 && renderEngine)
        renderEngine->removeTexture(&texture);
}

void Movie::createVideoScreen()
{
    static const float coords[8] = {0, 1, 1, 1, 1, 0, 0, 0};
    static const float corners[12] = {0, 0, 1, 1, 0, 1, 1, 1, 1, 0, 1, 1};
    for (int i = 0; i < 8; ++i)
        texCoords[i] = coords[i];
    for (int i = 0; i < 12; ++i)
        vertices[i] = corners[i];
}

bool Movie::openAVI(const std::string& path, const std::string& /*soundFile*/)
{
    file = path;
    if (!openAVIStream(path))
        return false;
    if (renderEngine)
        renderEngine->openAVI(this);
    return true;
}

bool Movie::openAVIStream(const std::string& path)
{
    freeDecoder();
    file = path;
    // The decoding libraries are loaded only for a file that is there.
    if (!std::ifstream(path) || (!av && !(av = MovieLibrary::open()))) {
        outputError("Error opening video " + path);
        return false;
    }
    // The decoder's own notes (a missing end marker it makes up for, and
    // the like) would fill the log; its errors still reach it.
    av->av_log_set_level(AV_LOG_ERROR);
    const AVCodec* codec = nullptr;
    bool opened = av->avformat_open_input(&stream, path.c_str(), nullptr, nullptr) == 0
        && av->avformat_find_stream_info(stream, nullptr) >= 0;
    if (opened) {
        streamIndex = av->av_find_best_stream(stream, AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
        opened = streamIndex >= 0;
    }
    if (opened) {
        const AVCodecParameters* par = stream->streams[streamIndex]->codecpar;
        opened = par->width > 0 && par->height > 0 && par->width <= maxSide && par->height <= maxSide;
    }
    if (!opened) {
        outputError("Error opening video " + path);
        freeDecoder();
        return false;
    }
    outputError("Opened video " + path);

    const AVStream* video = stream->streams[streamIndex];
    width = video->codecpar->width;
    height = video->codecpar->height;

    // The duration of the whole stream, in milliseconds.
    int64_t durationMs = 0;
    if (video->duration != AV_NOPTS_VALUE && video->duration > 0)
        durationMs = av->av_rescale_q(video->duration, video->time_base, AVRational{1, 1000});
    else if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        durationMs = av->av_rescale_q(stream->duration, AV_TIME_BASE_Q, AVRational{1, 1000});
    int64_t frames = video->nb_frames;
    if (frames <= 0 && video->avg_frame_rate.num > 0 && video->avg_frame_rate.den > 0)
        frames = av->av_rescale_q(durationMs, AVRational{1, 1000}, av_inv_q(video->avg_frame_rate));
    lastFrame = frames > 0 && frames < INT_MAX ? static_cast<int>(frames) : 0;
    msPerFrame = lastFrame > 0 && durationMs > 0 && durationMs / lastFrame < INT_MAX
        ? static_cast<int>(durationMs / lastFrame) : 0;

    bool created = codec != nullptr;
    if (created) {
        getFrame = av->avcodec_alloc_context3(codec);
        created = getFrame && av->avcodec_parameters_to_context(getFrame, video->codecpar) >= 0
            && av->avcodec_open2(getFrame, codec, nullptr) == 0;
    }
    if (created) {
        decoded = av->av_frame_alloc();
        packet = av->av_packet_alloc();
        created = decoded && packet;
    }
    if (!created) {
        outputError("Error creating GetFrameObject for " + path);
        freeDecoder();
        return false;
    }
    buffer.assign(static_cast<size_t>(width) * height * 3, 0);
    outputError("Created GetFrameObject for " + path);
    return true;
}

void Movie::play(bool blocking)
{
    // A movie that failed to open or cannot be timed shows nothing.
    if (!playable()) {
        finished = true;
        return;
    }
    if (renderEngine)
        renderEngine->playMovie(this);
    nowTicks = lastTicks = static_cast<int>(tickSource());
    if (blocking)
        playLoop();
    if (SDL_WasInit(SDL_INIT_VIDEO)) {
        SDL_ShowCursor(SDL_ENABLE);
        SDL_WM_GrabInput(SDL_GRAB_OFF);
        // Closing the window skips the movie, and the request stays queued
        // so that the game still closes once it has started.
        if (quitRequested) {
            SDL_Event quit{};
            quit.type = SDL_QUIT;
            SDL_PushEvent(&quit);
        }
    }
}

void Movie::playLoop()
{
    while (playable() && !finished && !skipped) {
        handleEvents();
        if (!advance())
            return;
        draw();
        if (skipped)
            return;
        SDL_Delay(1);  // leaves the processor to others between frames
    }
}

void Movie::update()
{
    if (playable() && !finished && !skipped && advance())
        draw();
}

bool Movie::advance()
{
    nowTicks = static_cast<int>(tickSource());
    const int step = nowTicks - lastTicks;
    if (step > 0)
        elapsed += step;
    frame = elapsed / msPerFrame;
    lastTicks = nowTicks;
    if (frame >= lastFrame) {
        frame = 0;
        elapsed = 0;
        finished = true;
        return false;
    }
    return true;
}

void Movie::handleEvents()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        bool skip = false;
        switch (event.type) {
        case SDL_ACTIVEEVENT:
            if (!(event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)))
                break;
            paused = event.active.gain == 0;
            SDL_WM_GrabInput(paused ? SDL_GRAB_OFF : SDL_GRAB_ON);
            SDL_ShowCursor(paused ? SDL_ENABLE : SDL_DISABLE);
            break;
        case SDL_KEYDOWN:
            skip = event.key.keysym.sym == SDLK_ESCAPE;
            break;
        case SDL_MOUSEBUTTONDOWN:
            skip = true;
            break;
        case SDL_QUIT:
            skip = true;
            quitRequested = true;
            break;
        case SDL_VIDEORESIZE:
            // A new window size is taken at once so that neither the movie
            // nor the game after it keeps drawing at the old one.
            if (renderEngine) {
                renderEngine->resizeWindow(event.resize.w, event.resize.h);
                renderEngine->playMovie(this);
            }
            break;
        default:
            break;
        }
        if (skip && !skipped) {
            skipped = true;
            outputError("Intro skipped by user");
        }
    }
}

bool Movie::decodeNext(bool convert)
{
    for (int packets = 0; packets < maxPacketsPerFrame;) {
        const int got = av->avcodec_receive_frame(getFrame, decoded);
        if (got == 0) {
            ++nextFrame;
            if (!convert)
                return true;
            const AVPixelFormat format = static_cast<AVPixelFormat>(decoded->format);
            if (decoded->width <= 0 || decoded->height <= 0 || decoded->width > maxSide
                || decoded->height > maxSide || format == AV_PIX_FMT_NONE)
                return false;
            scaler = av->sws_getCachedContext(scaler, decoded->width, decoded->height, format, width, height,
                                          AV_PIX_FMT_BGR24, SWS_BILINEAR, nullptr, nullptr, nullptr);
            if (!scaler)
                return false;
            // Written bottom row first: the last row of the buffer is the
            // top of the picture, as the screen quad maps it.
            const int rowBytes = width * 3;
            uint8_t* target[4] = {buffer.data() + static_cast<size_t>(height - 1) * rowBytes, nullptr,
                                  nullptr, nullptr};
            int targetStride[4] = {-rowBytes, 0, 0, 0};
            av->sws_scale(scaler, decoded->data, decoded->linesize, 0, decoded->height, target, targetStride);
            return true;
        }
        if (got != AVERROR(EAGAIN) || endOfFile)
            return false;
        if (av->av_read_frame(stream, packet) < 0) {
            endOfFile = true;
            av->avcodec_send_packet(getFrame, nullptr);  // drains the frames still held
            continue;
        }
        if (packet->stream_index == streamIndex) {
            ++packets;
            av->avcodec_send_packet(getFrame, packet);  // a damaged packet is passed over
        }
        av->av_packet_unref(packet);
    }
    return false;
}

bool Movie::rewind()
{
    if (av->av_seek_frame(stream, streamIndex, 0, AVSEEK_FLAG_BACKWARD) < 0)
        return false;
    av->avcodec_flush_buffers(getFrame);
    nextFrame = 0;
    decodedFrame = -1;
    endOfFile = false;
    return true;
}

bool Movie::grabAVIFrame(int n)
{
    if (!stream || !getFrame || n < 0 || n >= lastFrame)
        return false;
    if (n == decodedFrame)
        return true;  // the texture holds it already
    if (n < nextFrame && !rewind())
        return false;
    while (nextFrame < n) {
        if (!decodeNext(false))
            return false;
    }
    if (!decodeNext(true))
        return false;
    decodedFrame = n;
    pixels = buffer.data();
    if (renderEngine)
        renderEngine->grabAVIFrame(this);
    return true;
}

void Movie::draw()
{
    if (renderEngine)
        renderEngine->drawMovie(this);
}

void Movie::pause(bool on)
{
    paused = on;
}

bool Movie::isPlaying() const
{
    return playable() && !finished && !skipped;
}

void Movie::closeAVI()
{
    if (!stream)
        return;
    freeDecoder();
    outputError("Closed video " + file);
}

void Movie::freeDecoder()
{
    // Nothing was decoded without the libraries.
    if (av) {
        av->sws_freeContext(scaler);
        av->av_frame_free(&decoded);
        av->av_packet_free(&packet);
        av->avcodec_free_context(&getFrame);
        av->avformat_close_input(&stream);
    }
    scaler = nullptr;
    streamIndex = -1;
    pixels = nullptr;
    buffer.clear();
    decodedFrame = -1;
    nextFrame = 0;
    endOfFile = false;
}
