// The WAV header check: which headers are refused, and that sound files of every ordinary kind pass.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sound/WavCheck.h"
#include "tests/support/LittleEndian.h"

namespace {

using TBytes = std::vector<std::uint8_t>;


struct TFormat {
    unsigned tag = 1, channels = 1;
    std::uint32_t rate = 22050, avg = 44100;
    unsigned align = 2, bits = 16;
    TBytes extra;  // cbSize and what follows
};

TBytes Chunk(const std::string& tag, const TBytes& body, std::int64_t declaredSize = -1) {
    TBytes out(tag.begin(), tag.end());
    Put32(out, declaredSize < 0 ? static_cast<std::uint32_t>(body.size()) : static_cast<std::uint32_t>(declaredSize));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2) out.push_back(0);
    return out;
}

TBytes FormatBody(const TFormat& f) {
    TBytes out;
    Put16(out, f.tag);
    Put16(out, f.channels);
    Put32(out, f.rate);
    Put32(out, f.avg);
    Put16(out, f.align);
    Put16(out, f.bits);
    out.insert(out.end(), f.extra.begin(), f.extra.end());
    return out;
}

TBytes Riff(const std::vector<TBytes>& chunks) {
    TBytes body = {'W', 'A', 'V', 'E'};
    for (const TBytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    TBytes out = {'R', 'I', 'F', 'F'};
    Put32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

const TBytes kSamples(2000, 0x10);

TBytes Wav(const TFormat& f) { return Riff({Chunk("fmt ", FormatBody(f)), Chunk("data", kSamples)}); }

TFormat Pcm(unsigned channels, std::uint32_t rate, unsigned bits) {
    TFormat f;
    f.channels = channels;
    f.rate = rate;
    f.bits = bits;
    f.align = channels * bits / 8;
    f.avg = rate * f.align;
    return f;
}

TFormat Extensible(unsigned channels, unsigned bits) {
    TFormat f = Pcm(channels, 44100, bits);
    f.tag = 0xFFFE;
    Put16(f.extra, 22);
    Put16(f.extra, bits);
    Put32(f.extra, channels == 2 ? 3 : 4);
    const std::uint8_t pcmGuid[16] = {1, 0, 0, 0, 0, 0, 0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
    f.extra.insert(f.extra.end(), pcmGuid, pcmGuid + 16);
    return f;
}

template <class Change>
TFormat With(TFormat f, Change change) {
    change(f);
    return f;
}

std::string Fault(const TBytes& bytes) { return FindWavHeaderFault(TWavBytesSource(bytes)); }

TEST(WavCheck, OrdinarySoundFilesPass) {
    TFormat withCbSize = Pcm(1, 22050, 16);
    Put16(withCbSize.extra, 0);
    const struct {
        const char* name;
        TBytes bytes;
    } cases[] = {
        {"8-bit mono 8000", Wav(Pcm(1, 8000, 8))},
        {"8-bit stereo 11025", Wav(Pcm(2, 11025, 8))},
        {"16-bit mono 22050", Wav(Pcm(1, 22050, 16))},
        {"16-bit stereo 44100", Wav(Pcm(2, 44100, 16))},
        {"16-bit stereo 48000", Wav(Pcm(2, 48000, 16))},
        {"24-bit stereo 96000", Wav(Pcm(2, 96000, 24))},
        {"16-bit mono 384000", Wav(Pcm(1, 384000, 16))},
        {"16-bit mono 100", Wav(Pcm(1, 100, 16))},
        {"32-bit 8 channels 384000 (the highest byte rate)", Wav(Pcm(8, 384000, 32))},
        {"PCM 4-bit stereo (one byte a frame)", Wav(Pcm(2, 22050, 4))},
        {"format chunk of 18 bytes", Wav(withCbSize)},
        {"extensible mono", Wav(Extensible(1, 16))},
        {"extensible stereo", Wav(Extensible(2, 16))},
        {"LIST chunk before the format", Riff({Chunk("LIST", {'I', 'N', 'F', 'O'}), Chunk("fmt ", FormatBody(Pcm(1, 22050, 16))), Chunk("data", kSamples)})},
        {"odd-sized chunk before the format", Riff({Chunk("junk", {1, 2, 3}), Chunk("fmt ", FormatBody(Pcm(1, 22050, 16))), Chunk("data", kSamples)})},
        {"fact chunk between format and data", Riff({Chunk("fmt ", FormatBody(Pcm(1, 22050, 16))), Chunk("fact", {0, 1, 0, 0}), Chunk("data", kSamples)})},
        {"chunk after the data", Riff({Chunk("fmt ", FormatBody(Pcm(1, 22050, 16))), Chunk("data", kSamples), Chunk("LIST", {}, 0x7FFFFFFF)})},
        {"data size past the file end (cut-off file)", Riff({Chunk("fmt ", FormatBody(Pcm(1, 22050, 16))), Chunk("data", kSamples, 0xFFFFFFFF)})},
        {"empty data", Riff({Chunk("fmt ", FormatBody(Pcm(1, 22050, 16))), Chunk("data", {})})},
        {"wrong block alignment on PCM", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.align = 3; }))},
    };
    for (const auto& c : cases) EXPECT_EQ(Fault(c.bytes), "") << c.name;
}

