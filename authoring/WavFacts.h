// The format of a WAV sound as the info command reports it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

struct TWavFacts {
    int formatTag = 0;  // 1: PCM
    int channels = 0;
    std::uint32_t sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t bytesPerSecond = 0;
    std::uint64_t dataBytes = 0;  // sound data present in the file (the data chunk, cut at the end)
    double seconds = 0.0;         // dataBytes / bytesPerSecond
};

// Reads the format and data chunks; false with a reason when the bytes are not a WAV file
// with both chunks.
bool ReadWavFacts(const std::uint8_t* data, std::size_t size, TWavFacts& facts, std::string& error);
