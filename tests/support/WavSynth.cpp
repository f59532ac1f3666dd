// Sine tones written as RIFF/WAVE PCM files.
#include "WavSynth.h"

#include <cmath>
#include <cstdint>

namespace {
void PutU16(TBytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void PutU32(TBytes& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}
void PutTag(TBytes& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}
}  // namespace

TBytes SynthesizeToneWav(const TToneSpec& tone) {
    const int bytesPerSample = tone.bitsPerSample / 8;
    const std::uint32_t frames = static_cast<std::uint32_t>(tone.seconds * tone.sampleRate);
    const std::uint32_t dataSize = frames * tone.channels * bytesPerSample;
    TBytes out;
    PutTag(out, "RIFF");
    PutU32(out, 36 + dataSize);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1);  // PCM
    PutU16(out, tone.channels);
    PutU32(out, tone.sampleRate);
    PutU32(out, tone.sampleRate * tone.channels * bytesPerSample);
    PutU16(out, tone.channels * bytesPerSample);
    PutU16(out, tone.bitsPerSample);
    PutTag(out, "data");
    PutU32(out, dataSize);
    const double kTwoPi = 6.283185307179586;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double v = tone.amplitude * std::sin(kTwoPi * tone.frequencyHz * i / tone.sampleRate);
        for (int c = 0; c < tone.channels; ++c) {
            if (bytesPerSample == 1)
                out.push_back(static_cast<std::uint8_t>(128 + std::lround(v * 127)));
            else
                PutU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32767))));
        }
    }
    return out;
}
