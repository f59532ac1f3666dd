// sonpix create and extract: a round trip gives the inputs back byte for byte; every refusal
// names its reason and leaves nothing behind; extract keeps to its folder and to new names.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "tests/host/cli/CliParts.h"
#include "tests/host/cli/CliRunner.h"
#include "tests/support/WavMutations.h"

namespace {

const std::string kTextUtf8 = "Автор: Иван Петров\r\nг. Петрозаводск — «Онего» №1\r\n";

TEST(SonpixCreate, CreateThenExtractGivesTheInputsBackAndTheTextRoundTripsThroughWindows1251) {
    TScratch scratch;
    const TBytes picture = SmallPicture(true), sound = ShortSound(), maker = SmallMakerPicture();
    const std::string p = scratch.Put("in.jpg", picture), s = scratch.Put("in.wav", sound),
                      m = scratch.Put("maker.jpg", maker), t = scratch.Put("maker.txt", BytesOf(kTextUtf8));
    const std::string out = scratch / "Новый.sonpix";
    TCliRun run = RunSonpix({"create", "-p", p, "-s", s, "-m", m, "-t", t, "-o", out});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(RunSonpix({"check", out}).exitCode, 0);
    // The stored text is Windows-1251, one byte per letter, written out here byte by byte.
    const TBytes file = *ReadBytesFile(out);
    const TBytes stored = BytesOf("\xC0\xE2\xF2\xEE\xF0: \xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2\r\n"
                                  "\xE3. \xCF\xE5\xF2\xF0\xEE\xE7\xE0\xE2\xEE\xE4\xF1\xEA \x97 \xAB\xCE\xED\xE5\xE3\xEE\xBB \xB9" "1\r\n");
    EXPECT_EQ(file, BuildSonpix({picture, sound, maker, std::string(stored.begin(), stored.end())}));

    const std::string folder = scratch / "x";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    run = RunSonpix({"extract", out, "-o", folder});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(*ReadBytesFile(folder + "/Новый.jpg"), picture);
    EXPECT_EQ(*ReadBytesFile(folder + "/Новый.wav"), sound);
    EXPECT_EQ(*ReadBytesFile(folder + "/Новый-maker.jpg"), maker);
    EXPECT_EQ(*ReadBytesFile(folder + "/Новый-maker.txt"), BytesOf(kTextUtf8));

    // A second extract finds the names taken: nothing changes unless --force is given.
    ASSERT_TRUE(WriteBytesFile(folder + "/Новый.wav", BytesOf("mine")));
    run = RunSonpix({"extract", out, "-o", folder});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Новый.jpg: exists"), std::string::npos) << run.err;
    EXPECT_EQ(*ReadBytesFile(folder + "/Новый.wav"), BytesOf("mine"));
    run = RunSonpix({"extract", out, "-o", folder, "--force"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(*ReadBytesFile(folder + "/Новый.wav"), sound);
    EXPECT_EQ(scratch.Names().size(), 6u);  // inputs, OUT and the folder: no temporary left

    // Without a maker's text or picture only two files come out; an empty text leaves its section out.
    const std::string empty = scratch.Put("empty.txt", {});
    const std::string bare = scratch / "bare.sonpix";
    run = RunSonpix({"create", "-p", p, "-s", s, "-t", empty, "-o", bare});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("empty"), std::string::npos);
    EXPECT_EQ(*ReadBytesFile(bare), BuildSonpix({picture, sound, std::nullopt, std::nullopt}));
    run = RunSonpix({"extract", "bare.sonpix"}, scratch.Path());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "./bare.jpg\n./bare.wav\n");
}

TEST(SonpixCreate, RefusesEveryInputTheViewerWouldMisreadAndLeavesNoOutput) {
    TScratch scratch;
    const TBytes pic = SmallPicture(), wav = ShortSound(), maker = SmallMakerPicture();
    const std::size_t data = WavDataStart(wav) + 64;
    TBytes noChannels = wav;
    noChannels[22] = noChannels[23] = 0;
    const struct {
        std::string name;
        TBytes picture, sound;
        std::optional<TBytes> makerPicture;
        std::optional<std::string> textUtf8;
        std::string blamed, words;  // the input named, and words of the reason
    } cases[] = {
        {"separator in the sound", pic, Overwrite(wav, data, SonpixHeader()), {}, {}, "sound.wav", "separator"},
        {"maker's text marker in the sound of a file without a text", pic, Overwrite(wav, data, MakerTextMarker()),
         maker, {}, "sound.wav", "maker's text marker"},
        {"text marker in the maker's picture", pic, wav, WithComment(maker, MakerTextMarker()), {}, "maker.jpg",
         "maker's text marker"},
        // Every marker ends in byte 01, which no text may hold, so none reaches the file through the text.
        {"separator in the text", pic, wav, {}, "Текст Tolvy\x01 и ещё много слов после", "text.txt", "U+0001"},
        {"picture the viewer refuses", WithDeclaredSize(pic, 20000, 10000), wav, {}, {}, "pic.jpg", "too large"},
        {"picture that is no JPEG", BytesOf("GIF89a..."), wav, {}, {}, "pic.jpg", "cannot show"},
        {"maker's picture cut short", pic, wav, TBytes(maker.begin(), maker.begin() + 40), {}, "maker.jpg", "cannot show"},
        {"sound the viewer refuses", pic, noChannels, {}, {}, "sound.wav", "channels is 0"},
        {"sound that is no WAV", pic, BytesOf("ID3 and an mp3 after it"), {}, {}, "sound.wav", "not a WAV"},
        {"text outside Windows-1251", pic, wav, {}, "Привет, 世界", "text.txt", "U+4E16"},
        {"text that is not UTF-8", pic, wav, {}, "caf\xE9", "text.txt", "invalid UTF-8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TScratch folder;
        std::vector<std::string> args = {"create", "-p", folder.Put("pic.jpg", c.picture), "-s", folder.Put("sound.wav", c.sound)};
        if (c.makerPicture) args.insert(args.end(), {"-m", folder.Put("maker.jpg", *c.makerPicture)});
        if (c.textUtf8) args.insert(args.end(), {"-t", folder.Put("text.txt", BytesOf(*c.textUtf8))});
        const std::vector<std::string> before = folder.Names();
        args.insert(args.end(), {"-o", folder / "out.sonpix"});
        const TCliRun run = RunSonpix(args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(folder.Names(), before);  // no OUT, no temporary file
        EXPECT_NE(run.err.find(c.blamed), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.words), std::string::npos) << run.err;
        EXPECT_EQ(*ReadBytesFile(folder / "sound.wav"), c.sound);  // inputs untouched
    }

    // An existing OUT is kept unless --force is given, and an input is never the output.
    const std::string p = scratch.Put("pic.jpg", pic), s = scratch.Put("sound.wav", wav);
    const std::string out = scratch.Put("out.sonpix", BytesOf("older file"));
    TCliRun run = RunSonpix({"create", "-p", p, "-s", s, "-o", out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("exists"), std::string::npos);
    EXPECT_EQ(*ReadBytesFile(out), BytesOf("older file"));
    run = RunSonpix({"create", "-p", p, "-s", s, "-o", p, "--force"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(*ReadBytesFile(p), pic);
    run = RunSonpix({"create", "-p", p, "-s", s, "-o", out, "--force"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(*ReadBytesFile(out), BuildSonpix({pic, wav, std::nullopt, std::nullopt}));
}

TEST(SonpixExtract, RefusesNamesThatLeaveTheFolderAndFilesThatAreNotSonpix) {
    const TBytes good = BuildSonpix({SmallPicture(), ShortSound(), std::nullopt, std::nullopt});
    const struct {
        std::string fileName;
        TBytes bytes;
        std::string words;
    } cases[] = {
        {"...sonpix", good, "leads out of the folder"},         // the stem is ".."
        {"..\\..\\evil.sonpix", good, "path separator"},         // a Windows path in a Linux name
        {"c:evil.sonpix", good, "colon"},
        {"plain.sonpix", BytesOf("no header here at all"), "not a Sonpix file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName);
        TScratch scratch;
        scratch.Put(c.fileName, c.bytes);
        const TCliRun run = RunSonpix({"extract", c.fileName}, scratch.Path());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find(c.words), std::string::npos) << run.err;
        EXPECT_EQ(scratch.Names(), std::vector<std::string>{c.fileName});
    }
    TScratch scratch;
    scratch.Put("a.sonpix", good);
    const TCliRun run = RunSonpix({"extract", "a.sonpix", "-o", "no-such-folder"}, scratch.Path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("no-such-folder: no such folder"), std::string::npos) << run.err;
}

}  // namespace
