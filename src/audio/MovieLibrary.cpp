#include "audio/MovieLibrary.h"

#include <dlfcn.h>

#include <string>

#include "base/Log.h"

namespace {
// The shared objects' names carry the major versions of the headers the
// game was built with, whose functions' types the entries take.
const char* const libraryNames[] = {
    "libavutil.so." AV_STRINGIFY(LIBAVUTIL_VERSION_MAJOR),
    "libswscale.so." AV_STRINGIFY(LIBSWSCALE_VERSION_MAJOR),
    "libavcodec.so." AV_STRINGIFY(LIBAVCODEC_VERSION_MAJOR),
    "libavformat.so." AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR),
};

// Looks a function up in every opened library; false (logged) when none
// has it.
template <typename Function>
bool find(void* const (&handles)[4], const char* name, Function& entry)
{
    for (void* handle : handles) {
        if (void* symbol = handle ? dlsym(handle, name) : nullptr) {
            entry = reinterpret_cast<Function>(symbol);
            return true;
        }
    }
    outputError(std::string("Movie decoder lacks ") + name);
    return false;
}
}  // namespace

std::unique_ptr<MovieLibrary> MovieLibrary::open()
{
    std::unique_ptr<MovieLibrary> library(new MovieLibrary);
    if (!library->load())
        return nullptr;
    return library;
}

MovieLibrary::~MovieLibrary()
{
#if defined(__SANITIZE_ADDRESS__)
    // The leak checker cannot look into a library that is gone: what the
    // libraries keep for themselves would be reported as lost. Under it
    // they stay loaded.
    return;
#endif
    for (int i = 3; i >= 0; --i)
        if (handles[i])
            dlclose(handles[i]);
}

bool MovieLibrary::load()
{
    for (int i = 0; i < 4; ++i) {
        handles[i] = dlopen(libraryNames[i], RTLD_NOW | RTLD_LOCAL);
        if (!handles[i]) {
            const char* why = dlerror();
            outputError(std::string("Could not load the movie decoder: ") + (why ? why : libraryNames[i]));
            return false;
        }
    }
    // One failed lookup is enough to refuse; the rest are still tried so
    // that the log names every missing function.
    bool all = true;
#define JADELOOM_FIND(name) all = find(handles, #name, name) && all;
    JADELOOM_MOVIE_FUNCTIONS(JADELOOM_FIND)
#undef JADELOOM_FIND
    return all;
}
