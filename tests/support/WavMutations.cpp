// The set of damaged and unusual WAV files: field patches and inserted chunks on a synthesized tone.
#include "WavMutations.h"

#include <cstdint>

#include "LittleEndian.h"
#include "WavSynth.h"

namespace {

// Offsets in the file SynthesizeToneWav writes: "RIFF" size "WAVE", "fmt " 16, the 16 bytes of
// format fields, "data" size, samples.
constexpr std::size_t kFmtHeader = 12, kFmtSize = 16, kTag = 20, kChannels = 22, kRate = 24, kAvg = 28,
                      kAlign = 32, kBits = 34, kDataHeader = 36;


TBytes Tone(int channels = 1, int rate = 22050, int bits = 16) {
    TToneSpec tone;
    tone.seconds = 0.3;
    tone.channels = channels;
    tone.sampleRate = rate;
    tone.bitsPerSample = bits;
    return SynthesizeToneWav(tone);
}

TBytes Patch16(TBytes b, std::size_t at, unsigned v) { Set16(b, at, v); return b; }
TBytes Patch32(TBytes b, std::size_t at, std::uint32_t v) { Set32(b, at, v); return b; }

// Inserts a chunk (tag, declared size, body) at a chunk boundary and fixes the RIFF size.
TBytes InsertChunk(TBytes b, std::size_t at, const std::string& tag, const TBytes& body, std::uint32_t declaredSize) {
    TBytes chunk(tag.begin(), tag.end());
    chunk.resize(8);
    Set32(chunk, 4, declaredSize);
    chunk.insert(chunk.end(), body.begin(), body.end());
    b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), chunk.begin(), chunk.end());
    Set32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    return b;
}

// Makes the format chunk 18 bytes long (cbSize 0) or longer, for the non-PCM tags that need cbSize.
TBytes WithFormatExtra(TBytes b, const TBytes& extra) {
    b.insert(b.begin() + kDataHeader, extra.begin(), extra.end());
    Set32(b, kFmtHeader + 4, static_cast<std::uint32_t>(kFmtSize + extra.size()));
    Set32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    return b;
}

TBytes Extensible(TBytes b) {
    TBytes extra = {22, 0, 16, 0, 4, 0, 0, 0};
    const std::uint8_t pcmGuid[16] = {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
    extra.insert(extra.end(), pcmGuid, pcmGuid + 16);
    Set16(b, kTag, 0xFFFE);
    return WithFormatExtra(b, extra);
}

TBytes Float32() {
    TBytes b = WithFormatExtra(Tone(), {0, 0});
    Set16(b, kTag, 3);
    Set16(b, kBits, 32);
    Set16(b, kAlign, 4);
    Set32(b, kAvg, 22050 * 4);
    return b;
}

TBytes ALaw() {
    TBytes b = WithFormatExtra(Tone(), {0, 0});
    Set16(b, kTag, 6);
    Set16(b, kBits, 8);
    Set16(b, kAlign, 1);
    Set32(b, kAvg, 22050);
    return b;
}

}  // namespace

TBytes CodecWav(const TCodecFormat& f, std::size_t dataBytes) {
    TBytes fmt(18);
    Set16(fmt, 0, f.tag);
    Set16(fmt, 2, f.channels);
    Set32(fmt, 4, f.rate);
    Set32(fmt, 8, f.avg);
    Set16(fmt, 12, f.align);
    Set16(fmt, 14, f.bits);
    Set16(fmt, 16, static_cast<unsigned>(f.extension.size()));
    fmt.insert(fmt.end(), f.extension.begin(), f.extension.end());
    TBytes b = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 0, 0, 0, 0};
    Set32(b, 16, static_cast<std::uint32_t>(fmt.size()));
    b.insert(b.end(), fmt.begin(), fmt.end());
    if (fmt.size() % 2) b.push_back(0);
    const TBytes dataHeader = {'d', 'a', 't', 'a', 0, 0, 0, 0};
    b.insert(b.end(), dataHeader.begin(), dataHeader.end());
    Set32(b, b.size() - 4, static_cast<std::uint32_t>(dataBytes));
    b.resize(b.size() + dataBytes, 0);
    Set32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    return b;
}

