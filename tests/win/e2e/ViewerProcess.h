// One running copy of the viewer, started by a test and never outliving it.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "sys/UniqueHandle.h"

// Window classes and titles that every copy of the viewer shows.
constexpr char kApplicationClass[] = "TApplication";
constexpr char kMainWindowClass[] = "TForm1";

struct TLaunch {
    std::string exePath;
    std::string arguments;   // the command line after the program's own (quoted) path, as typed
    std::string workFolder;  // the process's current folder; empty: the test's own
};

class TViewerProcess {
public:
    TViewerProcess() = default;
    // Ends a copy that is still running, so that no copy survives a failed test.
    ~TViewerProcess() { Kill(); }
    TViewerProcess(TViewerProcess&&) = default;
    TViewerProcess& operator=(TViewerProcess&& other) noexcept;

    // Starts the program; on failure Started() is false and Error() says why.
    static TViewerProcess Start(const TLaunch& launch);
    bool Started() const { return m_process.Valid(); }
    const std::string& Error() const { return m_error; }
    DWORD Id() const { return m_id; }

    bool Running() const;
    // Waits for the end of the process; false when it is still running at the deadline.
    bool WaitForExit(int timeoutMs) const;
    // The exit code once the process has ended.
    std::optional<DWORD> ExitCode() const;

    // The hidden unowned application window; null when the copy has none (yet).
    HWND ApplicationWindow() const;
    // The main window once it exists (shown or not); null otherwise.
    HWND MainWindow() const;
    // Waits until the main window is on the screen; null at the deadline or when the process ended.
    HWND WaitForVisibleMainWindow(int timeoutMs) const;

    // Waits for a message box of this copy; null at the deadline or when the process ended.
    HWND WaitForMessageBox(int timeoutMs) const;

    // Asks the main window to close (WM_CLOSE) and waits for the process to end with its code;
    // std::nullopt when it did not end in time.
    std::optional<DWORD> CloseAndWait(int timeoutMs);
    // Ends the process at once (if it runs) and waits for it to be gone.
    void Kill();

private:
    UniqueHandle m_process;  // owned process handle
    DWORD m_id = 0;
    std::string m_error;
};

// The program file under test: SONPIX_VIEWER_EXE if set, else SonpixViewer.exe beside this test program.
std::string ViewerExePath();
