// The hostile corpus: every section of a Sonpix file damaged in turn, cut, patched and repeated.
#include "HostileCorpus.h"

#include <cstdint>
#include <functional>

#include "JpegCodec.h"
#include "LittleEndian.h"
#include "SampleImages.h"
#include "WavMutations.h"
#include "WavSynth.h"

namespace {

// A fixed pseudo-random sequence (splitmix64), so that the corpus is the same on every run.
class TRandom {
public:
    explicit TRandom(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    std::size_t Below(std::size_t n) { return n ? static_cast<std::size_t>(Next() % n) : 0; }
    template <class T>
    const T& Pick(const std::vector<T>& values) { return values[Below(values.size())]; }

private:
    std::uint64_t m_state;
};


TBytes Cut(const TBytes& b, std::size_t size) { return TBytes(b.begin(), b.begin() + std::min(size, b.size())); }

// Changes 1 to 8 bytes, half of the time within the first `head` bytes, where the headers are.
TBytes Scramble(TBytes b, TRandom& random, std::size_t head) {
    if (b.empty()) return b;
    const std::size_t changes = 1 + random.Below(8);
    for (std::size_t i = 0; i < changes; ++i) {
        const std::size_t at = random.Below(2) ? random.Below(std::min(head, b.size())) : random.Below(b.size());
        const std::uint8_t values[] = {0x00, 0xFF, 0x01, 0x7F, 0x80, 0xD8, 0xDA, 0xC0};
        b[at] = random.Below(2) ? values[random.Below(8)] : static_cast<std::uint8_t>(random.Next());
    }
    return b;
}

// The length of the marker segment at `at` (0 for markers without one), or 0 past the data.
std::size_t SegmentLength(const TBytes& jpeg, std::size_t at) {
    const std::uint8_t code = jpeg[at + 1];
    if (code == 0xD8 || code == 0xD9 || (code >= 0xD0 && code <= 0xD7) || at + 4 > jpeg.size()) return 0;
    return static_cast<std::size_t>(jpeg[at + 2] << 8 | jpeg[at + 3]);
}

// Edits of one marker segment of a JPEG: removed, doubled, length 0, length 0xFFFF, length short by one.
std::vector<std::pair<std::string, TBytes>> MarkerEdits(const TBytes& jpeg) {
    std::vector<std::pair<std::string, TBytes>> out;
    for (std::size_t at : MarkerOffsets(jpeg)) {
        if (at + 2 > jpeg.size()) continue;
        const std::uint8_t code = jpeg[at + 1];
        if (code == 0xD8 || code == 0xD9) continue;
        const std::size_t length = SegmentLength(jpeg, at);
        if (length == 0 || at + 2 + length > jpeg.size()) continue;
        const std::string name = "marker " + std::to_string(code);
        TBytes removed = jpeg;
        removed.erase(removed.begin() + at, removed.begin() + at + 2 + length);
        TBytes doubled = jpeg;
        doubled.insert(doubled.begin() + at, jpeg.begin() + at, jpeg.begin() + at + 2 + length);
        TBytes zero = jpeg, full = jpeg, shorter = jpeg;
        zero[at + 2] = zero[at + 3] = 0;
        full[at + 2] = full[at + 3] = 0xFF;
        shorter[at + 3] = static_cast<std::uint8_t>(shorter[at + 3] - 1);
        out.push_back({name + " removed", removed});
        out.push_back({name + " doubled", doubled});
        out.push_back({name + " length 0", zero});
        out.push_back({name + " length 65535", full});
        out.push_back({name + " length one short", shorter});
    }
    return out;
}

// The parts every damaged file starts from: a real picture, sound and maker's picture.
struct TBase {
    TBytes picture, sound, makerPicture;
    std::string makerText = "Тестовый автор";
};

TBytes Sonpix(const TBase& base, const TBytes& picture, const TBytes& sound, const TBytes& makerPicture) {
    TSonpixFileParts parts;
    parts.picture = picture;
    parts.sound = sound;
    parts.makerPicture = makerPicture;
    parts.makerText = base.makerText;
    return BuildSonpix(parts);
}

TBytes Tone(double seconds, int rate, int channels, int bits) {
    TToneSpec tone;
    tone.seconds = seconds;
    tone.sampleRate = rate;
    tone.channels = channels;
    tone.bitsPerSample = bits;
    tone.amplitude = 0.05;
    return SynthesizeToneWav(tone);
}

std::vector<std::uint8_t> InkPicture(int width, int height) {
    std::vector<std::uint8_t> cmyk(static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < cmyk.size(); ++i) cmyk[i] = static_cast<std::uint8_t>((i * 37) ^ (i >> 7));
    return cmyk;
}

}  // namespace

std::vector<TCorpusFile> MakeHostileCorpus() {
    std::vector<TCorpusFile> out;
    const auto add = [&out](const std::string& kind, TBytes bytes, bool essential = false) {
        out.push_back({kind, std::move(bytes), essential});
    };
    TRandom random(20261208);
    TBase base;
    base.picture = EncodeRgbJpeg(MakeSunset(320, 240), 85, false);
    base.sound = Tone(0.15, 11025, 1, 16);
    base.makerPicture = EncodeRgbJpeg(MakeMakerBadge(96, 24), 85, false);
    const auto withPicture = [&base](const TBytes& picture) { return Sonpix(base, picture, base.sound, base.makerPicture); };
    const auto withSound = [&base](const TBytes& sound) { return Sonpix(base, base.picture, sound, base.makerPicture); };
    const auto withMaker = [&base](const TBytes& maker) { return Sonpix(base, base.picture, base.sound, maker); };

    // Valid controls.
    for (int i = 0; i < 20; ++i) {
        TBase control = base;
        control.picture = EncodeRgbJpeg(MakeGradient(40 + 37 * i, 30 + 23 * (i % 9)), 60 + i, i % 2 == 1);
        control.makerText = "Автор № " + std::to_string(i);
        add("valid control " + std::to_string(i), Sonpix(control, control.picture, Tone(0.1, 8000 + 1000 * i, 1 + i % 2, 8 + 8 * (i % 2)), base.makerPicture));
    }
    // Legal extremes.
    add("extreme: 1 x 1 picture", withPicture(EncodeRgbJpeg(MakeGradient(1, 1), 90, false)));
    add("extreme: 4000 x 1 picture", withPicture(EncodeRgbJpeg(MakeGradient(4000, 1), 90, true)));
    add("extreme: 1 x 4000 picture", withPicture(EncodeRgbJpeg(MakeGradient(1, 4000), 90, false)));
    add("extreme: 6000 x 4000 progressive camera picture", withPicture(EncodeRgbJpeg(MakeSunset(6000, 4000), 90, true)), true);
    add("extreme: 1 x 1 maker's picture", withMaker(EncodeRgbJpeg(MakeGradient(1, 1), 90, false)));
    add("extreme: 3000 x 2000 maker's picture", withMaker(EncodeRgbJpeg(MakeFlower(3000, 2000), 80, true)));
    add("extreme: Adobe CMYK picture", withPicture(EncodeCmykJpeg(InkPicture(200, 150), 200, 150, TCmykForm::adobeCmyk, 90)), true);
    add("extreme: YCCK picture", withPicture(EncodeCmykJpeg(InkPicture(200, 150), 200, 150, TCmykForm::adobeYcck, 90)));
    add("extreme: plain CMYK picture", withPicture(EncodeCmykJpeg(InkPicture(200, 150), 200, 150, TCmykForm::plainCmyk, 90)));
    add("extreme: 3 s stereo 44100 sound", withSound(Tone(3, 44100, 2, 16)));
    add("extreme: empty sound", withSound({}));
    add("extreme: maker's text of 60000 letters", [&] { TBase b = base; b.makerText = std::string(60000, 'W'); return Sonpix(b, b.picture, b.sound, b.makerPicture); }());
    add("extreme: maker's text of lines and ampersands", [&] { TBase b = base; b.makerText = "&&Имя&\r\nстрока\r\n\r\n&"; return Sonpix(b, b.picture, b.sound, b.makerPicture); }());

    // Pictures that take the decoder long.
    const TBytes progressive = EncodeRgbJpeg(MakeSunset(320, 240), 85, true);
    const TBytes bigProgressive = EncodeRgbJpeg(MakeSunset(2000, 1500), 85, true);
    add("slow: 2000 x 1500 progressive, last scan 1000 times", withPicture(WithRepeatedLastScan(bigProgressive, 990)), true);
    add("slow: 2000 x 1500 progressive, last scan 300 times", withPicture(WithRepeatedLastScan(bigProgressive, 290)), true);
    add("slow: 320 x 240 progressive, last scan 5000 times", withPicture(WithRepeatedLastScan(progressive, 4990)), true);
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {0, 1}, {65500, 65500}, {65535, 1}, {1, 65535},
                                                               {10001, 10000}, {12000, 8400}, {10000, 10000}, {9000, 9000}}) {
        const std::string size = std::to_string(w) + " x " + std::to_string(h);
        add("picture declares " + size, withPicture(WithDeclaredSize(base.picture, w, h)), w * static_cast<long long>(h) > 50'000'000);
        add("progressive picture declares " + size, withPicture(WithDeclaredSize(progressive, w, h)));
        add("maker's picture declares " + size, withMaker(WithDeclaredSize(base.makerPicture, w, h)));
    }

    // Pictures that are no JPEG at all.
    TBytes noise(5000);
    for (auto& b : noise) b = static_cast<std::uint8_t>(random.Next());
    for (const auto& [kind, bytes] : std::vector<std::pair<std::string, TBytes>>{
             {"text", BytesOf("This is not a picture.")}, {"noise", noise}, {"zeros", TBytes(4000, 0)},
             {"only SOI", {0xFF, 0xD8}}, {"SOI EOI", {0xFF, 0xD8, 0xFF, 0xD9}}, {"PNG signature", {0x89, 'P', 'N', 'G', 13, 10, 26, 10}},
             {"BMP header", BytesOf("BM6\x01\x00\x00")}, {"empty", {}}, {"one byte", {0xFF}}, {"a WAV", base.sound}}) {
        add("picture is " + kind, withPicture(bytes));
        add("maker's picture is " + kind, withMaker(bytes));
    }

    // Damaged pictures: cuts, scrambled bytes and edited marker segments of several forms.
    const std::vector<std::pair<std::string, TBytes>> pictures = {
        {"baseline", base.picture}, {"progressive", progressive},
        {"CMYK", EncodeCmykJpeg(InkPicture(96, 64), 96, 64, TCmykForm::adobeCmyk, 85)},
        {"YCCK", EncodeCmykJpeg(InkPicture(96, 64), 96, 64, TCmykForm::adobeYcck, 85)},
        {"small progressive", EncodeRgbJpeg(MakeAurora(64, 48), 75, true)}};
    for (const auto& [form, jpeg] : pictures) {
        for (int i = 1; i <= 40; ++i) add(form + " picture cut to " + std::to_string(i * jpeg.size() / 41) + " bytes", withPicture(Cut(jpeg, i * jpeg.size() / 41)));
        for (int i = 0; i < 100; ++i) add(form + " picture scrambled #" + std::to_string(i), withPicture(Scramble(jpeg, random, 700)));
        for (auto& [edit, bytes] : MarkerEdits(jpeg)) add(form + " picture, " + edit, withPicture(bytes));
    }
    for (int i = 0; i < 60; ++i) add("maker's picture scrambled #" + std::to_string(i), withMaker(Scramble(base.makerPicture, random, 600)));
    for (int i = 1; i <= 20; ++i) add("maker's picture cut #" + std::to_string(i), withMaker(Cut(base.makerPicture, i * base.makerPicture.size() / 21)));

    // Sounds: every known case, then field patches, cuts and chunk sizes on real sounds.
    std::vector<TBytes> playable;
    for (const TWavMutation& m : WavMutationSet()) {
        add("sound: " + m.name, withSound(m.bytes), m.verdict == TWavVerdict::refusedByCheck);
        if (m.verdict == TWavVerdict::plays) playable.push_back(m.bytes);
    }
    const std::vector<std::uint32_t> interesting = {0, 1, 2, 3, 4, 6, 7, 8, 11, 16, 17, 32, 255, 256, 320, 505, 1012,
                                                    4096, 8000, 22050, 65535, 0x10000, 0x7FFFFFFF, 0xFFFFFFFF};
    const std::vector<std::uint32_t> tags = {1, 2, 3, 6, 7, 0x11, 0x31, 0x50, 0x55, 0xFFFE, 0x1234, 0};
    for (int i = 0; i < 560; ++i) {
        TBytes wav = random.Pick(playable);
        std::string kind = "sound patched:";
        const int patches = 1 + static_cast<int>(random.Below(3));
        for (int p = 0; p < patches; ++p) {
            // Offsets of the format fields: tag 20, channels 22, rate 24, byte rate 28, align 32,
            // bits 34, cbSize 36, the extension's first fields 38 and 40, a coefficient 44.
            const std::size_t fields[] = {20, 22, 24, 28, 32, 34, 36, 38, 40, 44};
            const std::size_t at = fields[random.Below(10)];
            const std::uint32_t value = at == 20 ? random.Pick(tags) : random.Pick(interesting);
            if (at == 24 || at == 28) Set32(wav, at, value);
            else Set16(wav, at, value);
            kind += " @" + std::to_string(at) + "=" + std::to_string(value);
        }
        add(kind, withSound(wav));
    }
    for (int i = 0; i < 80; ++i) {
        const TBytes& wav = random.Pick(playable);
        add("sound cut #" + std::to_string(i), withSound(Cut(wav, random.Below(wav.size()))));
    }
    for (int i = 0; i < 60; ++i) {
        TBytes wav = random.Pick(playable);
        const std::size_t at = random.Below(2) ? 4 : 16;  // the RIFF size or the format chunk's size
        Set32(wav, at, random.Pick(interesting));
        add("sound chunk size #" + std::to_string(i), withSound(wav));
    }

    // Containers: header bytes, cuts, markers missing, doubled or out of order, scrambled bytes.
    const TBytes whole = Sonpix(base, base.picture, base.sound, base.makerPicture);
    for (std::size_t at = 0; at < 6; ++at)
        for (std::uint8_t value : {0x00, 0xFF, 0x02}) {
            TBytes b = whole;
            b[at] = value;
            add("container header byte " + std::to_string(at) + " = " + std::to_string(value), b);
        }
    for (int i = 0; i < 60; ++i) add("container cut #" + std::to_string(i), Cut(whole, 6 + random.Below(whole.size())));
    const TBytes header = SonpixHeader();
    add("container: only the header", header);
    add("container: header and picture, no separator", Concat({header, base.picture}));
    add("container: separator twice", Concat({header, base.picture, header, header, base.sound}));
    add("container: separator right after the header", Concat({header, header, base.sound}));
    add("container: maker's text marker only", Concat({header, base.picture, header, base.sound, MakerTextMarker()}));
    add("container: maker's picture marker only", Concat({header, base.picture, header, base.sound, MakerPictureMarker()}));
    add("container: text marker before picture marker", Concat({header, base.picture, header, base.sound, MakerTextMarker(), BytesOf("x"), MakerPictureMarker(), base.makerPicture}));
    add("container: markers doubled", Concat({header, base.picture, header, base.sound, MakerPictureMarker(), MakerPictureMarker(), MakerTextMarker(), MakerTextMarker()}));
    add("container: everything empty", Concat({header, header, MakerPictureMarker(), MakerTextMarker()}));
    add("container: marker split by the file end", Concat({header, base.picture, header, base.sound, Cut(MakerPictureMarker(), 7)}));
    add("container: 2 MB of zeros after the header", Concat({header, TBytes(2'000'000, 0)}));
    add("container: 10000 separators", [&] { TBytes b = header; for (int i = 0; i < 10000; ++i) b = Concat({b, header}); return b; }());
    for (int i = 0; i < 240; ++i) add("container scrambled #" + std::to_string(i), Scramble(whole, random, whole.size()));
    return out;
}

std::vector<TCorpusFile> PickCorpusFiles(const std::vector<TCorpusFile>& all, std::size_t count) {
    if (count >= all.size()) return all;
    std::vector<TCorpusFile> picked;
    std::size_t essentials = 0;
    for (const TCorpusFile& f : all) essentials += f.essential ? 1 : 0;
    const std::size_t others = count > essentials ? count - essentials : 0;
    const std::size_t otherTotal = all.size() - essentials;
    std::size_t seen = 0;
    for (const TCorpusFile& f : all) {
        if (f.essential) {
            picked.push_back(f);
            continue;
        }
        // The k-th of the others is taken when it is the first at or after k * otherTotal / others.
        if (others && picked.size() - std::min(picked.size(), essentials) < others &&
            seen * others / otherTotal != (seen + 1) * others / otherTotal)
            picked.push_back(f);
        ++seen;
    }
    return picked;
}
