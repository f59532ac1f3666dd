// The main window's commands as a person uses them, heard through the sound system: replay, the
// check box "Сразу проигрывать звук", closing while the sound plays, and the creator button.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "tests/support/TestFiles.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/RealInput.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/SoundMonitor.h"
#include "tests/win/e2e/ViewerDriving.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {
constexpr double kSoundSeconds = 2.0;
constexpr int kSoundTimeoutMs = 6000;
const char* const kCurrentFileParts[] = {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.jpg"};

class TMainCommandsTest : public TViewerTest {
protected:
    // Writes Sonpix files with a two-second head-marked sound into folder (the scratch folder
    // when empty), starts the viewer there, and finds its controls.
    HWND StartWithSongs(std::initializer_list<const char*> names, const std::string& folder = "",
                        const std::string& exePath = "") {
        const std::string where = folder.empty() ? m_scratch.Path() : folder;
        int shade = 20;
        for (const char* name : names) {
            TSonpixFileParts parts = SampleParts(shade += 30, std::string("Автор ") + name);
            parts.sound = HeadMarkedWav(kSoundSeconds);
            EXPECT_TRUE(WriteSonpix(where + name + ".sonpix", parts)) << name;
        }
        // An argument that names no Sonpix file: the list shows the process's current folder.
        HWND main = StartAndWaitForMainWindow("none", where, exePath);
        if (!main) return nullptr;
        m_list = Control(main, idListBox1);
        m_replay = Control(main, idSpeedButton1);
        m_checkBox = Control(main, idCheckBox1);
        return m_list && m_replay && m_checkBox ? main : nullptr;
    }

    // Clicks the entry and waits for the loud head of its sound; its start on the recording's clock.
    std::optional<double> SelectAndHear(int index) {
        const double before = m_sound.Now();
        EXPECT_TRUE(ClickListEntry(m_list, index));
        EXPECT_TRUE(WaitForSelection(m_list, index)) << "entry " << index << " was not selected";
        return m_sound.WaitForSound(before, kSoundTimeoutMs, kHeadLevel);
    }

    TSoundMonitor m_sound;
    HWND m_list = nullptr, m_replay = nullptr, m_checkBox = nullptr;
};

TEST_F(TMainCommandsTest, ReplayRestartsTheSoundAndTheCheckBoxOnlyRulesTheNextDisplay) {
    ASSERT_TRUE(m_sound.Ready()) << "the sound system cannot be recorded";
    HWND main = StartWithSongs({"first", "second"});
    ASSERT_NE(main, nullptr);

    // Nothing selected yet, so there is no sound file: the replay button does nothing.
    double mark = m_sound.Now();
    ASSERT_TRUE(ClickControl(m_replay));
    PauseMs(1000);
    EXPECT_LT(m_sound.PeakBetween(mark, m_sound.Now()), kSoundLevel) << m_sound.Describe(mark);
    EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr) << "the replay without a sound file reported something";
    EXPECT_TRUE(Viewer().Running());

    // Replay halfway through: the loud head is heard again, and the sound then runs its full length.
    const std::optional<double> onset = SelectAndHear(0);
    ASSERT_TRUE(onset) << "the selected file's sound was not heard; " << m_sound.Describe(mark);
    ASSERT_TRUE(WaitUntil([&] { return m_sound.Now() >= *onset + 1.0; }, kSoundTimeoutMs));
    const double press = m_sound.Now();
    ASSERT_TRUE(ClickControl(m_replay));
    const std::optional<double> again = m_sound.WaitForSound(press, kSoundTimeoutMs, kHeadLevel);
    ASSERT_TRUE(again) << "no new start after the replay; " << m_sound.Describe(*onset);
    std::optional<double> silence = m_sound.WaitForSilence(*again, kSoundTimeoutMs);
    ASSERT_TRUE(silence) << m_sound.Describe(*onset);
    EXPECT_GE(*silence - *again, kSoundSeconds - 0.3) << m_sound.Describe(*onset);

    // Unchecking the box while the sound plays stops nothing.
    mark = m_sound.Now();
    ASSERT_TRUE(ClickControl(m_replay));
    const std::optional<double> replayed = m_sound.WaitForSound(mark, kSoundTimeoutMs, kHeadLevel);
    ASSERT_TRUE(replayed) << m_sound.Describe(mark);
    ASSERT_TRUE(ClickControl(m_checkBox));
    ASSERT_TRUE(WaitUntil([&] { return !IsChecked(m_checkBox); }, 3000)) << "the box did not take the click";
    silence = m_sound.WaitForSilence(*replayed, kSoundTimeoutMs);
    ASSERT_TRUE(silence);
    EXPECT_GE(*silence - *replayed, kSoundSeconds - 0.3) << "unchecking cut the sound short; " << m_sound.Describe(mark);

    // Unchecked, the next display is silent; the replay button plays all the same.
    mark = m_sound.Now();
    ASSERT_TRUE(ClickListEntry(m_list, 1));
    ASSERT_TRUE(WaitForSelection(m_list, 1));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(Control(main, idStaticText1)) == "Автор second"; }, kSoundTimeoutMs));
    PauseMs(1200);
    EXPECT_LT(m_sound.PeakBetween(mark, m_sound.Now()), kSoundLevel) << m_sound.Describe(mark);
    mark = m_sound.Now();
    ASSERT_TRUE(ClickControl(m_replay));
    ASSERT_TRUE(m_sound.WaitForSound(mark, kSoundTimeoutMs, kHeadLevel)) << "replay with the box unchecked is silent; " << m_sound.Describe(mark);

    // A new selection stops the sound still playing, also with the box unchecked.
    PauseMs(300);
    mark = m_sound.Now();
    ASSERT_TRUE(ClickListEntry(m_list, 0));
    silence = m_sound.WaitForSilence(mark, kSoundTimeoutMs);
    ASSERT_TRUE(silence);
    EXPECT_LT(*silence - mark, 0.8) << "the old sound went on after the new selection; " << m_sound.Describe(mark);

    // Checking the box again does not start the sound of the file on the screen.
    ASSERT_TRUE(ClickControl(m_checkBox));
    ASSERT_TRUE(WaitUntil([&] { return IsChecked(m_checkBox); }, 3000));
    mark = m_sound.Now();
    PauseMs(1000);
    EXPECT_LT(m_sound.PeakBetween(mark, m_sound.Now()), kSoundLevel) << m_sound.Describe(mark);
    EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr);
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}

