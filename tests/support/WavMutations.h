// Damaged and unusual WAV files made from a synthesized tone, with what the player should do with each.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "SonpixWriter.h"

// A compressed sound: the format chunk with its extension (cbSize and what follows), then
// dataBytes of silence (all-zero blocks decode to silence in both ADPCM forms and in GSM).
struct TCodecFormat {
    unsigned tag, channels;
    std::uint32_t rate, avg;
    unsigned align, bits;
    TBytes extension;  // after cbSize
};
TBytes CodecWav(const TCodecFormat& format, std::size_t dataBytes);
// MS ADPCM's extension: samples per block and the coefficient table with the seven standard pairs.
TBytes MsAdpcmExtension(unsigned samplesPerBlock, unsigned coefficients = 7);
// The samples-per-block word alone: the extension of IMA ADPCM and of GSM 6.10.
TBytes ImaExtension(unsigned samplesPerBlock);

enum class TWavVerdict {
    plays,             // opens and plays to its end
    refusedByCheck,    // Open refuses it with the header check's error
    rejectedByPlayer,  // MCI itself refuses to open it
};

struct TWavMutation {
    std::string name;
    TBytes bytes;
    TWavVerdict verdict;
};

// A short tone (0.3 s, 16-bit mono 22050 Hz) changed in one way per entry.
std::vector<TWavMutation> WavMutationSet();
