#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "support/WorkDir.h"
#include "audio/SoundEngine.h"

// Every device the audio tests open is OpenAL Soft's wave-file output (one
// channel, 16 bits, no dither) in a directory of this process's own, chosen
// before the first device opens; no sound card is needed. The file is
// complete once the device is closed.
class WaveOutput : public ::testing::Environment {
public:
    static inline std::string directory;
    static std::string path() { return directory + "/out.wav"; }

    void SetUp() override
    {
        char pattern[] = "/tmp/jadeloom-audio-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        std::ofstream(directory + "/alsoft.conf")
            << "[general]\ndrivers=wave\nsample-type=int16\nchannels=mono\ndither=false\n[wave]\nfile="
            << path() << "\n";
        setenv("ALSOFT_CONF", (directory + "/alsoft.conf").c_str(), 1);
        setenv("ALSOFT_DRIVERS", "wave", 1);
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(directory, ignored);
    }

    // The largest absolute sample written to the output file.
    static int peak()
    {
        std::ifstream in(path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        size_t at = 12;  // RIFF chunks follow the file header; the samples are in "data"
        uint32_t size = 0;
        while (at + 8 <= bytes.size() && bytes.compare(at, 4, "data") != 0)
            at += 8 + (std::memcpy(&size, bytes.data() + at + 4, 4), size);
        int most = 0;
        for (size_t i = at + 8; i + 1 < bytes.size(); i += 2) {
            int16_t sample = 0;
            std::memcpy(&sample, bytes.data() + i, 2);
            most = std::max(most, std::abs(static_cast<int>(sample)));
        }
        return most;
    }
};
inline ::testing::Environment* const waveOutput = ::testing::AddGlobalTestEnvironment(new WaveOutput);

// Runs each test from the source tree, where the game's and the test's
// sounds are, and collects what is logged.
class AudioTest : public ::testing::Test {
protected:
    WorkDir dir{JADELOOM_SOURCE_DIR};
    static void wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    // The engine's per-frame service every 10 ms for ms milliseconds.
    static void frames(SoundEngine& engine, int ms)
    {
        for (int t = 0; t < ms; t += 10, wait(10))
            engine.update();
    }
};
