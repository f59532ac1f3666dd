// The WAV header check: which headers are refused, and that sound files of every ordinary kind pass.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "sound/WavCheck.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

void Put16(TBytes& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(TBytes& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

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
        {"sample rate 768000", Wav(Pcm(1, 768000, 16)), "sample rate 768000 Hz"},
        {"sample rate 0xFFFFFFFF", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.rate = 0xFFFFFFFF; })), "sample rate 4294967295 Hz"},
        {"block alignment 0", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.align = 0; })), "block alignment is 0"},
        {"block alignment 0, A-law", Wav(With(Pcm(1, 22050, 8), [](TFormat& f) { f.tag = 6; f.align = 0; })), "block alignment is 0"},
        {"block alignment 0, extensible", Wav(With(Extensible(1, 16), [](TFormat& f) { f.align = 0; })), "block alignment is 0"},
        {"PCM 4-bit mono", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.bits = 4; })), "1 channel(s) of 4 bits"},
        {"PCM 7-bit mono", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.bits = 7; })), "1 channel(s) of 7 bits"},
        {"PCM 0-bit", Wav(With(Pcm(2, 22050, 16), [](TFormat& f) { f.bits = 0; })), "2 channel(s) of 0 bits"},
        {"byte rate 0", Wav(With(Pcm(1, 22050, 16), [](TFormat& f) { f.avg = 0; })), "byte rate is 0"},
    };
    for (const auto& c : cases) {
        const std::string fault = Fault(c.bytes);
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