enum class TCloseWay { closeBox, systemMenu, altF4 };
struct TCloseCase {
    const char* what;
    TCloseWay way;
};

TEST_F(TMainCommandsTest, ClosingWhileTheSoundPlaysStopsItAndRemovesTheCurrentFile) {
    ASSERT_TRUE(m_sound.Ready()) << "the sound system cannot be recorded";
    for (const TCloseCase& c : {TCloseCase{"close box", TCloseWay::closeBox},
                                TCloseCase{"system menu", TCloseWay::systemMenu},
                                TCloseCase{"Alt+F4", TCloseWay::altF4}}) {
        SCOPED_TRACE(c.what);
        HWND main = StartWithSongs({"song"});
        ASSERT_NE(main, nullptr);
        const std::optional<double> onset = SelectAndHear(0);
        ASSERT_TRUE(onset) << m_sound.Describe(0);
        for (const char* name : kCurrentFileParts) EXPECT_TRUE(PathExists(TempFile(name))) << name;

        const double close = m_sound.Now();
        switch (c.way) {
            case TCloseWay::closeBox: {
                const POINT box = CloseBoxPoint(main);
                ASSERT_GE(box.x, 0) << "no close box on the caption";
                ASSERT_TRUE(RealClickAt(box));
                break;
            }
            case TCloseWay::systemMenu:
                ASSERT_TRUE(RealKey("alt+space"));
                ASSERT_NE(WaitForVisibleWindow(Viewer().Id(), "#32768"), nullptr) << "no system menu";
                // "Закрыть", by its access key.
                ASSERT_TRUE(RealTypeUntil("З", [&] { return !Viewer().Running(); }, kExitTimeoutMs));
                break;
            case TCloseWay::altF4:
                ASSERT_TRUE(RealKey("alt+F4"));
                break;
        }
        ASSERT_TRUE(Viewer().WaitForExit(kExitTimeoutMs)) << DescribeTopLevelWindows(Viewer().Id());
        EXPECT_EQ(Viewer().ExitCode(), std::optional<DWORD>(0));
        const std::optional<double> silence = m_sound.WaitForSilence(close, kSoundTimeoutMs);
        ASSERT_TRUE(silence);
        EXPECT_LT(*silence - *onset, kSoundSeconds - 0.3) << "the sound played to its end; " << m_sound.Describe(*onset);
        for (const char* name : kCurrentFileParts) EXPECT_FALSE(PathExists(TempFile(name))) << name << " was left";
    }
}

