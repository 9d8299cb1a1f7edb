#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

// Runs a test inside a fresh temporary directory, as the game runs in a
// working directory of its own; the directory is removed afterwards.
class ScopedWorkDir {
public:
    ScopedWorkDir()
    {
        char pattern[] = "/tmp/jadeloom-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        path = made ? made : "/tmp";
        previous = std::filesystem::current_path();
        std::filesystem::current_path(path);
    }
    ~ScopedWorkDir()
    {
        std::filesystem::current_path(previous);
        std::error_code ignored;
        if (path != "/tmp")
            std::filesystem::remove_all(path, ignored);
    }
    ScopedWorkDir(const ScopedWorkDir&) = delete;
    ScopedWorkDir& operator=(const ScopedWorkDir&) = delete;

    std::string path;

private:
    std::filesystem::path previous;
};
