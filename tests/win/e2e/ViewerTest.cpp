// The fixture of the black-box tests.
#include "tests/win/e2e/ViewerTest.h"

#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/WindowProbe.h"

const char* const kTemporaryFileNames[5] = {"Tempsx.jpg", "Tempsx.wav", "Tempsxcop.jpg", "Tempsxcop.txt",
                                            "Tempsxconvert.jpg"};

namespace {
std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Unowned top-level windows titled SonpixViewer in any letter case: each makes a new copy refuse to run.
std::vector<HWND> CopiesOnTheDesktop() {
    std::vector<HWND> found;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
        if (!GetWindow(w, GW_OWNER) && AsciiUpper(TitleOf(w)) == "SONPIXVIEWER") found.push_back(w);
    return found;
}
}  // namespace

void TViewerTest::SetUp() {
    ASSERT_FALSE(m_scratch.Path().empty()) << "no scratch folder under " << TempFolder();
    ASSERT_TRUE(PathExists(ViewerExePath())) << "no program to test at " << ViewerExePath();
    // A copy left running by an earlier test or program would make every start refuse to run.
    ASSERT_TRUE(WaitUntil([] { return CopiesOnTheDesktop().empty(); }, 3000))
        << "another copy of the viewer is running on this desktop";
    for (const char* name : kTemporaryFileNames) RemoveFile(TempFile(name));
}

TViewerProcess& TViewerTest::Start(const std::string& arguments, const std::string& workFolder,
                                   const std::string& exePath) {
    TLaunch launch;
    launch.exePath = exePath.empty() ? ViewerExePath() : exePath;
    launch.arguments = arguments;
    launch.workFolder = workFolder.empty() ? m_scratch.Path() : workFolder;
    m_viewers.push_back(std::make_unique<TViewerProcess>(TViewerProcess::Start(launch)));
    EXPECT_TRUE(m_viewers.back()->Started()) << m_viewers.back()->Error();
    return *m_viewers.back();
}

HWND TViewerTest::StartAndWaitForMainWindow(const std::string& arguments, const std::string& workFolder,
                                            const std::string& exePath) {
    TViewerProcess& viewer = Start(arguments, workFolder, exePath);
    if (!viewer.Started()) return nullptr;
    // A message box instead of the window ends the wait at once: the test has failed already.
    HWND main = nullptr;
    WaitUntil(
        [&] {
            main = viewer.MainWindow();
            return (main && IsWindowVisible(main)) || FindMessageBox(viewer.Id()) || !viewer.Running();
        },
        kWindowTimeoutMs);
    if (main && IsWindowVisible(main)) return main;
    ADD_FAILURE() << "the main window did not appear; the process "
                  << (viewer.Running() ? "still runs with these windows:\n" + DescribeTopLevelWindows(viewer.Id())
                                       : std::string("has ended"));
    return nullptr;
}

HWND TViewerTest::Control(HWND main, int id) {
    HWND control = FindControl(main, id);
    EXPECT_NE(control, nullptr) << "no control with id " << id << " in the main window";
    return control;
}

std::string Quoted(const std::string& path) {
    return path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
}

std::string WithoutTrailingBackslash(const std::string& folder) {
    std::string result = folder;
    while (result.size() > 3 && result.back() == '\\') result.pop_back();
    return result;
}

std::string PlatformUpper(std::string text) {
    if (!text.empty()) CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}
