#include "base/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "base/Log.h"

namespace {
// The data must reach the disk before the rename makes it the file.
bool syncToDisk(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

bool failed(const std::string& path, const std::string& why)
{
    outputError("Could not save " + path + " (" + why + "), the previous file is kept");
    return false;
}
}

bool AtomicFile::write(const std::string& path, const std::function<void(std::ostream&)>& body)
{
    const std::string temp = path + ".tmp";
    std::ofstream out(temp, std::ios::out | std::ios::trunc);
    if (!out.is_open())
        return failed(path, "cannot create " + temp);
    body(out);
    out.close();
    if (out.fail() || !syncToDisk(temp)) {
        std::remove(temp.c_str());
        return failed(path, "cannot write " + temp);
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return failed(path, "cannot replace it");
    }
    return true;
}
