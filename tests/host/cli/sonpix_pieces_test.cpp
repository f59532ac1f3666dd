// A file not yet written, read from its pieces where they lie, gives the inspection of the joined
// bytes in every detail: markers, sections, facts and each problem with its offset and text.
#include <gtest/gtest.h>

#include <random>

#include "authoring/SonpixAudit.h"
#include "tests/host/cli/CliParts.h"

namespace {

// The bytes cut at random places into pieces, some of them empty or a few bytes long, so that
// markers, sections and JPEG runs straddle them.
std::vector<TByteSpan> CutAtRandom(const TBytes& file, std::mt19937& random) {
    std::vector<std::size_t> cuts = {0, file.size()};
    for (unsigned n = random() % 9; n > 0; --n) {
        const std::size_t at = random() % (file.size() + 1);
        cuts.push_back(at);
        if (random() % 2) cuts.push_back(std::min(file.size(), at + random() % 13));
    }
    std::sort(cuts.begin(), cuts.end());
    std::vector<TByteSpan> pieces;
    for (std::size_t i = 1; i < cuts.size(); ++i) pieces.push_back({file.data() + cuts[i - 1], cuts[i] - cuts[i - 1]});
    return pieces;
}

std::string Describe(const TSonpixInspection& found) {
    std::string text = std::to_string(found.sonpix) + " markers " + std::to_string(found.markers.separator) + " " +
                       std::to_string(found.markers.makerPicture) + " " + std::to_string(found.markers.makerText) +
                       " read " + std::to_string(found.pictureRead) + std::to_string(found.soundRead) +
                       std::to_string(found.makerPictureRead) + " " + found.pictureError + "|" + found.soundError +
                       "|" + found.makerPictureError + "|" + found.makerText + "\n";
    for (const TProblem& problem : found.problems) text += std::to_string(problem.offset) + ": " + problem.text + "\n";
    return text;
}

}  // namespace

TEST(SonpixPieces, ReadInPlaceTheyGiveTheInspectionOfTheJoinedFile) {
    std::mt19937 random(20261209);
    const TBytes picture = SmallPicture(), sound = ShortSound(), maker = SmallMakerPicture();
    const TBytes separator = SonpixHeader(), textMarker = BytesOf(std::string("Tolvy(c)txt\x01", 12));
    const TBytes sample = {'T', 'o', 'l', 'v', 'y', '(', 'c', ')', 'j', 'p', 'g', 0x01};
    // Sound, sound with a separator or a maker's marker in its samples, a picture whose comment
    // holds one, text that ends in a marker, a picture cut before its end marker, no header at all.
    const std::vector<TBytes> files = {
        BuildSonpix({picture, sound, maker, MakerText1251()}),
        BuildSonpix({picture, sound, std::nullopt, std::nullopt}),
        BuildSonpix({picture, Overwrite(sound, WavDataStart(sound) + 40, separator), std::nullopt, MakerText1251()}),
        BuildSonpix({picture, Overwrite(sound, WavDataStart(sound) + 8, sample), maker, std::nullopt}),
        BuildSonpix({WithComment(picture, textMarker), sound, std::nullopt, MakerText1251()}),
        BuildSonpix({picture, sound, std::nullopt, "abc\x98" + std::string("Tolvy(c)jpg\x01", 12)}),
        BuildSonpix({TBytes(picture.begin(), picture.end() - 300), sound, maker, std::nullopt}),
        Concat({BytesOf("RIFF"), sound}),
    };
    for (std::size_t f = 0; f < files.size(); ++f) {
        const TBytes& file = files[f];
        const std::string joined = Describe(InspectSonpix(file.data(), file.size(), TInspectDepth::problems));
        for (int round = 0; round < 300; ++round) {
            const std::vector<TByteSpan> pieces = CutAtRandom(file, random);
            ASSERT_EQ(Describe(InspectSonpix(TSonpixPieces(pieces), TInspectDepth::problems)), joined)
                << "file " << f << ", round " << round << ", " << pieces.size() << " pieces";
        }
    }
}
