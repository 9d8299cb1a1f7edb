#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "support/WorkDir.h"
#include "audio/SoundEngine.h"

// Every device the audio tests open is OpenAL Soft's wave-file output in a
// directory of this process's own, chosen before the first device opens; no
// sound card is needed, and moving the directory away takes the device.
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
};
inline ::testing::Environment* const waveOutput = ::testing::AddGlobalTestEnvironment(new WaveOutput);

// Runs each test from the source tree, where the game's and the test's
// sounds are, and collects what is logged.
class AudioTest : public ::testing::Test {
protected:
    WorkDir dir{JADELOOM_SOURCE_DIR};
    // The engine's per-frame service every 10 ms for ms milliseconds.
    static void frames(SoundEngine& engine, int ms)
    {
        for (int t = 0; t < ms; t += 10, std::this_thread::sleep_for(std::chrono::milliseconds(10)))
            engine.update();
    }
};
