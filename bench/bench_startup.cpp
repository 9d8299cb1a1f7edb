// Start-up and memory of the real game: launches the game binary in the
// current (prepared) working directory, times launch to the first frame of
// play (the log line "First frame drawn"), lets the game wait a few seconds
// for input, measuring the processor time it takes meanwhile, reads its peak
// resident memory and ends it with the close request. The window size is
// the working directory's configuration file's.
// Prints every run and the medians. Run on a display, from a working
// directory without "intro.avi" (so that no intro plays):
//   scripts/prepare-workdir.sh . /tmp/w && rm /tmp/w/intro.avi
//   cd /tmp/w && bench_startup /path/to/jadeloom [runs [seconds]] [cold]
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

bool logHas(const std::string& line)
{
    std::ifstream in("log.txt");
    std::string l;
    while (std::getline(in, l))
        if (l == line)
            return true;
    return false;
}

// A "Name:   123 kB" line of /proc/PID/status, in MB.
double statusMB(pid_t pid, const std::string& key)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.compare(0, key.size(), key) == 0) {
            std::istringstream words(line.substr(key.size()));
            double kb = 0;
            words >> kb;
            return kb / 1024.0;
        }
    return -1.0;
}

// User and system time of the process (all its threads) so far, in
// seconds: less disturbed by a busy machine than the wall clock.
double cpuSeconds(pid_t pid)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t close = text.rfind(')');
    if (close == std::string::npos)
        return -1.0;
    std::istringstream words(text.substr(close + 2));
    std::string w;
    double utime = 0, stime = 0;
    for (int field = 3; field <= 15 && words >> w; ++field) {
        if (field == 14)
            utime = std::atof(w.c_str());
        if (field == 15)
            stime = std::atof(w.c_str());
    }
    return (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Runs an xdotool command line on the game's window; false when it failed.
bool onWindow(const std::string& commands)
{
    const std::string line = "xdotool search --sync --onlyvisible --name '^Jadeloom$' " + commands + " >/dev/null 2>&1";
    return std::system(line.c_str()) == 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_startup GAME [runs [seconds]] [hover] [turn=MS] [shot=FILE] [cold]\n");
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const double seconds = argc > 3 ? std::atof(argv[3]) : 5.0;
    bool hover = false;
    bool cold = false;
    int turnMs = 0;
    std::string shot;
    for (int i = 4; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "hover")
            hover = true;
        else if (word.rfind("turn=", 0) == 0)
            turnMs = std::atoi(word.c_str() + 5);
        else if (word.rfind("shot=", 0) == 0)
            shot = word.substr(5);
        else if (word == "cold")
            cold = true;
    }
    // A returning player has started the game before, so the driver's
    // shader cache holds what it compiles at start-up: the runs share a
    // cache of their own in the working directory, filled by a first run
    // that is not counted. "cold" measures a first start instead.
    int warmUp = 0;
    if (cold) {
        setenv("MESA_SHADER_CACHE_DISABLE", "true", 1);
    } else {
        unsetenv("MESA_SHADER_CACHE_DISABLE");
        setenv("MESA_SHADER_CACHE_DIR", "shader-cache", 1);
        warmUp = 1;
    }
    if (access("intro.avi", F_OK) == 0) {
        std::fprintf(stderr, "intro.avi is here: the intro would play; remove it first\n");
        return 2;
    }
    std::vector<double> firstFrame, boardBuilt, peak, resident, cpu, waiting;
    for (int run = -warmUp; run < runs; ++run) {
        unlink("log.txt");
        const Clock::time_point start = Clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execl(argv[1], argv[1], static_cast<char*>(nullptr));
            _exit(127);
        }
        double built = -1.0, first = -1.0, firstCpu = -1.0;
        while (first < 0.0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            const double now = std::chrono::duration<double>(Clock::now() - start).count();
            if (built < 0.0 && logHas("Level initialized"))
                built = now;
            if (logHas("First frame drawn")) {
                first = now;
                firstCpu = cpuSeconds(pid);
            }
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid || now > 120.0) {
                std::fprintf(stderr, "run %d: the game ended or hung before its first frame\n", run);
                kill(pid, SIGKILL);
                return 1;
            }
        }
        const double rssFirst = statusMB(pid, "VmRSS:");
        if (hover || turnMs > 0) {
            // The keys go to the window under the pointer (no window manager).
            onWindow("mousemove --window %1 640 790");
            if (turnMs > 0)
                onWindow("keydown --window %1 Left sleep " + std::to_string(turnMs / 1000.0) + " keyup --window %1 Left");
            if (!hover)
                onWindow("mousemove 0 0");
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
        // Nothing happens while the game waits for input: the processor time
        // it takes meanwhile is what drawing frames nobody needs costs.
        const double idleStart = cpuSeconds(pid);
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const double idleCpu = (cpuSeconds(pid) - idleStart) / seconds;
        const double hwm = statusMB(pid, "VmHWM:");
        const double rss = statusMB(pid, "VmRSS:");
        if (!shot.empty() && std::system(("import -window root " + shot).c_str()) != 0)
            std::fprintf(stderr, "could not save %s\n", shot.c_str());
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        std::printf("%s %d: level built %.3f s, first frame %.3f s (CPU %.3f s), RSS at first frame %.1f MB, "
                    "after the wait %.1f MB, peak %.1f MB, CPU while waiting %.3f s/s, exit %d\n",
                    run < 0 ? "warm-up (not counted)" : "run", run, built,
                    first, firstCpu, rssFirst, rss, hwm, idleCpu,
                    WIFEXITED(status) ? WEXITSTATUS(status) : -1);
        std::fflush(stdout);
        if (run < 0)
            continue;
        firstFrame.push_back(first);
        boardBuilt.push_back(built);
        peak.push_back(hwm);
        resident.push_back(rss);
        cpu.push_back(firstCpu);
        waiting.push_back(idleCpu);
    }
    std::printf("median of %d: level built %.3f s, first frame %.3f s (CPU %.3f s), RSS after the wait %.1f MB, "
                "peak %.1f MB, CPU while waiting %.3f s/s\n", runs, median(boardBuilt), median(firstFrame),
                median(cpu), median(resident), median(peak), median(waiting));
    return 0;
}
