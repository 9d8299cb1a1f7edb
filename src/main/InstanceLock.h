#pragma once
#include <string>

// One game per working directory: an advisory lock (flock) on a file there,
// held for the object's lifetime. The system drops it when the process ends,
// however it ends, so a crashed game never leaves the directory locked.
class InstanceLock {
public:
    enum class State { Held, HeldElsewhere, Unavailable };

    explicit InstanceLock(const std::string& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    // HeldElsewhere: the process id the holder wrote, or 0 if unknown.
    long holder() const { return holder_; }
    // Unavailable: why the lock file could not be opened or locked.
    const std::string& error() const { return error_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
    long holder_ = 0;
    std::string error_;
};
