// The rules of the compressed WAV formats that the platform's decoders take, checked before playing.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The fields of a WAV format chunk. extension holds the bytes after cbSize that the chunk really
// has, at most cbSize of them.
struct TWavFormat {
    std::uint16_t tag = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    bool hasCbSize = false;  // the chunk is at least 18 bytes long
    std::uint16_t cbSize = 0;
    std::vector<std::uint8_t> extension;
};

// Format tags with rules of their own.
constexpr std::uint16_t kWavMsAdpcm = 0x0002;
constexpr std::uint16_t kWavALaw = 0x0006;
constexpr std::uint16_t kWavMuLaw = 0x0007;
constexpr std::uint16_t kWavImaAdpcm = 0x0011;
constexpr std::uint16_t kWavGsm610 = 0x0031;
constexpr std::uint16_t kWavMpeg = 0x0050;
constexpr std::uint16_t kWavMpegLayer3 = 0x0055;

// Why the decoder of this compressed format must not be given the format, or empty when it may
// (also for PCM, float and formats no decoder takes, which the player handles or refuses itself).
// The fields common to every format (channels, rates, block alignment) are checked before.
std::string FindCodecFault(const TWavFormat& format);