TBytes MsAdpcmExtension(unsigned samplesPerBlock, unsigned coefficients) {
    TBytes e(4);
    Set16(e, 0, samplesPerBlock);
    Set16(e, 2, coefficients);
    for (const int c : {256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232}) {
        e.push_back(static_cast<std::uint8_t>(c & 0xFF));
        e.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
    }
    return e;
}

TBytes ImaExtension(unsigned samplesPerBlock) {
    TBytes e(2);
    Set16(e, 0, samplesPerBlock);
    return e;
}

namespace {

// Block sizes and samples per block as sox writes them.
TBytes MsAdpcm(unsigned channels, unsigned samplesPerBlock, std::size_t dataBytes = 2048) {
    return CodecWav({2, channels, 8000, 4096 * channels, 256 * channels, 4, MsAdpcmExtension(samplesPerBlock)}, dataBytes);
}
TBytes Ima(unsigned channels, unsigned align, unsigned samplesPerBlock, std::size_t dataBytes = 2048) {
    return CodecWav({0x11, channels, 8000, 4055 * channels, align, 4, ImaExtension(samplesPerBlock)}, dataBytes);
}

}  // namespace

std::vector<TWavMutation> WavMutationSet() {
    using V = TWavVerdict;
    const TBytes tone = Tone();
    const std::size_t dataChunk = kDataHeader;
    TBytes garbage(1024);
    for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<std::uint8_t>(i * 7);
    return {
        // Valid files of every ordinary kind.
        {"16-bit mono 22050", tone, V::plays},
        {"8-bit stereo 11025", Tone(2, 11025, 8), V::plays},
        {"16-bit stereo 44100", Tone(2, 44100, 16), V::plays},
        {"16-bit mono 8000", Tone(1, 8000, 16), V::plays},
        {"8-bit mono 48000", Tone(1, 48000, 8), V::plays},
        {"extensible PCM", Extensible(tone), V::plays},
        {"format chunk with cbSize", WithFormatExtra(tone, {0, 0}), V::plays},
        {"LIST chunk before the format", InsertChunk(tone, kFmtHeader, "LIST", {'I', 'N', 'F', 'O'}, 4), V::plays},
        {"odd-sized chunk before the data", InsertChunk(tone, dataChunk, "junk", {1, 2, 3, 0}, 3), V::plays},
        {"IEEE float", Float32(), V::plays},
        {"A-law", ALaw(), V::plays},
        // Damaged, but harmless to the player.
        {"data size past the file end", Patch32(tone, kDataHeader + 4, 0x7FFFFFF0), V::plays},
        {"RIFF size past the file end", Patch32(tone, 4, 0xFFFFFFF0), V::plays},
        {"PCM block alignment wrong", Patch16(tone, kAlign, 3), V::plays},
        {"MS ADPCM mono", MsAdpcm(1, 500), V::plays},
        {"MS ADPCM stereo", MsAdpcm(2, 500), V::plays},
        {"IMA ADPCM mono", Ima(1, 256, 505), V::plays},
        {"IMA ADPCM stereo", Ima(2, 512, 505), V::plays},
        // Declared byte rates far from the blocks' own: the play buffers still hold little sound.
        {"MS ADPCM as ffmpeg writes it (16000 bytes a second at 8000 Hz)", CodecWav({2, 1, 8000, 16000, 1024, 4, MsAdpcmExtension(2036)}, 4096), V::plays},
        {"IMA ADPCM as ffmpeg writes it (16000 bytes a second at 22050 Hz)", CodecWav({0x11, 1, 22050, 16000, 1024, 4, ImaExtension(2041)}, 4096), V::plays},
        {"GSM 6.10", CodecWav({0x31, 1, 8000, 1625, 65, 0, ImaExtension(320)}, 65 * 8), V::plays},
        {"IMA ADPCM, byte rate 3 (a block a buffer)", CodecWav({0x11, 1, 8000, 3, 256, 4, ImaExtension(505)}, 2048), V::plays},
        // What MCI refuses by itself.
        {"garbage", garbage, V::rejectedByPlayer},
        {"empty", {}, V::rejectedByPlayer},
        {"no data chunk", TBytes(tone.begin(), tone.begin() + kDataHeader), V::rejectedByPlayer},
        {"format chunk of 14 bytes", Patch32(tone, kFmtHeader + 4, 14), V::rejectedByPlayer},
        // What crashes, hangs or derails the player without the header check.
        {"format size 0xFFFFFFFF (crash in open)", Patch32(tone, kFmtHeader + 4, 0xFFFFFFFF), V::refusedByCheck},
        {"format size 0x80000000 (crash in open)", Patch32(tone, kFmtHeader + 4, 0x80000000), V::refusedByCheck},
        {"format chunk cut short", TBytes(tone.begin(), tone.begin() + 30), V::refusedByCheck},
        {"wrapping chunk before the format (hang in open)", InsertChunk(tone, kFmtHeader, "junk", {}, 0xFFFFFFF8), V::refusedByCheck},
        {"wrapping chunk before the data (hang in open)", InsertChunk(tone, dataChunk, "junk", {}, 0xFFFFFFF8), V::refusedByCheck},
        {"PCM 4-bit mono (crash in play)", Patch16(tone, kBits, 4), V::refusedByCheck},
        {"PCM 7-bit mono (crash in play)", Patch16(tone, kBits, 7), V::refusedByCheck},
        {"no channels (crash in play)", Patch16(tone, kChannels, 0), V::refusedByCheck},
        {"block alignment 0, A-law (crash in play)", Patch16(ALaw(), kAlign, 0), V::refusedByCheck},
        {"block alignment 0, float (crash in play)", Patch16(Float32(), kAlign, 0), V::refusedByCheck},
        {"block alignment 0, extensible (crash in play)", Patch16(Extensible(tone), kAlign, 0), V::refusedByCheck},
        {"block alignment 0, PCM", Patch16(tone, kAlign, 0), V::refusedByCheck},
        {"sample rate 768000 (abort in play)", Patch32(Patch32(tone, kRate, 768000), kAvg, 768000 * 2), V::refusedByCheck},
        {"sample rate 0xFFFFFFFF (abort in play)", Patch32(tone, kRate, 0xFFFFFFFF), V::refusedByCheck},
        {"sample rate 0 (play fails)", Patch32(tone, kRate, 0), V::refusedByCheck},
        {"sample rate 17 (hang in close)", Patch32(tone, kRate, 17), V::refusedByCheck},
        {"sample rate 40 (hang in close)", Patch32(Patch32(tone, kRate, 40), kAvg, 80), V::refusedByCheck},
        {"byte rate 0, A-law (silent, length unknown)", Patch32(ALaw(), kAvg, 0), V::refusedByCheck},
        {"byte rate 0xFFFFFFFF (crash in play)", Patch32(tone, kAvg, 0xFFFFFFFF), V::refusedByCheck},
        {"MS ADPCM, 0 samples per block (crash in play)", MsAdpcm(1, 0), V::refusedByCheck},
        {"MS ADPCM, samples past the block", MsAdpcm(1, 4000), V::refusedByCheck},
        {"MS ADPCM, no coefficients", CodecWav({2, 1, 8000, 4096, 256, 4, MsAdpcmExtension(500, 0)}, 2048), V::refusedByCheck},
        {"MS ADPCM, no extension", CodecWav({2, 1, 8000, 4096, 256, 4, {}}, 2048), V::refusedByCheck},
        {"IMA ADPCM stereo, block align 4 (hang)", Ima(2, 4, 505, 1600), V::refusedByCheck},
        {"IMA ADPCM stereo, block align 4, longer (hang)", Ima(2, 4, 505, 6400), V::refusedByCheck},
        {"MS ADPCM at 256 Hz, byte rate 4096 (20 s close)", CodecWav({2, 1, 256, 4096, 256, 4, MsAdpcmExtension(500)}, 2048), V::refusedByCheck},
        {"IMA ADPCM, byte rate eight times its blocks'", CodecWav({0x11, 1, 8000, 8 * 4055, 256, 4, ImaExtension(505)}, 2048), V::refusedByCheck},
        {"GSM 6.10, byte rate one too many (play fails at once)", CodecWav({0x31, 1, 8000, 1626, 65, 0, ImaExtension(320)}, 65 * 8), V::refusedByCheck},
        {"IMA ADPCM, byte rate 2 (empty buffers, play fails at once)", CodecWav({0x11, 1, 8000, 2, 256, 4, ImaExtension(505)}, 2048), V::refusedByCheck},
        {"IMA ADPCM, 0 samples per block", Ima(1, 256, 0), V::refusedByCheck},
        {"IMA ADPCM, samples past the block", Ima(1, 256, 4001), V::refusedByCheck},
    };
}
