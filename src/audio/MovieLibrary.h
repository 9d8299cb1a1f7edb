#pragma once
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

// Every function the game calls, for the entries and their lookup.
#define JADELOOM_MOVIE_FUNCTIONS(X) \
    X(av_log_set_level) \
    X(av_rescale_q) \
    X(av_frame_alloc) \
    X(av_frame_free) \
    X(av_packet_alloc) \
    X(av_packet_free) \
    X(av_packet_unref) \
    X(avformat_open_input) \
    X(avformat_find_stream_info) \
    X(avformat_close_input) \
    X(av_find_best_stream) \
    X(av_read_frame) \
    X(av_seek_frame) \
    X(avcodec_alloc_context3) \
    X(avcodec_parameters_to_context) \
    X(avcodec_open2) \
    X(avcodec_free_context) \
    X(avcodec_send_packet) \
    X(avcodec_receive_frame) \
    X(avcodec_flush_buffers) \
    X(sws_getCachedContext) \
    X(sws_scale) \
    X(sws_freeContext)

// The video decoding libraries, opened when a movie is about to play and
// closed with it. Linked into the program they would be loaded at every
// start, with the hundred-odd libraries they depend on: a fifth of a second
// and some 25 MB for a game that shows its movie once, or never.
//
// Each entry has the type of the library function of the same name.
class MovieLibrary {
public:
    // The libraries of the versions the game was built against; null, with
    // a log line, when one of them or one of its functions is missing.
    static std::unique_ptr<MovieLibrary> open();

    MovieLibrary(const MovieLibrary&) = delete;
    MovieLibrary& operator=(const MovieLibrary&) = delete;
    ~MovieLibrary();

#define JADELOOM_MOVIE_ENTRY(name) decltype(&::name) name = nullptr;
    JADELOOM_MOVIE_FUNCTIONS(JADELOOM_MOVIE_ENTRY)
#undef JADELOOM_MOVIE_ENTRY

private:
    MovieLibrary() = default;
    bool load();

    // In the order of their dependencies, each before those that use it;
    // closed in the reverse order.
    void* handles[4] = {};
};
