// PCM WAV parsing and tone measurement (RMS, Goertzel amplitude, zero-crossing frequency).
#include "WavAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

namespace {
std::uint32_t Get32(const TBytes& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}
unsigned Get16(const TBytes& bytes, std::size_t at) { return bytes[at] | bytes[at + 1] << 8; }
bool TagAt(const TBytes& bytes, std::size_t at, const char* tag) {
    return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, tag, 4) == 0;
}
}  // namespace

std::optional<TPcmWav> ReadPcmWav(const TBytes& bytes) {
    if (!TagAt(bytes, 0, "RIFF") || !TagAt(bytes, 8, "WAVE")) return std::nullopt;
    TPcmWav wav;
    bool haveFormat = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::uint32_t size = Get32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (TagAt(bytes, at, "fmt ") && size >= 16 && body + 16 <= bytes.size()) {
            wav.formatTag = Get16(bytes, body);
            wav.channels = Get16(bytes, body + 2);
            wav.sampleRate = Get32(bytes, body + 4);
            wav.bytesPerSecond = Get32(bytes, body + 8);
            wav.blockAlign = Get16(bytes, body + 12);
            wav.bitsPerSample = Get16(bytes, body + 14);
            haveFormat = true;
        } else if (TagAt(bytes, at, "data")) {
            if (!haveFormat || wav.formatTag != 1 || wav.channels == 0 ||
                (wav.bitsPerSample != 8 && wav.bitsPerSample != 16) ||
                wav.blockAlign != wav.channels * wav.bitsPerSample / 8)
                return std::nullopt;
            const std::size_t end = std::min<std::size_t>(bytes.size(), body + size);
            for (std::size_t frame = body; frame + wav.blockAlign <= end; frame += wav.blockAlign) {
                if (wav.bitsPerSample == 8)
                    wav.samples.push_back((bytes[frame] - 128) / 128.0);
                else
                    wav.samples.push_back(static_cast<std::int16_t>(Get16(bytes, frame)) / 32768.0);
            }
            return wav;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

double Rms(const std::vector<double>& samples, std::size_t first, std::size_t last) {
    if (last <= first) return 0.0;
    double sum = 0.0;
    for (std::size_t i = first; i < last; ++i) sum += samples[i] * samples[i];
    return std::sqrt(sum / static_cast<double>(last - first));
}

double ToneAmplitude(const std::vector<double>& samples, std::size_t first, std::size_t last, double frequencyHz,
                     double sampleRate) {
    if (last <= first) return 0.0;
    const double coefficient = 2.0 * std::cos(6.283185307179586 * frequencyHz / sampleRate);
    double previous = 0.0, beforePrevious = 0.0;
    for (std::size_t i = first; i < last; ++i) {
        const double current = samples[i] + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(last - first);
}

double ZeroCrossingFrequency(const std::vector<double>& samples, std::size_t first, std::size_t last,
                             double sampleRate) {
    if (last <= first + 1) return 0.0;
    unsigned rising = 0;
    for (std::size_t i = first + 1; i < last; ++i)
        if (samples[i - 1] < 0.0 && samples[i] >= 0.0) ++rising;
    return rising * sampleRate / static_cast<double>(last - first);
}

std::optional<TToneMeasure> MeasureRecordedTone(const TPcmWav& wav, double frequencyHz) {
    const std::size_t first = wav.sampleRate * 3 / 10, last = wav.samples.size();
    if (last <= first + wav.sampleRate / 2) return std::nullopt;
    TToneMeasure measure;
    measure.rms = Rms(wav.samples, first, last);
    measure.amplitude = ToneAmplitude(wav.samples, first, last, frequencyHz, wav.sampleRate);
    measure.frequency = ZeroCrossingFrequency(wav.samples, first, last, wav.sampleRate);
    return measure;
}

std::string FindToneFault(const TToneMeasure& measure, double frequencyHz, double tolerance) {
    if (measure.rms <= 0.05) return "silence: RMS " + std::to_string(measure.rms);
    if (measure.amplitude <= 0.5 * measure.rms * std::sqrt(2.0))
        return "the energy is not in the tone: amplitude " + std::to_string(measure.amplitude) + " at RMS " +
               std::to_string(measure.rms);
    if (std::fabs(measure.frequency - frequencyHz) > frequencyHz * tolerance)
        return "zero crossings count out " + std::to_string(measure.frequency) + " Hz";
    return "";
}