// Files the wave player turns down cleanly with its own message pass the check untouched.
TEST(WavCheck, FilesThePlayerRejectsItselfPass) {
    const TBytes good = Wav(Pcm(1, 22050, 16));
    TBytes rifx = good;
    rifx[3] = 'X';
    TBytes notWave = good;
    notWave[8] = 'A';
    const struct {
        const char* name;
        TBytes bytes;
    } cases[] = {
        {"empty file", {}},
        {"text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!'}},
        {"RIFX", rifx},
        {"RIFF but not WAVE", notWave},
        {"no format chunk", Riff({Chunk("data", kSamples)})},
        {"no data chunk", Riff({Chunk("fmt ", FormatBody(Pcm(1, 22050, 16)))})},
        {"format chunk of 14 bytes", Riff({Chunk("fmt ", TBytes(14, 1)), Chunk("data", kSamples)})},
        {"data before the format", Riff({Chunk("data", kSamples), Chunk("fmt ", FormatBody(Pcm(1, 22050, 16)))})},
    };
    for (const auto& c : cases) EXPECT_EQ(Fault(c.bytes), "") << c.name;
}

TEST(WavCheck, HeadersThatCrashOrDerailThePlayerAreRefused) {
    const TBytes pcmFmt = FormatBody(Pcm(1, 22050, 16));
    const struct {
        const char* name;
        TBytes bytes;
        const char* reason;
    } cases[] = {
        {"format size 0xFFFFFFFF", Riff({Chunk("fmt ", pcmFmt, 0xFFFFFFFF), Chunk("data", kSamples)}), "format chunk reaches past the end"},
        {"format size 0x80000000", Riff({Chunk("fmt ", pcmFmt, 0x80000000), Chunk("data", kSamples)}), "format chunk reaches past the end"},
        {"cut inside the format chunk", [] { const TBytes b = Wav(Pcm(1, 22050, 16)); return TBytes(b.begin(), b.begin() + 30); }(), "format chunk reaches past the end"},
        {"format size one past the file", Riff({Chunk("fmt ", pcmFmt, 16 + 8 + 2000 + 1), Chunk("data", kSamples)}), "format chunk reaches past the end"},
        {"wrapping chunk before the format", Riff({Chunk("junk", {}, 0xFFFFFFF8), Chunk("fmt ", pcmFmt), Chunk("data", kSamples)}), "chunk \"junk\" reaches past the end"},
        {"wrapping chunk before the data", Riff({Chunk("fmt ", pcmFmt), Chunk("junk", {}, 0xFFFFFFF8), Chunk("data", kSamples)}), "chunk \"junk\" reaches past the end"},
        {"oversized chunk before the data", Riff({Chunk("fmt ", pcmFmt), Chunk("LIS\x01", {1, 2, 3, 4}, 100000), Chunk("data", kSamples)}), "chunk \"LIS?\" reaches past the end"},
        {"no channels", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.channels = 0; })), "number of channels is 0"},
        {"sample rate 0", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.rate = 0; })), "sample rate 0 Hz is out of range"},
        {"sample rate 384001", Wav(Pcm(1, 384001, 16)), "sample rate 384001 Hz"},
        {"sample rate 99", Wav(Pcm(1, 99, 16)), "sample rate 99 Hz is out of range (100 to 384000 Hz)"},
        {"sample rate 17", Wav(Pcm(1, 17, 16)), "sample rate 17 Hz is out of range"},
        {"sample rate 768000", Wav(Pcm(1, 768000, 16)), "sample rate 768000 Hz"},
        {"sample rate 0xFFFFFFFF", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.rate = 0xFFFFFFFF; })), "sample rate 4294967295 Hz"},
        {"block alignment 0", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.align = 0; })), "block alignment is 0"},
        {"block alignment 0, A-law", Wav(With(Pcm(1, 22050, 8), [](TFormat& f) { f.tag = 6; f.align = 0; })), "block alignment is 0"},
        {"block alignment 0, extensible", Wav(With(Extensible(1, 16), [](TFormat& f) { f.align = 0; })), "block alignment is 0"},
        {"PCM 4-bit mono", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.bits = 4; })), "1 channel(s) of 4 bits"},
        {"PCM 7-bit mono", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.bits = 7; })), "1 channel(s) of 7 bits"},
        {"PCM 0-bit", Wav(With(Pcm(2, 22050, 16), [](TFormat& f) { f.bits = 0; })), "2 channel(s) of 0 bits"},
        {"byte rate 0", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.avg = 0; })), "byte rate is 0"},
        {"byte rate 0xFFFFFFFF", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.avg = 0xFFFFFFFF; })), "byte rate 4294967295 is larger than any sound needs (at most 12288000"},
        {"byte rate 12288001", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.avg = 12288001; })), "byte rate 12288001"},
    };
    for (const auto& c : cases) {
        const std::string fault = Fault(c.bytes);
        EXPECT_NE(fault.find(c.reason), std::string::npos) << c.name << ": " << fault;
    }
}

