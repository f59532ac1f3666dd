// The real SonpixCreator.exe, driven from outside: what it saves is what the viewer reads back
// (a sound recorded in it too), and a refused part leaves the folder exactly as it was.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "container/sonpix.h"
#include "creator/CreatorNames.h"
#include "tests/support/JpegCodec.h"
#include "tests/support/PlayingTone.h"
#include "tests/support/SampleImages.h"
#include "tests/support/SonpixWriter.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WavAnalysis.h"
#include "tests/support/WavSynth.h"
#include "sys/UniqueHandle.h"
#include "tests/win/creator/CreatorDriving.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/RealInput.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {
const char kMakerText[] = "Иван Петров\r\nФотограф из Петрозаводска.\r\nСнимал закат.";

TSonpixFileParts SampleParts() {
    TSonpixFileParts parts;
    parts.picture = EncodeRgbJpeg(MakeSunset(640, 400), 85, false);
    TToneSpec tone;
    tone.seconds = 0.5;
    parts.sound = SynthesizeToneWav(tone);
    parts.makerPicture = EncodeRgbJpeg(MakeMakerBadge(200, 50), 90, false);
    parts.makerText = kMakerText;
    return parts;
}

// Every file of a folder with its bytes.
std::map<std::string, TBytes> FolderContents(const std::string& folder) {
    std::map<std::string, TBytes> contents;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return contents;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        contents[name] = ReadBytesFile(folder + name).value_or(TBytes{});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return contents;
}
}  // namespace

// Opened from the command line and saved under a new name through the save dialog, the file
// holds each part byte for byte as the viewer's own extraction takes it apart; F5 then shows it
// in the viewer.
TEST_F(TCreatorTest, SavedFileHoldsEveryPartAndOpensInTheViewer) {
    const TSonpixFileParts parts = SampleParts();
    const std::string source = m_scratch / "Закат.sonpix";
    ASSERT_TRUE(WriteBytesFile(source, BuildSonpix(parts)));
    HWND window = StartCreator(Quoted(source));
    ASSERT_TRUE(window);

    ASSERT_TRUE(RealClick(Child(window, "Button", "Сохранить как...")));
    const std::string saved = m_scratch / "Копия.sonpix";
    ASSERT_TRUE(AnswerSaveDialog(saved));
    ASSERT_TRUE(WaitUntil([&] { return TitleOf(window) == "Копия.sonpix - Сонпик Создатель"; }, kWindowTimeoutMs))
        << TitleOf(window) << "\n" << DescribeTopLevelWindows(Creator().Id());

    const std::string out = m_scratch.Make("out\\");
    std::string makerText;
    ExtractSonpix(saved, out, "part", makerText);
    EXPECT_EQ(ReadBytesFile(out + "part.jpg"), parts.picture);
    EXPECT_EQ(ReadBytesFile(out + "part.wav"), parts.sound);
    EXPECT_EQ(ReadBytesFile(out + "partcop.jpg"), parts.makerPicture);
    EXPECT_EQ(makerText, kMakerText);

    ASSERT_TRUE(RealClick(Child(window, "Edit", kMakerText)));
    ASSERT_TRUE(RealKey("F5"));
    HWND viewer = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (viewer = FindWindowA("TForm1", nullptr)) && IsWindowVisible(viewer); },
                          kWindowTimeoutMs));
    DWORD viewerId = 0;
    GetWindowThreadProcessId(viewer, &viewerId);
    UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, viewerId));
    HWND list = FindWindowExA(viewer, nullptr, "ListBox", nullptr);
    EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(list) == std::vector<std::string>{"Закат", "Копия"}; },
                          kWindowTimeoutMs));
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(viewer, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    EXPECT_EQ(WaitForSingleObject(process.Get(), kExitTimeoutMs), WAIT_OBJECT_0);
}

