// Sine tones written as RIFF/WAVE PCM files.
#include "WavSynth.h"

#include <cmath>
#include <cstdint>

#include "LittleEndian.h"

namespace {
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
    Put32(out, 36 + dataSize);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, tone.channels);
    Put32(out, tone.sampleRate);
    Put32(out, tone.sampleRate * tone.channels * bytesPerSample);
    Put16(out, tone.channels * bytesPerSample);
    Put16(out, tone.bitsPerSample);
    PutTag(out, "data");
    Put32(out, dataSize);
    const double kTwoPi = 6.283185307179586;
    for (std::uint32_t i = 0; i < frames; ++i) {
        const double v = tone.amplitude * std::sin(kTwoPi * tone.frequencyHz * i / tone.sampleRate);
        for (int c = 0; c < tone.channels; ++c) {
            if (bytesPerSample == 1)
                out.push_back(static_cast<std::uint8_t>(128 + std::lround(v * 127)));
            else
                Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32767))));
        }
    }
    return out;
}
