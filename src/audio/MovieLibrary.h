#pragma once
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

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

    decltype(&::av_log_set_level) av_log_set_level = nullptr;
    decltype(&::av_rescale_q) av_rescale_q = nullptr;
    decltype(&::av_frame_alloc) av_frame_alloc = nullptr;
    decltype(&::av_frame_free) av_frame_free = nullptr;
    decltype(&::av_packet_alloc) av_packet_alloc = nullptr;
    decltype(&::av_packet_free) av_packet_free = nullptr;
    decltype(&::av_packet_unref) av_packet_unref = nullptr;
    decltype(&::avformat_open_input) avformat_open_input = nullptr;
    decltype(&::avformat_find_stream_info) avformat_find_stream_info = nullptr;
    decltype(&::avformat_close_input) avformat_close_input = nullptr;
    decltype(&::av_find_best_stream) av_find_best_stream = nullptr;
    decltype(&::av_read_frame) av_read_frame = nullptr;
    decltype(&::av_seek_frame) av_seek_frame = nullptr;
    decltype(&::avcodec_alloc_context3) avcodec_alloc_context3 = nullptr;
    decltype(&::avcodec_parameters_to_context) avcodec_parameters_to_context = nullptr;
    decltype(&::avcodec_open2) avcodec_open2 = nullptr;
    decltype(&::avcodec_free_context) avcodec_free_context = nullptr;
    decltype(&::avcodec_send_packet) avcodec_send_packet = nullptr;
    decltype(&::avcodec_receive_frame) avcodec_receive_frame = nullptr;
    decltype(&::avcodec_flush_buffers) avcodec_flush_buffers = nullptr;
    decltype(&::sws_getCachedContext) sws_getCachedContext = nullptr;
    decltype(&::sws_scale) sws_scale = nullptr;
    decltype(&::sws_freeContext) sws_freeContext = nullptr;

private:
    MovieLibrary() = default;
    bool load();

    // In the order of their dependencies, each before those that use it;
    // closed in the reverse order.
    void* handles[4] = {};
};
