// One running copy of the viewer, started by a test and never outliving it.
#include "tests/win/e2e/ViewerProcess.h"

#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/WindowProbe.h"

TViewerProcess TViewerProcess::Start(const TLaunch& launch) {
    TViewerProcess viewer;
    std::string commandLine = "\"" + launch.exePath + "\"";
    if (!launch.arguments.empty()) commandLine += " " + launch.arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(launch.exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        launch.workFolder.empty() ? nullptr : launch.workFolder.c_str(), &startup, &info)) {
        viewer.m_error = "CreateProcessA(" + commandLine + ") failed with error " + std::to_string(GetLastError());
        return viewer;
    }
    CloseHandle(info.hThread);
    viewer.m_process.Reset(info.hProcess);
    viewer.m_id = info.dwProcessId;
    return viewer;
}

TViewerProcess& TViewerProcess::operator=(TViewerProcess&& other) noexcept {
    if (this != &other) {
        Kill();
        m_process = std::move(other.m_process);
        m_id = other.m_id;
        m_error = std::move(other.m_error);
    }
    return *this;
}

bool TViewerProcess::Running() const {
    return m_process.Valid() && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT;
}

bool TViewerProcess::WaitForExit(int timeoutMs) const {
    return !m_process.Valid() || WaitForSingleObject(m_process.Get(), static_cast<DWORD>(timeoutMs)) == WAIT_OBJECT_0;
}

std::optional<DWORD> TViewerProcess::ExitCode() const {
    if (!m_process.Valid() || Running()) return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(m_process.Get(), &code)) return std::nullopt;
    return code;
}

HWND TViewerProcess::ApplicationWindow() const {
    for (HWND window : TopLevelWindowsOf(m_id))
        if (ClassNameOf(window) == kApplicationClass && GetWindow(window, GW_OWNER) == nullptr) return window;
    return nullptr;
}

HWND TViewerProcess::MainWindow() const { return FindTopLevelWindow(m_id, kMainWindowClass); }

HWND TViewerProcess::WaitForVisibleMainWindow(int timeoutMs) const {
    HWND main = nullptr;
    WaitUntil(
        [&] {
            main = MainWindow();
            return (main && IsWindowVisible(main)) || !Running();
        },
        timeoutMs);
    return main && IsWindowVisible(main) ? main : nullptr;
}

HWND TViewerProcess::WaitForMessageBox(int timeoutMs) const {
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindMessageBox(m_id)) != nullptr || !Running(); }, timeoutMs);
    return box;
}

std::optional<DWORD> TViewerProcess::CloseAndWait(int timeoutMs) {
    if (HWND main = MainWindow()) PostMessageA(main, WM_CLOSE, 0, 0);
    if (!WaitForExit(timeoutMs)) return std::nullopt;
    return ExitCode();
}

void TViewerProcess::Kill() {
    if (!Running()) return;
    TerminateProcess(m_process.Get(), 99);
    WaitForSingleObject(m_process.Get(), static_cast<DWORD>(kExitTimeoutMs));
}

std::string ViewerExePath() {
    char fromEnvironment[MAX_PATH] = {};
    if (GetEnvironmentVariableA("SONPIX_VIEWER_EXE", fromEnvironment, sizeof fromEnvironment) > 0)
        return fromEnvironment;
    char self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path(self, length);
    return path.substr(0, path.find_last_of("\\/") + 1) + "SonpixViewer.exe";
}
