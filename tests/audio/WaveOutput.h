#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Every audio device the audio tests open is OpenAL Soft's wave-file output
// (one channel, 16-bit), set up in this program's own environment before the
// first device opens; no sound card is needed. The file is rewritten at each
// device open and complete once the device is closed.
namespace waveoutput {
// The output file's path.
std::string path();
// The samples written to the output file so far.
std::vector<int16_t> samples();
// The largest absolute sample value.
int peak(const std::vector<int16_t>& samples);
}
