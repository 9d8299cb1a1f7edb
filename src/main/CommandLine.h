#pragma once
#include <optional>
#include <string>
#include <vector>

// What the player asked for on the command line. Options are read in order:
// the first --help or --version answers at once, the first word that is no
// option is an error, and of --fullscreen and --windowed the last one wins.
class CommandLine {
public:
    enum class Request { Play, Help, Version, Error };

    CommandLine(int argc, const char* const* argv);

    Request request() const { return request_; }
    // Set only when the player chose a mode for this run; the saved setting
    // applies otherwise and is never changed by the choice.
    std::optional<bool> fullscreen() const { return fullscreen_; }
    // Why the command line was refused (Request::Error).
    const std::string& error() const { return error_; }

    static std::string usage();
    static std::string version();

    // Exit codes of the program, as the manual page lists them.
    static constexpr int exitOk = 0;
    static constexpr int exitFailure = 1;
    static constexpr int exitUsage = 2;

private:
    Request request_ = Request::Play;
    std::optional<bool> fullscreen_;
    std::string error_;
};
