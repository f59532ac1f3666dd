// Inspection of a Sonpix file: the viewer's own marker search and bounds, the facts of each
// section, and the comparison of the borders the viewer finds with those the contents call for.
#include "authoring/SonpixAudit.h"

#include <algorithm>
#include <cstring>

#include "authoring/ContentExtent.h"
#include "authoring/Cp1251.h"
#include "sound/WavCheck.h"

namespace {

constexpr std::int64_t kNone = SonpixMarkers::kNotFound;
constexpr std::size_t kMaxTextProblems = 8;  // unshowable bytes listed one by one before a summary

const std::uint8_t* const kSeparator = kSonpixSeparatorBytes;
const std::uint8_t* const kMakerPictureMarker = kSonpixMakerPictureBytes;
const std::uint8_t* const kMakerTextMarker = kSonpixMakerTextBytes;

std::string Num(std::int64_t value) { return std::to_string(value); }

std::string HexByte(std::uint8_t byte) {
    static const char kDigits[] = "0123456789ABCDEF";
    return std::string{kDigits[byte >> 4], kDigits[byte & 0xF]};
}

// Reading the file as a checker: who stands where by content, compared with the viewer's markers.
class TLayoutCheck {
public:
    TLayoutCheck(const TSonpixBytes& file, const TSonpixInspection& found)
        : m_file(file), m_length(static_cast<std::int64_t>(file.Size())), m_found(found) {}

    void Run(std::vector<TProblem>& problems) {
        m_problems = &problems;
        const SonpixMarkers& markers = m_found.markers;

        // The picture runs from byte 6 to its end marker, and the separator follows at once.
        const std::int64_t pictureEnd = m_file.JpegExtentEnd(6);
        std::int64_t separator = kNone;
        if (pictureEnd != kExtentUnknown && m_file.BytesAt(pictureEnd, kSeparator, 6)) separator = pictureEnd;
        CompareSeparator(separator, markers.separator, pictureEnd);

        // The sound is a RIFF file whose header says how long it is.
        const std::int64_t real = separator != kNone ? separator : markers.separator;
        if (real == kNone) return;
        const std::int64_t soundFirst = real + 6;
        const std::int64_t soundEnd = m_file.WavExtentEnd(soundFirst);
        // A RIFF size that does not lead to the end of the file or to a maker's marker is not
        // to be trusted (players ignore it); the borders after the sound are then left unjudged.
        if (soundEnd == kExtentUnknown || soundEnd > m_length) return;
        const bool pictureMarkerNext = m_file.BytesAt(soundEnd, kMakerPictureMarker, 12);
        const bool textMarkerNext = m_file.BytesAt(soundEnd, kMakerTextMarker, 12);
        if (soundEnd != m_length && !pictureMarkerNext && !textMarkerNext) return;

        // Then the optional maker's picture, and the optional maker's text.
        std::int64_t at = soundEnd;
        std::int64_t makerPicture = kNone;
        if (pictureMarkerNext) {
            makerPicture = at;
            at = m_file.JpegExtentEnd(at + 12);
            if (at != kExtentUnknown && at != m_length && !m_file.BytesAt(at, kMakerTextMarker, 12))
                at = kExtentUnknown;
        }
        CompareMakerMarker("maker's picture", makerPicture, markers.makerPicture, soundFirst, soundEnd);
        if (at == kExtentUnknown) return;
        const std::int64_t makerText = m_file.BytesAt(at, kMakerTextMarker, 12) ? at : kNone;
        CompareMakerMarker("maker's text", makerText, markers.makerText, soundFirst, soundEnd);
    }

private:
    void Add(std::int64_t offset, std::string text) { m_problems->push_back({offset, std::move(text)}); }

    bool InReach(std::int64_t p) const { return p <= m_length - 13; }

    void CompareSeparator(std::int64_t real, std::int64_t found, std::int64_t pictureEnd) {
        if (found == kNone) {
            if (real != kNone && !InReach(real))
                Add(real, "the separator (\"Tolvy\" 01) starts in the last 12 bytes of the file, where it is never "
                          "found: the viewer shows no picture and takes the whole file as the sound");
            else
                Add(pictureEnd != kExtentUnknown ? pictureEnd : 0,
                    "no separator (\"Tolvy\" 01) after the picture: the viewer shows no picture and takes the whole "
                    "file as the sound");
            return;
        }
        if (real != kNone && found != real)
            Add(found, "an extra separator (\"Tolvy\" 01) at offset " + Num(found) + ", after the real one at " +
                           Num(real) + ", moves the picture's end to " + Num(found - 1) + " and the sound's start to " +
                           Num(found + 6));
    }

    // real: where the contents put the marker (kNone: no such section); found: the viewer's winner.
    void CompareMakerMarker(const std::string& what, std::int64_t real, std::int64_t found, std::int64_t soundFirst,
                            std::int64_t soundEnd) {
        if (real == found) return;
        if (real != kNone && !InReach(real)) {
            Add(real, "the " + what + " marker stands in the last 12 bytes of the file, where it is never found: "
                      "its section is lost and the marker's bytes stay in the section before it");
            return;
        }
        if (found == kNone) return;
        if (real != kNone) {
            Add(found, "an extra " + what + " marker at offset " + Num(found) + ", after the real one at " +
                           Num(real) + ", moves the start of the " + what + " to " + Num(found + 12));
        } else if (found >= soundFirst && found < soundEnd) {
            Add(found, "a " + what + " marker inside the sound (which runs to " + Num(soundEnd - 1) +
                           ") cuts the sound short at " + Num(found - 1));
        } else {
            Add(found, "a stray " + what + " marker where the file has no " + what + " section");
        }
    }