// Compressed formats as real encoders write them (block sizes and samples per block as sox and
// the platform's own encoders choose them), each with a field changed.
TFormat MsAdpcm(unsigned channels, std::uint32_t rate, unsigned align, unsigned samplesPerBlock) {
    TFormat f;
    f.tag = 2;
    f.channels = channels;
    f.rate = rate;
    f.align = align;
    f.bits = 4;
    f.avg = samplesPerBlock ? static_cast<std::uint32_t>(static_cast<std::uint64_t>(rate) * align / samplesPerBlock) : 4096;
    Put16(f.extra, 32);
    Put16(f.extra, samplesPerBlock);
    Put16(f.extra, 7);
    for (const int c : {256, 0, 512, -256, 0, 0, 192, 64, 240, 0, 460, -208, 392, -232}) Put16(f.extra, static_cast<unsigned>(c) & 0xFFFF);
    return f;
}

TFormat ImaAdpcm(unsigned channels, std::uint32_t rate, unsigned align, unsigned samplesPerBlock) {
    TFormat f;
    f.tag = 0x11;
    f.channels = channels;
    f.rate = rate;
    f.align = align;
    f.bits = 4;
    f.avg = samplesPerBlock ? static_cast<std::uint32_t>(static_cast<std::uint64_t>(rate) * align / samplesPerBlock) : 4096;
    Put16(f.extra, 2);
    Put16(f.extra, samplesPerBlock);
    return f;
}

TFormat Codec(unsigned tag, unsigned channels, std::uint32_t rate, unsigned align, unsigned bits, const TBytes& extension) {
    TFormat f;
    f.tag = tag;
    f.channels = channels;
    f.rate = rate;
    f.align = align;
    f.bits = bits;
    f.avg = rate * align;
    Put16(f.extra, static_cast<unsigned>(extension.size()));
    f.extra.insert(f.extra.end(), extension.begin(), extension.end());
    return f;
}

