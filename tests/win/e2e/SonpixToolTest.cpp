// sonpix.exe under Wine: create and check agree, refusals leave no file, a file made by the tool
// is shown by the real viewer with its picture, its maker's text and its sound, and names outside
// the ANSI code page work and come out as UTF-8.
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

// Text in another encoding: the test's own strings are ANSI, the tool's output is UTF-8.
std::wstring Wide(const std::string& text, UINT codePage) {
    const int size = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(size > 0 ? size : 0, L'\0');
    if (size > 0) MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], size);
    return wide;
}
std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string utf8(size > 0 ? size : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0], size, nullptr, nullptr);
    return utf8;
}

// Runs the tool with a wide command line (so that any name reaches it), its standard output and
// error both redirected to outputFile.
TToolRun RunTool(const std::wstring& arguments, const std::string& outputFile) {
    TToolRun run;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    UniqueHandle output(CreateFileA(outputFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!output.Valid()) return run;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output.Get();
    startup.hStdError = output.Get();
    std::wstring commandLine = L"\"" + Wide(ToolExePath(), CP_ACP) + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    // Without a console: under Wine a console of its own (conhost) holds the redirected handles
    // for about 0.2 s after the tool has ended, so that the scratch folder could not be removed.
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr, &startup,
                        &process))
        return run;
    UniqueHandle processHandle(process.hProcess), threadHandle(process.hThread);
    if (WaitForSingleObject(process.hProcess, kExitTimeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &run.exitCode);
    output.Close();
    const auto bytes = ReadBytesFile(outputFile);
    if (bytes) run.out.assign(bytes->begin(), bytes->end());
    return run;
}
TToolRun RunTool(const std::string& arguments, const std::string& outputFile) {
    return RunTool(Wide(arguments, CP_ACP), outputFile);
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

// A file under a wide name, deleted at the end (the scratch folder's removal uses the ANSI calls,
// which cannot name it).
struct TWideFile {
    std::wstring path;
    ~TWideFile() { DeleteFileW(path.c_str()); }
};

TEST_F(SonpixTool, MakesChecksAndInspectsFilesNamedOutsideTheAnsiCodePageAndPrintsTheNamesAsUtf8) {
    const std::string p = m_scratch / "picture.jpg", s = m_scratch / "sound.wav";
    ASSERT_TRUE(WriteBytesFile(p, SampleJpeg(64, 48, 1)) && WriteBytesFile(s, SampleWav(440)));
    const auto firstLine = [](const std::string& out) { return out.substr(0, out.find_first_of("\r\n")); };
    // Greek and Japanese, which Windows-1251 cannot spell, and Cyrillic, which it can.
    for (const wchar_t* name : {L"Δύση 夕日.sonpix", L"Закат.sonpix"}) {
        const TWideFile made{Wide(m_scratch.Path(), CP_ACP) + name};
        const std::wstring quoted = L"\"" + made.path + L"\"";
        const std::string shown = Utf8(made.path);
        SCOPED_TRACE(shown);
        TToolRun run = RunTool(L"create -p " + Wide(Quoted(p), CP_ACP) + L" -s " + Wide(Quoted(s), CP_ACP) + L" -o " +
                                   quoted, m_scratch / "create.log");
        EXPECT_EQ(run.exitCode, 0u) << run.out;
        EXPECT_EQ(firstLine(run.out), shown);
        EXPECT_NE(GetFileAttributesW(made.path.c_str()), INVALID_FILE_ATTRIBUTES) << shown;
        run = RunTool(L"check " + quoted, m_scratch / "check.log");
        EXPECT_EQ(run.exitCode, 0u) << run.out;
        EXPECT_EQ(firstLine(run.out), shown + ": ok");
        run = RunTool(L"info " + quoted, m_scratch / "info.log");
        EXPECT_EQ(run.exitCode, 0u) << run.out;
        EXPECT_EQ(run.out.rfind(shown + ": Sonpix file, ", 0), 0u) << run.out;
    }
}

}  // namespace
