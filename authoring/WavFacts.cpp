// Walks the RIFF chunks of a WAV file for its format and the amount of sound data.
#include "authoring/WavFacts.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint32_t U16(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) { return U16(p) | (U16(p + 2) << 16); }

}  // namespace

bool ReadWavFacts(const std::uint8_t* data, std::size_t size, TWavFacts& facts, std::string& error) {
    facts = TWavFacts();
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) {
        error = "the sound is not a WAV file (no RIFF/WAVE header)";
        return false;
    }
    bool haveFormat = false;
    for (std::uint64_t at = 12; at + 8 <= size;) {
        const std::uint8_t* chunk = data + at;
        const std::uint64_t chunkSize = U32(chunk + 4);
        const std::uint64_t body = at + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && !haveFormat) {
            if (chunkSize < 16 || body + 16 > size) break;
            facts.formatTag = static_cast<int>(U16(data + body));
            facts.channels = static_cast<int>(U16(data + body + 2));
            facts.sampleRate = U32(data + body + 4);
            facts.bytesPerSecond = U32(data + body + 8);
            facts.bitsPerSample = static_cast<int>(U16(data + body + 14));
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0 && haveFormat) {
            facts.dataBytes = std::min<std::uint64_t>(chunkSize, size - body);
            facts.seconds = facts.bytesPerSecond ? static_cast<double>(facts.dataBytes) / facts.bytesPerSecond : 0.0;
            return true;
        }
        at = body + chunkSize + (chunkSize & 1);
    }
    error = haveFormat ? "the WAV file has no data chunk after its format chunk" : "the WAV file has no format chunk";
    return false;
}