TFormat Gsm() { return With(Codec(0x31, 1, 8000, 65, 0, {0x40, 0x01}), [](TFormat& f) { f.avg = 1625; }); }
TFormat Mp3(unsigned channels, std::uint32_t rate) {
    return With(Codec(0x55, channels, rate, 1, 0, {1, 0, 2, 0, 0, 0, 0xA0, 0x01, 1, 0, 0x71, 0x05}), [](TFormat& f) { f.avg = 16000; });
}

// Sets a 16-bit field of the format extension (after cbSize).
TFormat WithExtension16(TFormat f, std::size_t at, unsigned v) {
    f.extra[2 + at] = static_cast<std::uint8_t>(v);
    f.extra[3 + at] = static_cast<std::uint8_t>(v >> 8);
    return f;
}

TEST(WavCheck, CompressedFormatsAsEncodersWriteThemPass) {
    const struct {
        const char* name;
        TFormat format;
    } cases[] = {
        {"MS ADPCM mono 8000 (block 256)", MsAdpcm(1, 8000, 256, 500)},
        {"MS ADPCM stereo 8000 (block 512)", MsAdpcm(2, 8000, 512, 500)},
        {"MS ADPCM stereo 22050 (block 1024)", MsAdpcm(2, 22050, 1024, 1012)},
        {"MS ADPCM mono 44100 (block 1024)", MsAdpcm(1, 44100, 1024, 2036)},
        {"MS ADPCM mono 16000, odd block 255", MsAdpcm(1, 16000, 255, 498)},
        {"MS ADPCM mono, header-only block", MsAdpcm(1, 8000, 7, 2)},
        {"MS ADPCM with 8 coefficient pairs", [] { TFormat f = MsAdpcm(1, 8000, 256, 500); f.extra[0] = 36; f.extra[4] = 8; Put16(f.extra, 100); Put16(f.extra, 50); return f; }()},
        {"IMA ADPCM mono 8000 (block 256)", ImaAdpcm(1, 8000, 256, 505)},
        {"IMA ADPCM stereo 22050 (block 512)", ImaAdpcm(2, 22050, 512, 505)},
        {"IMA ADPCM stereo 44100 (block 2048)", ImaAdpcm(2, 44100, 2048, 2041)},
        {"IMA ADPCM mono 48000 (block 1024)", ImaAdpcm(1, 48000, 1024, 2041)},
        {"IMA ADPCM stereo, header-only block", ImaAdpcm(2, 8000, 8, 1)},
        {"GSM 6.10", Gsm()},
        {"GSM 6.10 at 22050, byte rate rounded down", With(Gsm(), [](TFormat& f) { f.rate = 22050; f.avg = 4478; })},
        {"MS ADPCM 11025, byte rate rounded up as sox writes it", With(MsAdpcm(1, 11025, 256, 500), [](TFormat& f) { f.avg = 5645; })},
        // ffmpeg writes its nominal 16000 bytes a second whatever its blocks carry.
        {"ffmpeg adpcm_ms mono 8000 (4 times its blocks' rate, 1.5 s a buffer)", With(MsAdpcm(1, 8000, 1024, 2036), [](TFormat& f) { f.avg = 16000; })},
        {"ffmpeg adpcm_ms mono 22050", With(MsAdpcm(1, 22050, 1024, 2036), [](TFormat& f) { f.avg = 16000; })},
        {"ffmpeg adpcm_ms stereo 44100 (a third of its blocks' rate)", With(MsAdpcm(2, 44100, 1024, 1012), [](TFormat& f) { f.avg = 16000; })},
        {"ffmpeg adpcm_ima_wav mono 8000", With(ImaAdpcm(1, 8000, 1024, 2041), [](TFormat& f) { f.avg = 16000; })},
        {"ffmpeg adpcm_ima_wav mono 22050", With(ImaAdpcm(1, 22050, 1024, 2041), [](TFormat& f) { f.avg = 16000; })},
        {"ffmpeg adpcm_ima_wav stereo 44100", With(ImaAdpcm(2, 44100, 1024, 1017), [](TFormat& f) { f.avg = 16000; })},
        {"IMA ADPCM byte rate doubled", With(ImaAdpcm(2, 44100, 512, 505), [](TFormat& f) { f.avg *= 2; })},
        {"IMA ADPCM byte rate a third", With(ImaAdpcm(1, 8000, 256, 505), [](TFormat& f) { f.avg = 1351; })},
        {"MS ADPCM 256 Hz as sox writes it (1.95 s a buffer)", With(MsAdpcm(1, 256, 256, 500), [](TFormat& f) { f.avg = 131; })},
        {"MS ADPCM 8000, byte rate 24578: buffers of 32 blocks, 2.0 s", With(MsAdpcm(1, 8000, 256, 500), [](TFormat& f) { f.avg = 24578; })},
        {"IMA ADPCM, byte rate 3: buffers of one block", With(ImaAdpcm(1, 8000, 256, 505), [](TFormat& f) { f.avg = 3; })},
        {"A-law mono 8000", Codec(6, 1, 8000, 1, 8, {})},
        {"mu-law stereo 44100", Codec(7, 2, 44100, 2, 8, {})},
        {"MPEG layer 3 stereo 44100", Mp3(2, 44100)},
        {"MPEG layer 3 mono 22050", Mp3(1, 22050)},
        {"MPEG audio mono 32000", Codec(0x50, 1, 32000, 1, 0, TBytes(22, 0))},
        {"unknown tag 0x1234", Codec(0x1234, 1, 8000, 1, 4, {})},
        // Extensions cut short are refused by the wave player itself.
        {"MS ADPCM, cbSize past the chunk", With(MsAdpcm(1, 8000, 256, 500), [](TFormat& f) { f.extra.resize(10); })},
        {"IMA ADPCM, no cbSize", With(ImaAdpcm(1, 8000, 256, 505), [](TFormat& f) { f.extra.clear(); })},
    };
    for (const auto& c : cases) EXPECT_EQ(Fault(Wav(c.format)), "") << c.name;
}

