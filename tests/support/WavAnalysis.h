// Reading PCM WAV files back and measuring a tone in their samples, for tests of recorded sound.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/SonpixWriter.h"

struct TPcmWav {
    unsigned formatTag = 0, channels = 0, bitsPerSample = 0, blockAlign = 0;
    std::uint32_t sampleRate = 0, bytesPerSecond = 0;
    std::vector<double> samples;  // the first channel, scaled to -1..1 (8- and 16-bit PCM)
};

// The format chunk and the samples of the data chunk (cut at the end of the bytes); std::nullopt
// when the bytes are no RIFF/WAVE file with both chunks, or not 8- or 16-bit PCM.
std::optional<TPcmWav> ReadPcmWav(const TBytes& bytes);

// Root mean square of samples [first, last).
double Rms(const std::vector<double>& samples, std::size_t first, std::size_t last);
// The amplitude of the sine at frequencyHz in samples [first, last) (Goertzel): about A for
// A*sin at that frequency, near 0 for silence and for other frequencies.
double ToneAmplitude(const std::vector<double>& samples, std::size_t first, std::size_t last, double frequencyHz,
                     double sampleRate);
// The frequency that the rising zero crossings in samples [first, last) count out.
double ZeroCrossingFrequency(const std::vector<double>& samples, std::size_t first, std::size_t last,
                             double sampleRate);

// A tone in a recording, measured past its first 0.3 s (the input may start a little late) to
// its end: RMS, the amplitude at its frequency, and the frequency its zero crossings count out.
struct TToneMeasure {
    double rms = 0, amplitude = 0, frequency = 0;
};
// std::nullopt when less than half a second is left to measure.
std::optional<TToneMeasure> MeasureRecordedTone(const TPcmWav& wav, double frequencyHz);

// Why the measure is not the tone at frequencyHz, or empty when it is: not silence (RMS over
// 0.05), most energy at the tone (a pure sine gives amplitude = RMS * sqrt 2; input dropped on a
// loaded machine smears it a little), and the zero crossings within tolerance (a fraction) of
// frequencyHz (dropped input loses whole cycles from that count).
std::string FindToneFault(const TToneMeasure& measure, double frequencyHz, double tolerance);
