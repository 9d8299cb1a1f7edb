#pragma once
#include <functional>
#include <ostream>
#include <string>

// Replaces a file only once its new content is wholly on disk: the content is
// written beside it (path + ".tmp"), flushed to the disk and renamed over the
// old file. A crash, a kill or a full disk during the write leaves the old
// file as it was; a failure is logged and reported.
class AtomicFile {
public:
    // Writes what body puts into the stream; false (logged, nothing replaced)
    // when the file could not be written whole.
    static bool write(const std::string& path, const std::function<void(std::ostream&)>& body);
};
