// sonpix check: each way a file can be misread or refused by the viewer is flagged at its offset.
#include <gtest/gtest.h>

#include "tests/host/cli/CliParts.h"
#include "tests/host/cli/CliRunner.h"
#include "tests/support/WavMutations.h"

namespace {

struct TCheckCase {
    std::string name;
    TBytes file;
    std::int64_t offset;  // -1: the file is ok
    std::string words;    // found in the problem's line
};

std::vector<TCheckCase> CheckCases() {
    const TBytes pic = SmallPicture(), wav = ShortSound(), maker = SmallMakerPicture();
    const std::string text = MakerText1251();
    const std::int64_t P = static_cast<std::int64_t>(pic.size()), W = static_cast<std::int64_t>(wav.size()),
                       M = static_cast<std::int64_t>(maker.size());
    const std::int64_t soundAt = 12 + P, makerAt = 24 + P + W, textAt = 36 + P + W + M;
    const std::size_t data = WavDataStart(wav) + 100;  // a place inside the samples
    const auto full = [&](TBytes picture, TBytes sound, std::optional<TBytes> makerPicture, std::optional<std::string> makerText) {
        return BuildSonpix({std::move(picture), std::move(sound), std::move(makerPicture), std::move(makerText)});
    };
    const TBytes good = full(pic, wav, maker, text);
    TBytes badHeader = good;
    badHeader[0] = 't';
    const TBytes jpegBytes = Concat({TBytes{0xFF, 0xD8, 0xFF}, BytesOf("not really a JPEG")});

    std::vector<TCheckCase> cases = {
        {"well made", good, -1, ""},
        {"well made, no maker's sections", full(pic, wav, std::nullopt, std::nullopt), -1, ""},
        {"separator bytes inside the picture are harmless",
         full(WithComment(pic, Concat({SonpixHeader(), BytesOf("in a comment")})), wav, std::nullopt, std::nullopt), -1, ""},
        {"maker's text marker inside the maker's picture",
         full(pic, wav, WithComment(maker, Concat({MakerTextMarker(), BytesOf("in a comment")})), std::nullopt),
         makerAt + 6, "stray maker's text marker"},  // after FF D8 FF FE and the length
        {"header missing", badHeader, 0, "no Sonpix header"},
        {"separator missing", Concat({SonpixHeader(), pic, wav}), 6 + P, "no separator"},
        {"separator in the sound", full(pic, Overwrite(wav, data, SonpixHeader()), maker, text),
         soundAt + static_cast<std::int64_t>(data), "extra separator"},
        {"maker's picture marker in the sound", full(pic, Overwrite(wav, data, MakerPictureMarker()), std::nullopt, std::nullopt),
         soundAt + static_cast<std::int64_t>(data), "maker's picture marker inside the sound"},
        {"maker's text marker in the sound", full(pic, Overwrite(wav, data, MakerTextMarker()), maker, std::nullopt),
         soundAt + static_cast<std::int64_t>(data), "maker's text marker inside the sound"},
        {"maker's text marker after its place",
         full(pic, wav, maker, text + "\x0D\x0ATolvy(c)txt\x01 and more words after it"),
         textAt + static_cast<std::int64_t>(text.size()) + 2, "extra maker's text marker"},
        {"maker's picture marker after its place", full(pic, wav, maker, text + "Tolvy(c)jpg\x01 and more words after it"),
         textAt + static_cast<std::int64_t>(text.size()), "extra maker's picture marker"},
        {"maker's text marker in the last 12 bytes", Concat({SonpixHeader(), pic, SonpixHeader(), wav, MakerTextMarker()}),
         soundAt + W, "last 12 bytes"},
        {"picture too large for the viewer", full(WithDeclaredSize(pic, 20000, 10000), wav, maker, text), 6, "too large"},
        {"picture of too many scans", full(WithRepeatedLastScan(SmallPicture(true), 1000), wav, maker, text), 6,
         "more than 1000 scans"},
        {"picture that is no JPEG", full(jpegBytes, wav, maker, text), 6, "cannot show the picture"},
        {"empty picture", full({}, wav, maker, text), 6, "picture is empty"},
        {"maker's picture cut inside its header", full(pic, wav, TBytes(maker.begin(), maker.begin() + 30), text),
         makerAt, "cannot show the maker's picture"},
        {"unshowable byte in the text", full(pic, wav, maker, "ab\x98" "cd"), textAt + 2, "byte 98"},
        {"control byte in the text", full(pic, wav, maker, std::string("ab\0cd", 5)), textAt + 2, "byte 00"},
    };
    for (const TWavMutation& m : WavMutationSet()) {
        const bool plays = m.verdict == TWavVerdict::plays;
        const TBytes file = full(pic, m.bytes, std::nullopt, std::nullopt);
        if (m.bytes.size() < 7)  // the separator itself is then too close to the end to be found
            cases.push_back({"sound: " + m.name, file, 6 + P, "last 12 bytes"});
        else
            cases.push_back({"sound: " + m.name, file, plays ? -1 : soundAt,
                             m.verdict == TWavVerdict::refusedByCheck ? "refuses to play" : ""});
    }
    return cases;
}

TEST(SonpixCheck, FlagsEachProblemAtItsOffsetAndPassesWellMadeFiles) {
    TScratch scratch;
    const std::vector<TCheckCase> cases = CheckCases();
    std::vector<std::string> args = {"check"};
    for (std::size_t i = 0; i < cases.size(); ++i) args.push_back(scratch.Put("case" + std::to_string(i) + ".sonpix", cases[i].file));
    // One run over all files, then one run per file for its exit code.
    const TCliRun all = RunSonpix(args);
    EXPECT_EQ(all.exitCode, 1);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const TCheckCase& c = cases[i];
        SCOPED_TRACE(c.name);
        const TCliRun run = RunSonpix({"check", args[i + 1]});
        EXPECT_NE(all.out.find(run.out), std::string::npos);
        if (c.offset < 0) {
            EXPECT_EQ(run.exitCode, 0) << run.out;
            EXPECT_EQ(run.out, args[i + 1] + ": ok\n");
            continue;
        }
        EXPECT_EQ(run.exitCode, 1);
        const std::string line = "  offset " + std::to_string(c.offset) + ": ";
        const std::size_t at = run.out.find(line);
        ASSERT_NE(at, std::string::npos) << run.out;
        const std::string problem = run.out.substr(at, run.out.find('\n', at) - at);
        EXPECT_NE(problem.find(c.words), std::string::npos) << run.out;
    }
}

}  // namespace
