#pragma once
// Builders of small curve files for tests.
#include <string>
#include <vector>

namespace plotwise::test {

// A single-spindle keyed file: header lines padded with filler keys to
// `headerLines` lines, the last one "WaveData", then the samples.
inline std::string keyedSingleFile(int headerLines, const std::vector<std::string>& keys,
                                   const std::vector<std::string>& samples) {
    std::string out;
    int written = 0;
    for (const auto& key : keys) out += key + "\r\n", ++written;
    while (written < headerLines - 1) out += "Filler" + std::to_string(written) + "\tx\r\n", ++written;
    out += "WaveData\r\n";
    for (const auto& s : samples) out += s + "\r\n";
    return out;
}

inline std::vector<std::string> numberedSamples(int count, double step = 0.5) {
    std::vector<std::string> samples;
    for (int i = 1; i <= count; ++i) samples.push_back(std::to_string(i * step).substr(0, 6));
    return samples;
}

} // namespace plotwise::test
