// Only one copy of the viewer runs: a second copy says so and ends without touching anything;
// copies are recognised by the title of their application window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/ControlIds.h"
#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"
#include "tests/support/TestFiles.h"

namespace {
const char kAlreadyRunning[] = "У вас уже запущен Сонпик просмотрщик";

class TSingleInstanceTest : public TViewerTest {
protected:
    // Two copies started one after the other both open, show no message, and end normally.
    void ExpectBothCopiesOpen(const std::string& firstExe, const std::string& secondExe) {
        ASSERT_NE(StartAndWaitForMainWindow("", "", firstExe), nullptr);
        TViewerProcess& firstCopy = Viewer();
        HWND secondMain = StartAndWaitForMainWindow("", "", secondExe);
        TViewerProcess& secondCopy = Viewer();
        EXPECT_NE(secondMain, nullptr) << "the second copy did not open";
        EXPECT_EQ(FindMessageBox(secondCopy.Id()), nullptr) << "the second copy shows a message";
        if (secondMain) {
            EXPECT_EQ(secondCopy.CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
        }
        EXPECT_EQ(firstCopy.CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
    }
};

struct TFileState {
    std::optional<TBytes> bytes;
    std::optional<FILETIME> written;
};

TFileState StateOf(const std::string& path) { return {ReadBytesFile(path), LastWriteTime(path)}; }

TEST_F(TSingleInstanceTest, SecondCopyOnlySaysSoAndLeavesTheFirstCopysFilesAlone) {
    const std::string first = m_scratch.Make("first.sonpix");
    const std::string second = m_scratch.Make("second.sonpix");
    ASSERT_TRUE(WriteSonpix(first, SampleParts(31, "Первый"))) << first << " error " << GetLastError();
    ASSERT_TRUE(WriteSonpix(second, SampleParts(32, "Второй"))) << second << " error " << GetLastError();
    HWND firstMain = StartAndWaitForMainWindow(Quoted(first));
    ASSERT_NE(firstMain, nullptr);
    TViewerProcess& firstCopy = Viewer();
    // Past the first timer tick, so that the first copy has shown its file and started its sound.
    PauseMs(1200);
    HWND firstText = Control(firstMain, idStaticText1);
    ASSERT_NE(firstText, nullptr);
    const std::string makerShown = TextOf(firstText);
    std::vector<TFileState> before;
    for (const char* name : kTemporaryFileNames) before.push_back(StateOf(TempFile(name)));
    ASSERT_TRUE(before[0].bytes.has_value()) << "the first copy extracted nothing";

    TViewerProcess& secondCopy = Start(Quoted(second));
    ASSERT_TRUE(secondCopy.Started());
    HWND box = secondCopy.WaitForMessageBox(kWindowTimeoutMs);
    ASSERT_NE(box, nullptr) << "the second copy shows no message";
    const TMessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, kAlreadyRunning);
    EXPECT_EQ(view.caption, "Sonpixviewer");
    EXPECT_FALSE(view.hasIcon) << "the message shows an icon";
    EXPECT_EQ(view.buttons, std::vector<int>{IDOK}) << "not the single button OK";
    const TBounds boxBounds = ScreenBounds(box);
    EXPECT_LE(std::abs(boxBounds.left * 2 + boxBounds.width - GetSystemMetrics(SM_CXSCREEN)), 2)
        << "the message is not centred across the screen: " << ToString(boxBounds);
    EXPECT_LE(std::abs(boxBounds.top * 2 + boxBounds.height - GetSystemMetrics(SM_CYSCREEN)), 2)
        << "the message is not centred down the screen: " << ToString(boxBounds);
    HWND secondMain = secondCopy.MainWindow();
    EXPECT_TRUE(secondMain == nullptr || !IsWindowVisible(secondMain)) << "the second copy shows its main window";

    ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
    ASSERT_TRUE(secondCopy.WaitForExit(kExitTimeoutMs)) << "the second copy still runs after OK";
    EXPECT_EQ(secondCopy.ExitCode(), std::optional<DWORD>(0));

    EXPECT_TRUE(firstCopy.Running());
    EXPECT_EQ(TextOf(firstText), makerShown) << "the first copy's maker changed";
    for (size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(kTemporaryFileNames[i]);
        const TFileState after = StateOf(TempFile(kTemporaryFileNames[i]));
        EXPECT_EQ(after.bytes, before[i].bytes) << "the file was changed";
        ASSERT_EQ(after.written.has_value(), before[i].written.has_value());
        if (after.written) {
            EXPECT_TRUE(SameTime(*after.written, *before[i].written)) << "the file was rewritten";
        }
    }
    EXPECT_EQ(firstCopy.CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}

// The application window's title comes from the program file's name, and it is what copies look for.
struct TProgramName {
    const char* file;
    const char* title;
};

TEST_F(TSingleInstanceTest, ApplicationWindowIsTitledAfterTheProgramFile) {
    for (const TProgramName& name : {TProgramName{"SonpixViewer.exe", "Sonpixviewer"}, TProgramName{"Other.exe", "Other"},
                                     TProgramName{"MY.VIEWER.exe", "My"}}) {
        SCOPED_TRACE(name.file);
        const std::string exe = m_scratch.Make(std::string("names\\") + name.file);
        ASSERT_TRUE(CopyViewerTo(exe));
        ASSERT_NE(StartAndWaitForMainWindow("", "", exe), nullptr);
        HWND application = Viewer().ApplicationWindow();
        ASSERT_NE(application, nullptr);
        EXPECT_EQ(TitleOf(application), name.title);
        EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
    }
}

TEST_F(TSingleInstanceTest, CopyOfAnotherProgramNameIsNotCounted) {
    const std::string other = m_scratch.Make("b\\Other.exe");
    ASSERT_TRUE(CopyViewerTo(other));
    ExpectBothCopiesOpen(other, ViewerExePath());
}

TEST_F(TSingleInstanceTest, CopyOfAnotherProgramNameDoesNotCountRunningViewer) {
    const std::string other = m_scratch.Make("b\\Other.exe");
    ASSERT_TRUE(CopyViewerTo(other));
    ExpectBothCopiesOpen(ViewerExePath(), other);
}

// Any unowned window titled SonpixViewer, in whatever letter case, counts as a running copy.
TEST_F(TSingleInstanceTest, UnownedWindowTitledSonpixViewerInAnyCaseCountsAsRunningCopy) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SonpixE2eImpostor";
    RegisterClassA(&windowClass);
    HWND impostor = CreateWindowA("SonpixE2eImpostor", "sonPIXviewer", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(impostor, nullptr);
    struct TDestroy {
        HWND window;
        ~TDestroy() { DestroyWindow(window); }
    } destroy{impostor};

    TViewerProcess& copy = Start("");
    ASSERT_TRUE(copy.Started());
    HWND box = copy.WaitForMessageBox(kWindowTimeoutMs);
    ASSERT_NE(box, nullptr) << "the copy did not count the window";
    EXPECT_EQ(ReadMessageBox(box).text, kAlreadyRunning);
    ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
    ASSERT_TRUE(copy.WaitForExit(kExitTimeoutMs));
    EXPECT_EQ(copy.ExitCode(), std::optional<DWORD>(0));
}
}  // namespace
