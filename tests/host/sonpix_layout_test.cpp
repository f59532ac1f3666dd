// Header check, marker search and section bounds of Sonpix files, on crafted and random files.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "SimpleMarkerSearch.h"
#include "container/SonpixLayout.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes B(const std::string& s) { return Bytes(s.begin(), s.end()); }
Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
const Bytes kHeader = B(std::string("Tolvy\x01", 6));
const Bytes kPicMarker = B(std::string("Tolvy(c)jpg\x01", 12));
const Bytes kTextMarker = B(std::string("Tolvy(c)txt\x01", 12));

std::string Slice(const Bytes& file, const ByteRange& r) {
    if (r.Size() == 0) return std::string();
    return std::string(file.begin() + r.first, file.begin() + r.last + 1);
}

struct Extracted {
    std::string picture, sound, makerPicture, makerText;
    bool hasMakerPicture = false, hasMakerText = false;
};

Extracted Extract(const Bytes& file) {
    const SonpixMarkers m = FindSonpixMarkers(file.data(), file.size());
    const SonpixSections s = ComputeSonpixSections(m, file.size());
    Extracted e;
    e.picture = Slice(file, s.picture);
    e.sound = Slice(file, s.sound);
    e.hasMakerPicture = s.hasMakerPicture;
    e.hasMakerText = s.hasMakerText;
    if (s.hasMakerPicture) e.makerPicture = Slice(file, s.makerPicture);
    if (s.hasMakerText) e.makerText = Slice(file, s.makerText);
    return e;
}

TEST(SonpixHeader, AcceptsOnlyTheExactSixBytes) {
    EXPECT_TRUE(HasSonpixHeader(kHeader.data(), kHeader.size()));
    EXPECT_FALSE(HasSonpixHeader(kHeader.data(), 5));
    EXPECT_FALSE(HasSonpixHeader(kHeader.data(), 0));
    for (std::size_t i = 0; i < kHeader.size(); ++i) {
        Bytes damaged = kHeader + B("PICTURE");
        damaged[i] ^= 0x20;  // "tolvy" differs only in case and must not pass
        EXPECT_FALSE(HasSonpixHeader(damaged.data(), damaged.size())) << "byte " << i;
    }
}

TEST(SonpixSections, AllFourSectionsInOrder) {
    const Bytes file = kHeader + B("JPEGDATA") + kHeader + B("RIFFWAVEDATA") + kPicMarker + B("MAKERJPG") +
                       kTextMarker + B("Иван\r\n");
    const Extracted e = Extract(file);
    EXPECT_EQ(e.picture, "JPEGDATA");
    EXPECT_EQ(e.sound, "RIFFWAVEDATA");
    EXPECT_TRUE(e.hasMakerPicture);
    EXPECT_EQ(e.makerPicture, "MAKERJPG");
    EXPECT_TRUE(e.hasMakerText);
    EXPECT_EQ(e.makerText, "Иван\r\n");
}

TEST(SonpixSections, PictureAndSoundOnlyRunsSoundToTheEnd) {
    const Bytes file = kHeader + B("PIC") + kHeader + B("SOUND..");
    const Extracted e = Extract(file);
    EXPECT_EQ(e.picture, "PIC");
    EXPECT_EQ(e.sound, "SOUND..");
    EXPECT_FALSE(e.hasMakerPicture);
    EXPECT_FALSE(e.hasMakerText);
}

// The sound ends on the byte right before whichever maker's section follows it, in every layout.
TEST(SonpixSections, SoundEndsRightBeforeTheNextMarkerInEveryLayout) {
    const struct {
        const char* name;
        bool makerPicture, makerText;
    } layouts[] = {{"sound only", false, false}, {"maker's picture", true, false},
                   {"maker's text", false, true}, {"both", true, true}};
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.name);
        Bytes file = kHeader + B("PIC") + kHeader + B("SOUND-LAST");
        if (layout.makerPicture) file = file + kPicMarker + B("MAKER");
        if (layout.makerText) file = file + kTextMarker + B("TEXT");
        const Extracted e = Extract(file);
        EXPECT_EQ(e.picture, "PIC");
        EXPECT_EQ(e.sound, "SOUND-LAST");
        EXPECT_EQ(e.hasMakerPicture, layout.makerPicture);
        EXPECT_EQ(e.makerPicture, layout.makerPicture ? "MAKER" : "");
        EXPECT_EQ(e.hasMakerText, layout.makerText);
        EXPECT_EQ(e.makerText, layout.makerText ? "TEXT" : "");
    }
}

TEST(SonpixSections, ShortFileHasNoMarkersAndSoundIsTheWholeFile) {
    for (std::size_t length = 6; length < 18; ++length) {
        Bytes file = kHeader + kHeader + kHeader;  // markers everywhere, but the file is too short
        file.resize(length);
        const Extracted e = Extract(file);
        EXPECT_EQ(e.picture, "") << length;
        EXPECT_EQ(e.sound, std::string(file.begin(), file.end())) << length;
    }
}

TEST(SonpixSections, SeparatorStartingAfterLastWindowIsNotFound) {
    // Separator at L-12 (sound of six bytes) lies beyond the last window start L-13.
    const Bytes late = kHeader + B("PICTURE") + kHeader + B("SOUND!");
    EXPECT_EQ(Extract(late).picture, "");
    // At L-13 it is found.
    const Bytes inReach = kHeader + B("PICTURE") + kHeader + B("SOUND!!");
    EXPECT_EQ(Extract(inReach).picture, "PICTURE");
    EXPECT_EQ(Extract(inReach).sound, "SOUND!!");
}

