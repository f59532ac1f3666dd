// sonpix.exe under Wine: create and check agree, refusals leave no file, and a file made by the
// tool is shown by the real viewer with its picture, its maker's text and its sound.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "tests/support/Colours.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/SampleImages.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WavSynth.h"
#include "tests/win/e2e/DisplayScreen.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {

struct TToolRun {
    DWORD exitCode = 0xFFFFFFFF;
    std::string out;  // standard output and standard error together
};

// sonpix.exe beside the viewer under test.
std::string ToolExePath() {
    const std::string viewer = ViewerExePath();
    return viewer.substr(0, viewer.find_last_of('\\') + 1) + "sonpix.exe";
}

TToolRun RunTool(const std::string& arguments, const std::string& outputFile) {
    TToolRun run;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    UniqueHandle output(CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!output.Valid()) return run;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output.Get();
    startup.hStdError = output.Get();
    std::string commandLine = "\"" + ToolExePath() + "\" " + arguments;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &process))
        return run;
    UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
    if (WaitForSingleObject(process.hProcess, kExitTimeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &run.exitCode);
    output.Close();
    const auto bytes = ReadBytesFile(outputFile);
    if (bytes) run.out.assign(bytes->begin(), bytes->end());
    return run;
}

// "Фотограф Анна" as UTF-8, the text file's encoding, written out byte by byte.
const TBytes kTextUtf8 = {0xD0, 0xA4, 0xD0, 0xBE, 0xD1, 0x82, 0xD0, 0xBE, 0xD0, 0xB3, 0xD1, 0x80, 0xD0,
                          0xB0, 0xD1, 0x84, 0x20, 0xD0, 0x90, 0xD0, 0xBD, 0xD0, 0xBD, 0xD0, 0xB0};

using SonpixTool = TViewerTest;

TEST_F(SonpixTool, CreateAndCheckAgreeAndTheViewerShowsTheFileWithItsPictureTextAndSound) {
    ASSERT_TRUE(PathExists(ToolExePath())) << ToolExePath();
    const TBytes picture = EncodeRgbJpeg(MakeQuadrants(400, 300), 90, false);
    TToneSpec tone;  // long enough to be still playing when the test looks
    tone.seconds = 4.0;
    tone.sampleRate = 11025;
    tone.amplitude = 0.05;
    const TBytes sound = SynthesizeToneWav(tone);
    const std::string p = m_scratch / "picture.jpg", s = m_scratch / "sound.wav", m = m_scratch / "maker.jpg",
                      t = m_scratch / "maker.txt", out = m_scratch / "made by the tool.sonpix";
    ASSERT_TRUE(WriteBytesFile(p, picture) && WriteBytesFile(s, sound) &&
                WriteBytesFile(m, SampleJpeg(287, 57, 3)) && WriteBytesFile(t, kTextUtf8));

    TToolRun run = RunTool("create -p " + Quoted(p) + " -s " + Quoted(s) + " -m " + Quoted(m) + " -t " + Quoted(t) +
                               " -o " + Quoted(out), m_scratch / "create.log");
    ASSERT_EQ(run.exitCode, 0u) << run.out;
    run = RunTool("check " + Quoted(out), m_scratch / "check.log");
    EXPECT_EQ(run.exitCode, 0u) << run.out;
    EXPECT_NE(run.out.find(": ok"), std::string::npos) << run.out;

    // A sound with a stray separator is refused, and no file appears.
    TBytes stray = sound;
    const TBytes separator = SonpixHeader();
    std::copy(separator.begin(), separator.end(), stray.end() - 100);
    ASSERT_TRUE(WriteBytesFile(s, stray));
    const std::string refused = m_scratch / "refused.sonpix";
    run = RunTool("create -p " + Quoted(p) + " -s " + Quoted(s) + " -o " + Quoted(refused), m_scratch / "refused.log");
    EXPECT_EQ(run.exitCode, 1u) << run.out;
    EXPECT_NE(run.out.find("sound.wav"), std::string::npos) << run.out;
    EXPECT_FALSE(PathExists(refused));
    // The same layout made by hand is flagged by check at the stray separator's offset.
    const std::string handMade = m_scratch / "hand made.sonpix";
    ASSERT_TRUE(WriteBytesFile(handMade, BuildSonpix({picture, stray, std::nullopt, std::nullopt})));
    run = RunTool("check " + Quoted(handMade), m_scratch / "check2.log");
    EXPECT_EQ(run.exitCode, 1u) << run.out;
    const std::size_t strayAt = 12 + picture.size() + stray.size() - 100;
    EXPECT_NE(run.out.find("offset " + std::to_string(strayAt) + ": an extra separator"), std::string::npos) << run.out;

    // The viewer shows the tool's file: its picture, the maker's text in Windows-1251, its sound.
    HWND main = StartAndWaitForMainWindow(Quoted(out));
    ASSERT_NE(main, nullptr);
    HWND image1 = Control(main, idImage1);
    HWND label = Control(main, idStaticText1);
    ASSERT_TRUE(image1 && label);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(label) == "Фотограф Анна"; }, 5000)) << TextOf(label);
    // 400 x 300 in the 680 x 500 box becomes 667 x 500 from x = 6.
    const TQuadrantProbe& red = kQuadrantProbes[0];
    const int x = 6 + static_cast<int>(red.fx * 667), y = static_cast<int>(red.fy * 500);
    EXPECT_TRUE(WaitUntil([&] { return NearColour(TScreenPixels(image1).At(x, y), red.colour, 48); }, 5000))
        << ToString(TScreenPixels(image1).At(x, y));
    EXPECT_EQ(ReadBytesFile(TempFile("Tempsx.wav")), sound);
    // The player holds the sound open while it plays, so the file cannot be replaced meanwhile.
    EXPECT_TRUE(WaitUntil([] { return !WriteBytesFile(TempFile("Tempsx.wav"), {}) && GetLastError() == ERROR_SHARING_VIOLATION; }, 3000))
        << "the sound is not being played";
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}

}  // namespace
