#include "WaveOutput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {
std::string directory;

class WaveOutputEnvironment : public ::testing::Environment {
public:
    // Runs after the test program's main chose the null output, and before
    // any test opens a device (the driver settings are read at first open).
    void SetUp() override
    {
        char pattern[] = "/tmp/jadeloom-audio-XXXXXX";
        const char* made = mkdtemp(pattern);
        ASSERT_NE(made, nullptr);
        directory = made;
        const std::string conf = directory + "/alsoft.conf";
        std::ofstream(conf) << "[general]\ndrivers=wave\nsample-type=int16\nchannels=mono\ndither=false\n"
                            << "[wave]\nfile=" << waveoutput::path() << "\n";
        setenv("ALSOFT_CONF", conf.c_str(), 1);
        setenv("ALSOFT_DRIVERS", "wave", 1);
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(directory, ignored);
    }
};

::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new WaveOutputEnvironment);
}

std::string waveoutput::path()
{
    return directory + "/out.wav";
}

std::vector<int16_t> waveoutput::samples()
{
    std::ifstream in(path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // RIFF chunks after the 12-byte file header; the samples are the "data"
    // chunk's, up to the end of the file.
    size_t at = 12;
    while (at + 8 <= bytes.size() && bytes.compare(at, 4, "data") != 0) {
        const auto* size = reinterpret_cast<const unsigned char*>(bytes.data() + at + 4);
        at += 8 + (size[0] | size[1] << 8 | size[2] << 16 | static_cast<size_t>(size[3]) << 24);
    }
    std::vector<int16_t> out;
    for (size_t i = at + 8; i + 1 < bytes.size(); i += 2)
        out.push_back(static_cast<int16_t>(static_cast<unsigned char>(bytes[i])
                                           | static_cast<unsigned char>(bytes[i + 1]) << 8));
    return out;
}

int waveoutput::peak(const std::vector<int16_t>& samples)
{
    int most = 0;
    for (int16_t s : samples)
        most = std::max(most, std::abs(static_cast<int>(s)));
    return most;
}
