#include "render/PictureDecoder.h"

#include <SDL/SDL_image.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "render/Texture.h"

PictureDecoder::~PictureDecoder()
{
    stop();
}

void PictureDecoder::start(const std::vector<std::string>& files)
{
    if (worker.joinable())
        return;
    entries.clear();
    for (const std::string& f : files)
        entries.push_back(Entry{f});
    stopping = finished = false;
    // The PNG reader is set up here, once, before two threads may use it.
    IMG_Init(IMG_INIT_PNG);
    worker = std::thread(&PictureDecoder::run, this);
}

size_t PictureDecoder::bytesAhead() const
{
    size_t sum = 0;
    for (const Entry& e : entries)
        if (e.state == State::done && e.surface)
            sum += static_cast<size_t>(e.surface->pitch) * static_cast<size_t>(e.surface->h);
    return sum;
}

void PictureDecoder::run()
{
    for (size_t i = 0;; ++i) {
        std::string file;
        {
            std::unique_lock<std::mutex> hold(lock);
            changed.wait(hold, [this] { return stopping || waiting > 0 || bytesAhead() < aheadBytes; });
            if (stopping || i >= entries.size()) {
                finished = true;
                changed.notify_all();
                return;
            }
            entries[i].state = State::decoding;
            file = entries[i].file;
        }
        // Without a log line: a picture that fails is decoded again by the
        // main thread, which says so in the log in its place.
        SDL_Surface* surface = plainPicture(file) ? Texture::decodeQuietly(file) : nullptr;
        std::lock_guard<std::mutex> hold(lock);
        entries[i].surface = surface;
        entries[i].state = State::done;
        changed.notify_all();
    }
}

SDL_Surface* PictureDecoder::take(const std::string& file)
{
    std::unique_lock<std::mutex> hold(lock);
    auto it = std::find_if(entries.begin(), entries.end(), [&file](const Entry& e) {
        return e.file == file && e.state != State::taken;
    });
    if (it == entries.end())
        return nullptr;
    // While somebody waits, the decoder goes on past its limit: the pictures
    // it holds may be ones nobody will take.
    ++waiting;
    changed.notify_all();
    changed.wait(hold, [this, &it] { return it->state == State::done || finished; });
    --waiting;
    SDL_Surface* surface = it->surface;
    it->surface = nullptr;
    it->state = State::taken;
    changed.notify_all();
    return surface;
}

void PictureDecoder::stop()
{
    {
        std::lock_guard<std::mutex> hold(lock);
        stopping = true;
        changed.notify_all();
    }
    if (worker.joinable())
        worker.join();
    for (Entry& e : entries)
        if (e.surface)
            SDL_FreeSurface(e.surface);
    entries.clear();
}

bool PictureDecoder::plainPicture(const std::string& file)
{
    // The PNG signature, then the header chunk's width and height, big-endian.
    unsigned char head[24] = {};
    std::ifstream in(file, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(head), sizeof head))
        return false;
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!std::equal(signature, signature + 8, head))
        return false;
    auto word = [&head](int at) {
        return (static_cast<unsigned long long>(head[at]) << 24) | (head[at + 1] << 16) | (head[at + 2] << 8)
               | head[at + 3];
    };
    return word(16) * word(20) <= maxPixels;
}

std::vector<std::string> PictureDecoder::picturesIn(const std::string& folder)
{
    std::vector<std::string> found;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->path().extension() == ".png")
            found.push_back(it->path().generic_string());
    std::sort(found.begin(), found.end());
    return found;
}
