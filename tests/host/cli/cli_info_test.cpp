// sonpix info --json on the project's sample files reports the values the samples were made with.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/host/cli/CliRunner.h"
#include "tests/host/cli/MiniJson.h"
#include "tests/support/SampleSet.h"

namespace {

TEST(SonpixInfo, JsonOfEverySampleFileHoldsTheValuesItWasMadeWith) {
    TScratch scratch;
    std::vector<std::string> args = {"info", "--json"};
    std::vector<std::size_t> sizes;
    for (const TSampleFile& sample : SampleFiles()) {
        const TBytes bytes = BuildSonpix(SampleFileParts(sample));
        sizes.push_back(bytes.size());
        args.push_back(scratch.Put(sample.fileName, bytes));
    }
    const TCliRun run = RunSonpix(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    std::istringstream lines(run.out);
    std::string line;
    for (std::size_t i = 0; i < SampleFiles().size(); ++i) {
        const TSampleFile& sample = SampleFiles()[i];
        SCOPED_TRACE(sample.fileName);
        ASSERT_TRUE(std::getline(lines, line));
        const TJson json = TJsonReader::Parse(line);
        EXPECT_EQ(json["file"].text, args[i + 2]);
        EXPECT_TRUE(json["sonpix"].flag);
        EXPECT_EQ(json["size"].value, sizes[i]);
        const TJson& picture = json["picture"];
        EXPECT_EQ(picture["first"].value, 6);
        EXPECT_EQ(picture["width"].value, sample.width);
        EXPECT_EQ(picture["height"].value, sample.height);
        EXPECT_EQ(picture["colour"].text, "YCbCr");
        EXPECT_EQ(picture["progressive"].flag, sample.progressive);
        // The separator's six bytes lie between the picture and the sound.
        EXPECT_EQ(json["sound"]["first"].value, picture["last"].value + 7);
        const TJson& sound = json["sound"];
        EXPECT_EQ(sound["format"].value, 1);
        EXPECT_EQ(sound["channels"].value, sample.tone.channels);
        EXPECT_EQ(sound["rate"].value, sample.tone.sampleRate);
        EXPECT_EQ(sound["bits"].value, sample.tone.bitsPerSample);
        EXPECT_NEAR(sound["seconds"].value, sample.tone.seconds, 0.001);
        if (sample.withMakerPicture) {
            EXPECT_EQ(json["makerPicture"]["width"].value, kSampleMakerWidth);
            EXPECT_EQ(json["makerPicture"]["height"].value, kSampleMakerHeight);
            EXPECT_EQ(json["makerPicture"]["first"].value, sound["last"].value + 13);
        } else {
            EXPECT_EQ(json["makerPicture"].kind, TJson::null);
        }
        if (sample.makerText) {
            EXPECT_EQ(json["makerText"]["text"].text, sample.makerText);  // the source's UTF-8
            EXPECT_EQ(json["makerText"]["last"].value, sizes[i] - 1);
        } else {
            EXPECT_EQ(json["makerText"].kind, TJson::null);
        }
    }
    EXPECT_FALSE(std::getline(lines, line));
}

TEST(SonpixInfo, FilesThatAreMissingOrNotSonpixAreNamedOnStandardErrorWithAFailingExitCode) {
    TScratch scratch;
    const std::string good = scratch.Put("good.sonpix", BuildSonpix(SampleFileParts(SampleFiles()[5])));
    const std::string plain = scratch.Put("plain.txt", BytesOf("just text, no header"));
    const TCliRun run = RunSonpix({"info", good, plain, scratch / "missing.sonpix"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.out.find("640 x 480, YCbCr, baseline"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find(plain + ": not a Sonpix file"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("missing.sonpix: cannot read: No such file"), std::string::npos) << run.err;
}

}  // namespace
