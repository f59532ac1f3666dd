// Each compressed format's rules from its own definition, and the limits of the platform's decoders:
// a format that breaks them would make a decoder divide by zero, read past its blocks or turn a
// short file into minutes of sound.
#include "sound/WavCodecRules.h"

#include <algorithm>
#include <initializer_list>

namespace {

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::int16_t S16(const std::vector<std::uint8_t>& b, std::size_t at) { return static_cast<std::int16_t>(U16(b, at)); }

std::string N(std::uint64_t v) { return std::to_string(v); }
// Milliseconds as seconds with two decimals, rounded down.
std::string Seconds(std::uint64_t ms) { return N(ms / 1000) + "." + N(ms / 100 % 10) + N(ms / 10 % 10); }

bool OneOf(std::uint32_t value, std::initializer_list<std::uint32_t> allowed) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

std::string ChannelsFault(const char* name, const TWavFormat& f, unsigned most) {
    if (f.channels <= most) return std::string();
    return std::string(name) + " with " + N(f.channels) + " channels cannot be decoded (at most " + N(most) + ")";
}

std::string BitsFault(const char* name, const TWavFormat& f, unsigned bits) {
    if (f.bitsPerSample == bits) return std::string();
    return std::string(name) + " with " + N(f.bitsPerSample) + " bits per sample cannot be decoded (only " + N(bits) + ")";
}

std::string ExtensionFault(const char* name, const TWavFormat& f, unsigned least) {
    if (f.cbSize >= least) return std::string();
    return std::string(name) + " format extension of " + N(f.cbSize) + " bytes is shorter than its " + N(least) + " bytes";
}

std::string SamplesPerBlockFault(const char* name, const TWavFormat& f, std::uint64_t expected) {
    const std::uint16_t declared = U16(f.extension, 0);
    if (declared == expected) return std::string();
    return std::string(name) + " block of " + N(f.blockAlign) + " bytes and " + N(f.channels) + " channel(s) holds " +
           N(expected) + " samples, not " + N(declared);
}

// The wave player reads a block format in buffers of a third of the declared byte rate, rounded
// up to whole blocks, and a close waits for the two buffers it has queued to play out. So what
// matters is not how far the declared rate strays from the rate the blocks carry (rate * block
// bytes / samples per block) but how much sound one buffer holds. Measured under Wine with real
// MCI (bench/win/wav_byte_rate_bench), a close after a second of play took about twice one
// buffer's sound: 0.38 s buffers 0.6 s, 1.38 s buffers 2.7 s, 2.69 s 5.3 s, 5.38 s 10.7 s; the
// 256 Hz file that declared 4096 for its blocks' 131 bytes a second holds 11.7 s a buffer. The
// declared rate itself may stray far either way: ffmpeg writes 16000 at every sample rate (0.36
// to 4 times its blocks' rate, 1.5 s a buffer at 8000 Hz), and files declaring from 3 bytes a
// second up play in real time to a successful end. Below 3 the buffers are empty: the play fails
// at once and nothing is heard. So the rule: at least 3 bytes a second, and at most 2 s of sound a
// buffer (closes of at most about 4 s), which ffmpeg's and sox's files at 8000 Hz and up keep,
// and a 256 Hz file in 256-byte blocks with its true rate just keeps (1.95 s).
constexpr std::uint32_t kMinBlockByteRate = 3;
constexpr std::uint64_t kMostBufferMs = 2000;

std::string ByteRateFault(const char* name, const TWavFormat& f, std::uint64_t samplesPerBlock) {
    const std::uint64_t declared = f.byteRate;
    if (declared < kMinBlockByteRate)
        return std::string(name) + " byte rate of " + N(declared) + " leaves the player's buffers empty, so nothing plays (at least " +
               N(kMinBlockByteRate) + " bytes a second)";
    const std::uint64_t blocks = (declared / 3 + f.blockAlign - 1) / f.blockAlign;
    const std::uint64_t bufferMs = blocks * samplesPerBlock * 1000 / f.sampleRate;
    if (bufferMs <= kMostBufferMs) return std::string();
    const std::uint64_t carried = (static_cast<std::uint64_t>(f.sampleRate) * f.blockAlign + samplesPerBlock / 2) / samplesPerBlock;
    return std::string(name) + " byte rate of " + N(declared) + " makes each play buffer hold " + Seconds(bufferMs) +
           " s of sound (blocks of " + N(f.blockAlign) + " bytes and " + N(samplesPerBlock) + " samples at " + N(f.sampleRate) +
           " Hz carry " + N(carried) + " bytes a second), and closing waits for it (at most " + Seconds(kMostBufferMs) + " s)";
}

// MS ADPCM: a block starts with a header of 7 bytes per channel that carries two samples; every
// further byte holds two 4-bit samples. The format extension gives the samples per block and the
// predictor coefficients, of which the first seven are fixed by the format (the decoder uses its
// own copy of them and ignores the file's).
std::string MsAdpcmFault(const TWavFormat& f) {
    static const char kName[] = "MS ADPCM";
    static const std::int16_t kStandard[7][2] = {{256, 0}, {512, -256}, {0, 0}, {192, 64},
                                                 {240, 0}, {460, -208}, {392, -232}};
    std::string fault = ChannelsFault(kName, f, 2);
    if (fault.empty()) fault = BitsFault(kName, f, 4);
    if (fault.empty()) fault = ExtensionFault(kName, f, 32);
    if (!fault.empty()) return fault;
    const unsigned header = 7u * f.channels;
    if (f.blockAlign < header)
        return std::string(kName) + " block of " + N(f.blockAlign) + " bytes is shorter than its header of " + N(header) + " bytes";
    const std::uint64_t samplesPerBlock = (f.blockAlign - header) * 8ull / (4ull * f.channels) + 2;
    fault = SamplesPerBlockFault(kName, f, samplesPerBlock);
    if (fault.empty()) fault = ByteRateFault(kName, f, samplesPerBlock);
    if (!fault.empty()) return fault;
    const unsigned coefficients = U16(f.extension, 2);
    if (coefficients < 7) return std::string(kName) + " lists " + N(coefficients) + " coefficient pairs, fewer than the 7 standard ones";
    if (4ull + 4ull * coefficients > f.cbSize)
        return std::string(kName) + " coefficient table of " + N(coefficients) + " pairs does not fit the format extension of " +
               N(f.cbSize) + " bytes";
    for (std::size_t i = 0; i < 7; ++i) {
        const std::int16_t c1 = S16(f.extension, 4 + 4 * i), c2 = S16(f.extension, 6 + 4 * i);
        if (c1 != kStandard[i][0] || c2 != kStandard[i][1])
            return std::string(kName) + " coefficient pair " + N(i + 1) + " is (" + std::to_string(c1) + ", " + std::to_string(c2) +
                   "), not the standard (" + std::to_string(kStandard[i][0]) + ", " + std::to_string(kStandard[i][1]) + ")";
    }
    return std::string();
}

// IMA ADPCM: a block starts with a header of 4 bytes per channel that carries one sample; then
// the channels take turns with words of 4 bytes (eight 4-bit samples each).
std::string ImaAdpcmFault(const TWavFormat& f) {
    static const char kName[] = "IMA ADPCM";
    std::string fault = ChannelsFault(kName, f, 2);
    if (fault.empty()) fault = BitsFault(kName, f, 4);
    if (fault.empty()) fault = ExtensionFault(kName, f, 2);
    if (!fault.empty()) return fault;
    const unsigned word = 4u * f.channels;
    if (f.blockAlign % word != 0)
        return std::string(kName) + " block of " + N(f.blockAlign) + " bytes is not a whole number of " + N(word) +
               "-byte words for " + N(f.channels) + " channel(s)";
    const std::uint64_t samplesPerBlock = (f.blockAlign - word) * 8ull / (4ull * f.channels) + 1;
    fault = SamplesPerBlockFault(kName, f, samplesPerBlock);
    return fault.empty() ? ByteRateFault(kName, f, samplesPerBlock) : fault;
}

// GSM 6.10: mono blocks of 65 bytes, two frames of 160 samples each.
std::string GsmFault(const TWavFormat& f) {
    static const char kName[] = "GSM 6.10";
    std::string fault = ChannelsFault(kName, f, 1);
    if (fault.empty()) fault = BitsFault(kName, f, 0);
    if (fault.empty() && f.blockAlign != 65)
        fault = std::string(kName) + " block of " + N(f.blockAlign) + " bytes cannot be decoded (only 65)";
    if (fault.empty()) fault = ExtensionFault(kName, f, 2);
    if (fault.empty()) fault = SamplesPerBlockFault(kName, f, 320);
    // The decoder takes only the byte rate rate * 65 / 320, rounded down (measured at 256, 8000,
    // 22050 and 44100 Hz: one byte more or less and the play fails at once, with nothing heard).
    const std::uint64_t exact = static_cast<std::uint64_t>(f.sampleRate) * 65 / 320;
    if (fault.empty() && f.byteRate != exact)
        fault = std::string(kName) + " byte rate of " + N(f.byteRate) + " is not the " + N(exact) + " bytes a second its blocks carry at " +
                N(f.sampleRate) + " Hz, the only rate its decoder takes";
    if (fault.empty()) fault = ByteRateFault(kName, f, 320);
    return fault;
}

// A-law and mu-law: one byte per sample; the decoder takes the four standard rates.
std::string G711Fault(const TWavFormat& f) {
    const char* name = f.tag == kWavALaw ? "A-law" : "mu-law";
    std::string fault = ChannelsFault(name, f, 2);
    if (fault.empty()) fault = BitsFault(name, f, 8);
    if (fault.empty() && f.blockAlign != f.channels)
        fault = std::string(name) + " block of " + N(f.blockAlign) + " bytes does not match " + N(f.channels) + " channel(s) of one byte";
    if (fault.empty() && !OneOf(f.sampleRate, {8000, 11025, 22050, 44100}))
        fault = std::string(name) + " at " + N(f.sampleRate) + " Hz cannot be decoded (only 8000, 11025, 22050 or 44100 Hz)";
    return fault;
}

// MPEG audio: the sample rates of MPEG-1, MPEG-2 and MPEG 2.5; for layer 3 the extension names
// the stream kind, which must be plain MPEG.
std::string MpegFault(const TWavFormat& f) {
    const char* name = f.tag == kWavMpegLayer3 ? "MPEG layer 3" : "MPEG audio";
    std::string fault = ChannelsFault(name, f, 2);
    if (fault.empty() && !OneOf(f.sampleRate, {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}))
        fault = std::string(name) + " at " + N(f.sampleRate) + " Hz is not an MPEG sample rate";
    if (fault.empty() && f.tag == kWavMpegLayer3) {
        fault = ExtensionFault(name, f, 12);
        if (fault.empty() && U16(f.extension, 0) != 1)
            fault = std::string(name) + " stream kind " + N(U16(f.extension, 0)) + " cannot be decoded (only 1, MPEG)";
    }
    return fault;
}

}  // namespace

std::string FindCodecFault(const TWavFormat& f) {
    const bool codec = f.tag == kWavMsAdpcm || f.tag == kWavImaAdpcm || f.tag == kWavGsm610 || f.tag == kWavALaw ||
                       f.tag == kWavMuLaw || f.tag == kWavMpeg || f.tag == kWavMpegLayer3;
    if (!codec) return std::string();
    // The wave player itself refuses a compressed format whose chunk does not hold its extension.
    if (!f.hasCbSize || f.extension.size() < f.cbSize) return std::string();
    switch (f.tag) {
    case kWavMsAdpcm: return MsAdpcmFault(f);
    case kWavImaAdpcm: return ImaAdpcmFault(f);
    case kWavGsm610: return GsmFault(f);
    case kWavALaw:
    case kWavMuLaw: return G711Fault(f);
    default: return MpegFault(f);
    }
}