    const TSonpixBytes& m_file;
    std::int64_t m_length;
    const TSonpixInspection& m_found;
    std::vector<TProblem>* m_problems = nullptr;
};

// A maker's marker that ends on the last byte of the file is never found.
void CheckTail(const TSonpixBytes& file, std::vector<TProblem>& problems) {
    const std::size_t size = file.Size();
    if (size < 18) return;
    const std::int64_t at = static_cast<std::int64_t>(size) - 12;
    const bool picture = file.BytesAt(at, kMakerPictureMarker, 12);
    if (!picture && !file.BytesAt(at, kMakerTextMarker, 12)) return;
    for (const TProblem& p : problems)
        if (p.offset == at) return;
    problems.push_back({at, std::string("the ") + (picture ? "maker's picture" : "maker's text") +
                                " marker stands in the last 12 bytes of the file, where it is never found "
                                "(an empty section must be left out together with its marker)"});
}

// text holds the bytes of range, which lies at range.first in the file.
void CheckText(const std::uint8_t* text, const ByteRange& range, std::vector<TProblem>& problems) {
    std::size_t listed = 0, more = 0;
    for (std::int64_t at = range.first; at <= range.last; ++at) {
        const std::uint8_t byte = text[at - range.first];
        if (IsShowableCp1251(byte)) continue;
        if (listed < kMaxTextProblems) {
            problems.push_back({at, "the maker's text holds byte " + HexByte(byte) +
                                        ", which Windows-1251 cannot show"});
            ++listed;
        } else {
            ++more;
        }
    }
    if (more)
        problems.push_back({range.last, "the maker's text holds " + Num(static_cast<std::int64_t>(more)) +
                                            " more bytes that Windows-1251 cannot show"});
}

}  // namespace

TSonpixInspection InspectSonpix(const std::uint8_t* data, std::size_t size, TInspectDepth depth) {
    return InspectSonpix(TSonpixBlock(data, size), depth);
}

TSonpixInspection InspectSonpix(const TSonpixBytes& file, TInspectDepth depth) {
    TSonpixInspection result;
    const std::size_t size = file.Size();
    result.size = size;
    result.sonpix = size >= kSonpixHeaderSize && HasSonpixHeader(file.Block(0, kSonpixHeaderSize), size);
    std::vector<TProblem>& problems = result.problems;
    if (!result.sonpix) {
        if (depth == TInspectDepth::problems)
            problems.push_back({0, "no Sonpix header: the file does not start with \"Tolvy\" 01"});
        return result;
    }
    result.markers = file.FindMarkers();
    result.sections = ComputeSonpixSections(result.markers, size);
    const SonpixSections& s = result.sections;
    const auto length = [](const ByteRange& r) { return static_cast<std::size_t>(r.Size()); };
    const auto at = [&file, &length](const ByteRange& r) { return file.Block(r.first, length(r)); };

    result.pictureRead = ReadJpegFacts(at(s.picture), length(s.picture), result.picture, result.pictureError);
    result.soundRead = ReadWavFacts(at(s.sound), length(s.sound), result.sound, result.soundError);
    if (s.hasMakerPicture)
        result.makerPictureRead =
            ReadJpegFacts(at(s.makerPicture), length(s.makerPicture), result.makerPicture, result.makerPictureError);
    if (s.hasMakerText) result.makerText.assign(reinterpret_cast<const char*>(at(s.makerText)), length(s.makerText));
    if (depth == TInspectDepth::facts) return result;

    TLayoutCheck(file, result).Run(problems);
    CheckTail(file, problems);
    // A section that starts at a stray marker is not the maker's; its contents are not judged.
    const auto flagged = [&problems](std::int64_t marker) {
        for (const TProblem& p : problems)
            if (marker != kNone && p.offset == marker) return true;
        return false;
    };
    const bool strayMakerPicture = flagged(result.markers.makerPicture);
    const bool strayMakerText = flagged(result.markers.makerText);

    if (result.markers.separator != kNone) {
        const std::string fault = FindJpegFault(at(s.picture), length(s.picture));
        if (!fault.empty()) problems.push_back({s.picture.first, "the viewer cannot show the picture: " + fault});
    }
    // The viewer's own WAV check first, since its reasons are the more precise.
    const std::string wavFault = FindWavHeaderFault(TWavSpanSource(at(s.sound), length(s.sound)));
    if (!wavFault.empty())
        problems.push_back({s.sound.first, "the viewer refuses to play the sound: " + wavFault});
    else if (!result.soundRead)
        problems.push_back({s.sound.first, result.soundError});
    if (s.hasMakerPicture && !strayMakerPicture) {
        const std::string fault = FindJpegFault(at(s.makerPicture), length(s.makerPicture));
        if (!fault.empty())
            problems.push_back({s.makerPicture.first, "the viewer cannot show the maker's picture: " + fault});
    }
    if (s.hasMakerText && !strayMakerText) CheckText(at(s.makerText), s.makerText, problems);

    std::stable_sort(problems.begin(), problems.end(),
                     [](const TProblem& a, const TProblem& b) { return a.offset < b.offset; });
    return result;
}
