#include "main/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {
long readHolder(int fd)
{
    char text[32] = {};
    const ssize_t n = pread(fd, text, sizeof text - 1, 0);
    if (n <= 0)
        return 0;
    return std::strtol(text, nullptr, 10);
}
}

InstanceLock::InstanceLock(const std::string& path)
{
    // Opened without truncation: the file may belong to a running game.
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) {
        error_ = path + ": " + std::strerror(errno);
        return;
    }
    int result;
    do {
        result = flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int err = errno;
        if (err == EWOULDBLOCK) {
            state_ = State::HeldElsewhere;
            holder_ = readHolder(fd_);
        } else {
            error_ = path + ": " + std::strerror(err);
        }
        close(fd_);
        fd_ = -1;
        return;
    }
    state_ = State::Held;
    // The holder's process id, for the message a second start prints; the
    // lock is what counts, so a failed write changes nothing.
    const std::string pid = std::to_string(static_cast<long>(getpid())) + "\n";
    if (ftruncate(fd_, 0) == 0 && pwrite(fd_, pid.data(), pid.size(), 0) < 0)
        error_ = path + ": " + std::strerror(errno);
}

InstanceLock::~InstanceLock()
{
    // Closing the only descriptor releases the lock; the file stays, as
    // removing it could race with a game that has just opened it.
    if (fd_ >= 0)
        close(fd_);
}