TEST_F(TMainCommandsTest, CreatorButtonStartsTheCreatorBesideTheViewerAndEndsTheViewer) {
    ASSERT_TRUE(m_sound.Ready()) << "the sound system cannot be recorded";
    const std::string program = m_scratch.Make("with\\");
    ASSERT_TRUE(CopyViewerTo(program + "SonpixViewer.exe"));
    ASSERT_TRUE(CopyFileA(FileBesideProgram("creator_stand_in.exe").c_str(), (program + "SonpixCreator.exe").c_str(), FALSE))
        << "no stand-in creator beside the test program";
    const std::string work = m_scratch.Make("work with\\");
    HWND main = StartWithSongs({"song"}, work, program + "SonpixViewer.exe");
    ASSERT_NE(main, nullptr);
    const std::optional<double> onset = SelectAndHear(0);
    ASSERT_TRUE(onset) << m_sound.Describe(0);

    ASSERT_TRUE(ClickControl(Control(main, idSpeedButton4)));
    ASSERT_TRUE(Viewer().WaitForExit(kExitTimeoutMs)) << "the viewer did not end";
    EXPECT_EQ(Viewer().ExitCode(), std::optional<DWORD>(0));
    const std::optional<double> silence = m_sound.WaitForSilence(*onset, kSoundTimeoutMs);
    ASSERT_TRUE(silence);
    EXPECT_LT(*silence - *onset, kSoundSeconds - 0.3) << "the sound played to its end; " << m_sound.Describe(*onset);
    // Ended past the close handler: the current file's pieces stay for the next start-up.
    for (const char* name : kCurrentFileParts) EXPECT_TRUE(PathExists(TempFile(name))) << name << " was removed";

    const std::string marker = program + "creator-ran.txt";
    ASSERT_TRUE(WaitUntil([&] { return ReadBytesFile(marker).has_value(); }, kExitTimeoutMs)) << "the creator did not run";
    const TBytes bytes = *ReadBytesFile(marker);
    const std::string report(bytes.begin(), bytes.end());
    const std::string folder = report.substr(0, report.find("\r\n"));
    EXPECT_EQ(PlatformUpper(folder), PlatformUpper(WithoutTrailingBackslash(work)))
        << "the creator did not start in the viewer's current folder";
    // Started without arguments: the command line is the program's path alone.
    std::string commandLine = report.substr(folder.size() + 2);
    while (!commandLine.empty() && (commandLine.back() == '\n' || commandLine.back() == '\r' || commandLine.back() == ' '))
        commandLine.pop_back();
    if (!commandLine.empty() && commandLine.front() == '"') commandLine = commandLine.substr(1, commandLine.size() - 2);
    EXPECT_EQ(PlatformUpper(commandLine), PlatformUpper(program + "SonpixCreator.exe"));
}

// Without a creator beside it the viewer says which program it could not start and goes on as it
// was: window, sound and current file.
TEST_F(TMainCommandsTest, CreatorButtonWithoutTheCreatorNamesItAndTheViewerGoesOn) {
    ASSERT_TRUE(m_sound.Ready()) << "the sound system cannot be recorded";
    const std::string program = m_scratch.Make("without\\");
    ASSERT_TRUE(CopyViewerTo(program + "SonpixViewer.exe"));
    HWND main = StartWithSongs({"song"}, m_scratch.Make("work without\\"), program + "SonpixViewer.exe");
    ASSERT_NE(main, nullptr);
    const std::optional<double> onset = SelectAndHear(0);
    ASSERT_TRUE(onset) << m_sound.Describe(0);

    ASSERT_TRUE(ClickControl(Control(main, idSpeedButton4)));
    HWND box = Viewer().WaitForMessageBox(kWindowTimeoutMs);
    ASSERT_NE(box, nullptr) << "no message, or the viewer ended: " << DescribeTopLevelWindows(Viewer().Id());
    const TMessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, "Не удалось запустить программу создания Сонпиков \"" + program + "SonpixCreator.exe\".");
    EXPECT_EQ(view.caption, "Sonpixviewer");
    const std::optional<double> silence = m_sound.WaitForSilence(*onset, kSoundTimeoutMs);
    ASSERT_TRUE(silence);
    EXPECT_GT(*silence - *onset, kSoundSeconds - 0.3) << "the sound was cut short; " << m_sound.Describe(*onset);
    ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
    EXPECT_TRUE(IsWindowVisible(main));
    for (const char* name : kCurrentFileParts) EXPECT_TRUE(PathExists(TempFile(name))) << name << " was removed";
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}
}  // namespace