// A file whose picture the viewer cannot show is refused when saved, as a new file and over an
// existing one (confirmed in the dialog): one box names the picture, and the folder keeps exactly
// the files and bytes it had, with no temporary file left.
TEST_F(TCreatorTest, RefusedPictureLeavesTheFolderAsItWas) {
    TSonpixFileParts parts = SampleParts();
    std::fill(parts.picture.begin() + 2, parts.picture.begin() + 40, std::uint8_t{0x5A});
    const std::string source = m_scratch / "Испорченный.sonpix";
    ASSERT_TRUE(WriteBytesFile(source, BuildSonpix(parts)));
    const std::string existing = m_scratch / "Готовый.sonpix";
    ASSERT_TRUE(WriteBytesFile(existing, BuildSonpix(SampleParts())));

    const struct {
        const char* target;
        bool replaces;
    } cases[] = {{"Новый.sonpix", false}, {"Готовый.sonpix", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        HWND window = StartCreator(Quoted(source));
        ASSERT_TRUE(window);
        const std::map<std::string, TBytes> before = FolderContents(m_scratch.Path());

        // Save as by its keys, with the focus in the text field.
        ASSERT_TRUE(RealClick(Child(window, "Edit", "Иван Петров\r\nФотограф из Петрозаводска.\r\nСнимал закат.")));
        ASSERT_TRUE(RealKey("ctrl+shift+s"));
        ASSERT_TRUE(AnswerSaveDialog(m_scratch / c.target));
        if (c.replaces) {
            HWND question = WaitForBoxWithButton(IDYES);
            ASSERT_TRUE(question) << DescribeTopLevelWindows(Creator().Id());
            ASSERT_TRUE(PressMessageBoxButton(question, IDYES));
        }
        HWND box = WaitForBoxWithButton(IDOK, "Сонпик не сохранён");
        ASSERT_TRUE(box) << DescribeTopLevelWindows(Creator().Id());
        const std::string text = ReadMessageBox(box).text;
        EXPECT_NE(text.find("Картинка: "), std::string::npos) << text;
        EXPECT_EQ(text.find("Звук: "), std::string::npos) << text;

        EXPECT_EQ(FolderContents(m_scratch.Path()), before);
        // The form keeps every part: the title still names the opened file, unchanged.
        EXPECT_EQ(TitleOf(window), "Испорченный.sonpix - Сонпик Создатель");
        Creator().Kill();
    }
}

// A recording replaces the sound of the opened file and is kept by the save. A tone plays into
// the null sink, whose monitor the wine runner makes the default input. Closing the window while
// it records ends the recording and asks before the change is lost (answered Cancel); then a
// second recording is made, Esc ends it once the shown length passes 1.5 s, and the file is saved
// under a new name. Its sound is the tone (not the file's old 0.5 s one, nor silence), and the
// recording's temporary file, there until the save, is gone after it.
TEST_F(TCreatorTest, RecordedToneIsSavedAndItsTemporaryFileRemoved) {
    const std::string source = m_scratch / "Закат.sonpix";
    ASSERT_TRUE(WriteBytesFile(source, BuildSonpix(SampleParts())));
    HWND window = StartCreator(Quoted(source));
    ASSERT_TRUE(window);
    char temp[MAX_PATH + 1] = "";
    ASSERT_NE(GetTempPathA(sizeof temp, temp), 0u);
    const std::string recording =
        std::string(temp) + kRecordingPrefix + std::to_string(Creator().Id()) + kWavExtension;

    TToneSpec tone;
    tone.frequencyHz = 880.0;
    tone.seconds = 15.0;
    TPlayingTone playing(m_scratch / "tone.wav", tone);
    ASSERT_TRUE(playing.Written());

    HWND record = Child(window, "Button", "Записать");
    // The sound box's text shows the length while it records ("Идёт запись: 1,7 с ...").
    HWND shown = FindWindowExA(GetParent(record), nullptr, "TStaticText", nullptr);
    const std::string recordingText = "Идёт запись: ";
    const std::string recordedText = "Запись с микрофона\r\n";
    double shownSeconds = 0;
    const auto recordedFor = [&](double seconds) {
        return WaitUntil(
            [&] {
                std::string text = TextOf(shown);
                if (text.compare(0, recordingText.size(), recordingText) != 0) return false;
                text = text.substr(recordingText.size());
                std::replace(text.begin(), text.end(), ',', '.');
                shownSeconds = std::atof(text.c_str());
                return shownSeconds > seconds;
            },
            kWindowTimeoutMs);
    };
    ASSERT_TRUE(RealClick(record));
    ASSERT_TRUE(recordedFor(0.5)) << TextOf(shown) << "\n" << DescribeTopLevelWindows(Creator().Id());
    ASSERT_TRUE(RealKey("alt+F4"));
    HWND question = WaitForBoxWithButton(IDCANCEL);
    ASSERT_TRUE(question) << "closing while recording asked nothing\n" << DescribeTopLevelWindows(Creator().Id());
    ASSERT_TRUE(PressMessageBoxButton(question, IDCANCEL));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(shown).rfind(recordedText, 0) == 0; }, kWindowTimeoutMs)) << TextOf(shown);

    ASSERT_TRUE(RealClick(record));
    ASSERT_TRUE(recordedFor(1.5)) << TextOf(shown) << "\n" << DescribeTopLevelWindows(Creator().Id());
    ASSERT_TRUE(RealKey("Escape"));
    // The recording becomes the sound: the box describes it.
    ASSERT_TRUE(WaitUntil([&] { return TextOf(shown).rfind(recordedText, 0) == 0; }, kWindowTimeoutMs))
        << TextOf(shown) << "\n" << DescribeTopLevelWindows(Creator().Id());
    EXPECT_NE(GetFileAttributesA(recording.c_str()), INVALID_FILE_ATTRIBUTES) << "no recording in " << recording;

    ASSERT_TRUE(RealClick(Child(window, "Button", "Сохранить как...")));
    const std::string saved = m_scratch / "Запись.sonpix";
    ASSERT_TRUE(AnswerSaveDialog(saved));
    ASSERT_TRUE(WaitUntil([&] { return TitleOf(window) == "Запись.sonpix - Сонпик Создатель"; }, kWindowTimeoutMs))
        << TitleOf(window) << "\n" << DescribeTopLevelWindows(Creator().Id());
    playing.Player().Close();
    EXPECT_EQ(GetFileAttributesA(recording.c_str()), INVALID_FILE_ATTRIBUTES) << recording << " is left after the save";

    const std::string out = m_scratch.Make("out\\");
    std::string makerText;
    ExtractSonpix(saved, out, "part", makerText);
    const auto bytes = ReadBytesFile(out + "part.wav");
    ASSERT_TRUE(bytes);
    const auto wav = ReadPcmWav(*bytes);
    ASSERT_TRUE(wav) << "a PCM WAV sound of " << bytes->size() << " bytes";
    const double savedSeconds = static_cast<double>(wav->samples.size()) / wav->sampleRate;
    EXPECT_GE(savedSeconds, 1.4) << "shown " << shownSeconds << " s when stopped";
    const auto measure = MeasureRecordedTone(*wav, tone.frequencyHz);
    ASSERT_TRUE(measure) << "too short to measure";
    const double rms = measure->rms, amplitude = measure->amplitude, found = measure->frequency;
    std::printf("shown %.1f s, saved %.2f s, RMS %.3f, amplitude at %.0f Hz %.3f, zero crossings %.1f Hz\n",
                shownSeconds, savedSeconds, rms, tone.frequencyHz, amplitude, found);
    // The file's old 440 Hz sound gives next to no energy at 880 Hz. A loaded machine has been seen
    // to drop cycles (825 Hz once), so the count is held to a tenth.
    EXPECT_EQ(FindToneFault(*measure, tone.frequencyHz, 0.1), "");
}
