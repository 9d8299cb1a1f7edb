#pragma once
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

// Runs a test inside a working directory of its own, as the game runs in
// one: a fresh temporary directory (removed afterwards) or, when one is
// named, that existing directory (left as it is). What the game writes to
// its log meanwhile is kept for the test to read instead of being printed.
class WorkDir {
public:
    explicit WorkDir(const std::string& existing = std::string())
    {
        previous = std::filesystem::current_path();
        if (existing.empty()) {
            char pattern[] = "/tmp/jadeloom-test-XXXXXX";
            if (!mkdtemp(pattern))
                throw std::runtime_error("no temporary directory");
            path = pattern;
            owned = true;
        } else {
            path = existing;
        }
        std::filesystem::current_path(path);
        savedLog = std::cerr.rdbuf(captured.rdbuf());
    }
    ~WorkDir()
    {
        std::cerr.rdbuf(savedLog);
        std::filesystem::current_path(previous);
        std::error_code ignored;
        if (owned)
            std::filesystem::remove_all(path, ignored);
    }
    WorkDir(const WorkDir&) = delete;
    WorkDir& operator=(const WorkDir&) = delete;

    std::string log() const { return captured.str(); }
    // Forgets what was logged so far: the log starts again from here.
    void clearLog() { captured.str(std::string()); }
    // Whether the log holds this exact line.
    bool logged(const std::string& line) const
    {
        return ("\n" + log()).find("\n" + line + "\n") != std::string::npos;
    }
    int count(const std::string& text) const
    {
        const std::string all = log();
        int n = 0;
        for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1))
            ++n;
        return n;
    }
    // The directory of the small model, picture and material files.
    static std::string dataDir() { return std::string(JADELOOM_TEST_DATA) + "/models/"; }

    static void write(const std::string& file, const std::string& text)
    {
        std::ofstream(file, std::ios::binary) << text;
    }
    static std::string read(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::string path;

private:
    std::filesystem::path previous;
    bool owned = false;
    std::ostringstream captured;
    std::streambuf* savedLog = nullptr;
};