TEST(WavCheck, CompressedFormatsTheirDecodersCannotHandleAreRefused) {
    const struct {
        const char* name;
        TFormat format;
        const char* reason;
    } cases[] = {
        // The crash: the decoder divides by the samples per block on the playback thread.
        {"MS ADPCM, 0 samples per block", MsAdpcm(1, 8000, 256, 0), "MS ADPCM block of 256 bytes and 1 channel(s) holds 500 samples, not 0"},
        {"MS ADPCM, too many samples per block", MsAdpcm(1, 8000, 256, 1000), "holds 500 samples, not 1000"},
        {"MS ADPCM stereo, mono samples per block", MsAdpcm(2, 8000, 512, 1012), "holds 500 samples, not 1012"},
        {"MS ADPCM, one sample short", MsAdpcm(1, 8000, 256, 499), "not 499"},
        {"MS ADPCM, block shorter than its header", MsAdpcm(2, 8000, 13, 2), "MS ADPCM block of 13 bytes is shorter than its header of 14 bytes"},
        {"MS ADPCM 3 channels", MsAdpcm(3, 8000, 768, 500), "MS ADPCM with 3 channels cannot be decoded"},
        {"MS ADPCM 8 bits", With(MsAdpcm(1, 8000, 256, 500), [](TFormat& f) { f.bits = 8; }), "MS ADPCM with 8 bits per sample"},
        {"MS ADPCM 0 bits", With(MsAdpcm(1, 8000, 256, 500), [](TFormat& f) { f.bits = 0; }), "with 0 bits per sample"},
        {"MS ADPCM cbSize 0", Codec(2, 1, 8000, 256, 4, {}), "MS ADPCM format extension of 0 bytes is shorter than its 32 bytes"},
        {"MS ADPCM cbSize 4", Codec(2, 1, 8000, 256, 4, {0xF4, 1, 7, 0}), "extension of 4 bytes"},
        {"MS ADPCM no coefficients", WithExtension16(MsAdpcm(1, 8000, 256, 500), 2, 0), "lists 0 coefficient pairs, fewer than the 7"},
        {"MS ADPCM 6 coefficients", WithExtension16(MsAdpcm(1, 8000, 256, 500), 2, 6), "lists 6 coefficient pairs"},
        {"MS ADPCM 8 coefficients in 32 bytes", WithExtension16(MsAdpcm(1, 8000, 256, 500), 2, 8), "table of 8 pairs does not fit the format extension of 32 bytes"},
        {"MS ADPCM 65535 coefficients", WithExtension16(MsAdpcm(1, 8000, 256, 500), 2, 65535), "table of 65535 pairs"},
        {"MS ADPCM coefficient changed", WithExtension16(MsAdpcm(1, 8000, 256, 500), 4 + 4 * 5, 461), "coefficient pair 6 is (461, -208), not the standard (460, -208)"},
        {"MS ADPCM coefficients zeroed", WithExtension16(MsAdpcm(1, 8000, 256, 500), 4, 0), "coefficient pair 1 is (0, 0), not the standard (256, 0)"},
        // The hang: blocks that overlap make a short file decode into minutes of sound.
        {"IMA ADPCM stereo, block align 4", With(ImaAdpcm(2, 8000, 4, 505), [](TFormat& f) { f.avg = 4055; }), "IMA ADPCM block of 4 bytes is not a whole number of 8-byte words for 2 channel(s)"},
        {"IMA ADPCM stereo, block align 260", ImaAdpcm(2, 8000, 260, 253), "block of 260 bytes is not a whole number of 8-byte words"},
        {"IMA ADPCM mono, block align 258", ImaAdpcm(1, 8000, 258, 509), "block of 258 bytes is not a whole number of 4-byte words for 1"},
        {"IMA ADPCM, 0 samples per block", ImaAdpcm(1, 8000, 256, 0), "IMA ADPCM block of 256 bytes and 1 channel(s) holds 505 samples, not 0"},
        {"IMA ADPCM, too many samples per block", ImaAdpcm(2, 8000, 512, 1017), "holds 505 samples, not 1017"},
        {"IMA ADPCM 3 bits", With(ImaAdpcm(1, 8000, 256, 505), [](TFormat& f) { f.bits = 3; }), "IMA ADPCM with 3 bits per sample cannot be decoded (only 4)"},
        {"IMA ADPCM 3 channels", ImaAdpcm(3, 8000, 768, 505), "IMA ADPCM with 3 channels"},
        {"IMA ADPCM cbSize 0", Codec(0x11, 1, 8000, 256, 4, {}), "IMA ADPCM format extension of 0 bytes is shorter than its 2 bytes"},
        // The close waits for the sound in the player's buffers, which the declared byte rate sizes.
        {"MS ADPCM 256 Hz, byte rate 4096 for 131 (12 s close)", With(MsAdpcm(1, 256, 256, 500), [](TFormat& f) { f.avg = 4096; }),
         "MS ADPCM byte rate of 4096 makes each play buffer hold 11.71 s of sound (blocks of 256 bytes and 500 samples at 256 Hz "
         "carry 131 bytes a second), and closing waits for it (at most 2.00 s)"},
        {"MS ADPCM 8000, byte rate 24579: buffers of 33 blocks", With(MsAdpcm(1, 8000, 256, 500), [](TFormat& f) { f.avg = 24579; }),
         "byte rate of 24579 makes each play buffer hold 2.06 s of sound"},
        {"ffmpeg adpcm_ms mono at 4000 Hz", With(MsAdpcm(1, 4000, 1024, 2036), [](TFormat& f) { f.avg = 16000; }), "hold 3.05 s of sound"},
        {"IMA ADPCM at 101 Hz, one block a buffer", With(ImaAdpcm(1, 101, 256, 505), [](TFormat& f) { f.avg = 52; }),
         "IMA ADPCM byte rate of 52 makes each play buffer hold 5.00 s of sound"},
        {"IMA ADPCM byte rate 2", With(ImaAdpcm(1, 8000, 256, 505), [](TFormat& f) { f.avg = 2; }),
         "IMA ADPCM byte rate of 2 leaves the player's buffers empty, so nothing plays (at least 3 bytes a second)"},
        {"MS ADPCM byte rate 1", With(MsAdpcm(2, 44100, 1024, 1012), [](TFormat& f) { f.avg = 1; }), "MS ADPCM byte rate of 1 leaves"},
        {"GSM byte rate of PCM", With(Gsm(), [](TFormat& f) { f.avg = 16000; }),
         "GSM 6.10 byte rate of 16000 is not the 1625 bytes a second its blocks carry at 8000 Hz, the only rate its decoder takes"},
        {"GSM 22050, byte rate rounded up", With(Gsm(), [](TFormat& f) { f.rate = 22050; f.avg = 4479; }), "not the 4478 bytes a second"},
        {"GSM byte rate one short", With(Gsm(), [](TFormat& f) { f.avg = 1624; }), "GSM 6.10 byte rate of 1624 is not the 1625"},
        {"GSM stereo", With(Gsm(), [](TFormat& f) { f.channels = 2; }), "GSM 6.10 with 2 channels"},
        {"GSM block 64", With(Gsm(), [](TFormat& f) { f.align = 64; }), "GSM 6.10 block of 64 bytes cannot be decoded (only 65)"},
        {"GSM 16 bits", With(Gsm(), [](TFormat& f) { f.bits = 16; }), "GSM 6.10 with 16 bits per sample"},
        {"GSM 160 samples per block", WithExtension16(Gsm(), 0, 160), "GSM 6.10 block of 65 bytes and 1 channel(s) holds 320 samples, not 160"},
        {"A-law 16 bits", Codec(6, 1, 8000, 2, 16, {}), "A-law with 16 bits per sample"},
        {"A-law stereo, block 1", Codec(6, 2, 8000, 1, 8, {}), "A-law block of 1 bytes does not match 2 channel(s)"},
        {"mu-law 16000 Hz", Codec(7, 1, 16000, 1, 8, {}), "mu-law at 16000 Hz cannot be decoded"},
        {"mu-law 6 channels", Codec(7, 6, 8000, 6, 8, {}), "mu-law with 6 channels"},
        {"MPEG layer 3 at 96000 Hz", Mp3(2, 96000), "MPEG layer 3 at 96000 Hz is not an MPEG sample rate"},
        {"MPEG layer 3 stream kind 0", WithExtension16(Mp3(2, 44100), 0, 0), "MPEG layer 3 stream kind 0 cannot be decoded"},
        {"MPEG layer 3 cbSize 0", Codec(0x55, 2, 44100, 1, 0, {}), "MPEG layer 3 format extension of 0 bytes"},
        {"MPEG audio 4 channels", Codec(0x50, 4, 44100, 1, 0, TBytes(22, 0)), "MPEG audio with 4 channels"},
    };
    for (const auto& c : cases) {
        const std::string fault = Fault(Wav(c.format));
        EXPECT_NE(fault.find(c.reason), std::string::npos) << c.name << ": " << fault;
    }
}

// The chunk walk never reads outside the file, whatever sizes the header claims; every
// prefix of a file with an odd chunk layout is checked without a fault from the sanitizers.
TEST(WavCheck, EveryCutOfAFileIsCheckedSafely) {
    const TBytes full = Riff({Chunk("junk", {1, 2, 3}), Chunk("fmt ", FormatBody(Extensible(2, 16))), Chunk("fact", {1, 2, 3, 4}), Chunk("data", kSamples)});
    int refused = 0;
    for (std::size_t n = 0; n <= full.size(); ++n)
        if (!Fault(TBytes(full.begin(), full.begin() + n)).empty()) ++refused;
    // Refused exactly where a chunk passed over or the format chunk is cut short: 3 cuts in the
    // junk chunk's body, 40 in the format body, 4 in the fact body; every other cut passes.
    EXPECT_EQ(refused, 3 + 40 + 4);
}

}  // namespace