TEST(SonpixSections, MissingSeparatorGivesEmptyPictureAndSoundFromByteZero) {
    const Bytes file = kHeader + B("ONLY SOME BYTES WITHOUT A SEPARATOR");
    const Extracted e = Extract(file);
    EXPECT_EQ(e.picture, "");
    EXPECT_EQ(e.sound, std::string(file.begin(), file.end()));
}

TEST(SonpixSections, LaterSeparatorInsideSoundWins) {
    const Bytes file = kHeader + B("PIC") + kHeader + B("SND1") + kHeader + B("SND2-TAIL");
    const Extracted e = Extract(file);
    EXPECT_EQ(e.picture, "PIC" + std::string(kHeader.begin(), kHeader.end()) + "SND1");
    EXPECT_EQ(e.sound, "SND2-TAIL");
}

TEST(SonpixSections, TextMarkerAsLastTwelveBytesStaysInPrecedingSection) {
    const Bytes file = kHeader + B("PIC") + kHeader + B("SOUND") + kTextMarker;
    const Extracted e = Extract(file);
    EXPECT_FALSE(e.hasMakerText);
    EXPECT_EQ(e.sound, "SOUND" + std::string(kTextMarker.begin(), kTextMarker.end()));
}

TEST(SonpixSections, PictureMarkerRightBeforeTextMarkerGivesEmptyMakerPicture) {
    const Bytes file = kHeader + B("PIC") + kHeader + B("SOUND") + kPicMarker + kTextMarker + B("Text");
    const Extracted e = Extract(file);
    EXPECT_TRUE(e.hasMakerPicture);
    EXPECT_EQ(e.makerPicture, "");
    EXPECT_EQ(e.makerText, "Text");
    EXPECT_EQ(e.sound, "SOUND");
}

TEST(SonpixSections, CopyrightWindowWithOtherTailRecordsNothing) {
    const Bytes odd = B(std::string("Tolvy(c)png\x01", 12));
    const Bytes file = kHeader + B("PIC") + kHeader + B("SOUND") + odd + B("REST....");
    const Extracted e = Extract(file);
    EXPECT_FALSE(e.hasMakerPicture);
    EXPECT_FALSE(e.hasMakerText);
    EXPECT_EQ(e.picture, "PIC");  // the odd window is not a separator either
    EXPECT_EQ(e.sound, "SOUND" + std::string(odd.begin(), odd.end()) + "REST....");
}

TEST(SonpixSections, MarkersOutOfOrderAreNotSorted) {
    const Bytes file = kHeader + B("PIC") + kHeader + B("SOUND") + kTextMarker + B("TEXT") + kPicMarker +
                       B("MAKERJPG");
    const Extracted e = Extract(file);
    EXPECT_EQ(e.sound, "SOUND" + std::string(kTextMarker.begin(), kTextMarker.end()) + "TEXT");
    EXPECT_EQ(e.makerPicture, "");
    EXPECT_EQ(e.makerText, "TEXT" + std::string(kPicMarker.begin(), kPicMarker.end()) + "MAKERJPG");
}

TEST(SonpixSections, HeaderAtPositionZeroIsNeverASeparator) {
    // "Tolvy" at 0 is the header; position 5 holds 01 and cannot start a marker.
    const Bytes file = kHeader + B("abcdefghijklmnop");
    EXPECT_EQ(FindSonpixMarkers(file.data(), file.size()).separator, SonpixMarkers::kNotFound);
}

// Files full of signature words, partial markers and real markers, at random positions,
// compared against the plain forward search, including lengths around the SIMD block edges.
TEST(SonpixMarkerSearch, MatchesPlainSearchOnRandomMarkerRichFiles) {
    std::mt19937 random(20261208);
    const std::vector<Bytes> pieces = {
        kHeader, kPicMarker, kTextMarker, B("Tolvy"), B("Tolvy("), B("Tolvy(c)"), B("Tolvy(c)jpg"),
        B("Tolvy(c)txt"), B("TTTTT"), B("yyyy"), B("T"), B("y"), B(std::string("\x01", 1)), B("olvy"),
        B(std::string("Tolvy(c)jpg\x02", 12)), B(std::string("Tolvy\x00", 6))};
    for (int round = 0; round < 20000; ++round) {
        Bytes file = kHeader;
        const std::size_t target = random() % (round % 10 == 0 ? 600 : 140);
        while (file.size() < target) {
            if (random() % 3 == 0) {
                file.push_back(static_cast<std::uint8_t>(random()));
            } else {
                const Bytes& p = pieces[random() % pieces.size()];
                file.insert(file.end(), p.begin(), p.end());
            }
        }
        file.resize(target < 6 ? file.size() : target);
        const SonpixMarkers fast = FindSonpixMarkers(file.data(), file.size());
        const SonpixMarkers slow = SimpleMarkerSearch(file.data(), file.size());
        ASSERT_EQ(fast.separator, slow.separator) << "round " << round;
        ASSERT_EQ(fast.makerPicture, slow.makerPicture) << "round " << round;
        ASSERT_EQ(fast.makerText, slow.makerText) << "round " << round;
    }
}

TEST(SonpixMarkerSearch, FindsMarkersNearBothEndsOfLargeBuffers) {
    for (std::size_t size : {18u, 19u, 63u, 64u, 65u, 79u, 80u, 81u, 4096u, 100003u}) {
        for (std::size_t at : {std::size_t{5}, std::size_t{6}, size / 2, size - 14, size - 13}) {
            if (at < 5 || at + 13 > size) continue;
            Bytes file(size, 'T');
            std::copy(kHeader.begin(), kHeader.end(), file.begin() + at);
            const SonpixMarkers fast = FindSonpixMarkers(file.data(), file.size());
            EXPECT_EQ(fast.separator, static_cast<std::int64_t>(at)) << size << " at " << at;
        }
    }
}

}  // namespace
