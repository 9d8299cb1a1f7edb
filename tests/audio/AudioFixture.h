#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>

#include "WaveOutput.h"
#include "audio/SoundEngine.h"

// Runs each test from the source tree, where the game's sounds and the test
// sounds are, and collects what is logged.
class AudioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = std::filesystem::current_path();
        std::filesystem::current_path(JADELOOM_SOURCE_DIR);
        savedErr = std::cerr.rdbuf(log.rdbuf());
    }
    void TearDown() override
    {
        std::cerr.rdbuf(savedErr);
        std::filesystem::current_path(previous);
    }
    // How many log lines are exactly line.
    int lines(const std::string& line) const
    {
        std::istringstream in(log.str());
        int n = 0;
        for (std::string l; std::getline(in, l);)
            n += l == line;
        return n;
    }
    static void wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    // Calls the engine's per-frame service every 10 ms for ms milliseconds.
    static void frames(SoundEngine& engine, int ms)
    {
        for (int t = 0; t < ms; t += 10) {
            engine.update();
            wait(10);
        }
    }

    std::filesystem::path previous;
    std::ostringstream log;
    std::streambuf* savedErr = nullptr;
};
