// Small valid parts for crafted Sonpix files in the tool's tests.
#pragma once
#include <cstring>
#include <string>

#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/WavSynth.h"

inline TBytes SmallPicture(bool progressive = false) { return EncodeRgbJpeg(MakeGradient(64, 48), 85, progressive); }
inline TBytes SmallMakerPicture() { return EncodeRgbJpeg(MakeMakerBadge(40, 16), 90, false); }
inline TBytes ShortSound() {
    TToneSpec tone;
    tone.seconds = 0.05;
    return SynthesizeToneWav(tone);
}
// "Автор Иван" in Windows-1251, written out byte by byte.
inline std::string MakerText1251() { return "\xC0\xE2\xF2\xEE\xF0 \xC8\xE2\xE0\xED"; }

// Where the sound data begin in a WAV file (just after the data chunk's header).
inline std::size_t WavDataStart(const TBytes& wav) {
    for (std::size_t i = 12; i + 8 <= wav.size(); ++i)
        if (std::memcmp(wav.data() + i, "data", 4) == 0) return i + 8;
    return 0;
}

// The bytes with `piece` written over them at offset.
inline TBytes Overwrite(TBytes bytes, std::size_t offset, const TBytes& piece) {
    std::copy(piece.begin(), piece.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    return bytes;
}

// The JPEG with a comment segment holding `comment` right after its start-of-image marker.
inline TBytes WithComment(const TBytes& jpeg, const TBytes& comment) {
    const std::size_t length = comment.size() + 2;
    TBytes segment = {0xFF, 0xFE, static_cast<std::uint8_t>(length >> 8), static_cast<std::uint8_t>(length & 0xFF)};
    segment.insert(segment.end(), comment.begin(), comment.end());
    TBytes out(jpeg.begin(), jpeg.begin() + 2);
    out.insert(out.end(), segment.begin(), segment.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}
