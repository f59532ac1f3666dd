// Benchmark: start-up of the viewer to a painted main window, beside a minimal window program,
// each started 9 times in turn; medians and their ratio.
//   startup_bench [VIEWER.exe ...]    (default: SonpixViewer.exe beside this program)
// Each program runs in its own folder as its current folder. "Painted" means: the process waits
// for input, its main window is visible, and no window of it has anything left to paint.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/common/BenchCommon.h"
#include "sys/UniqueHandle.h"
#include "sys/PathText.h"
#include "sys/mysys.h"

namespace {
constexpr int kStarts = 9;

struct TWindowSearch {
    DWORD processId;
    HWND found = nullptr;
};

// A visible top-level window of the process, or null.
HWND VisibleWindowOf(DWORD processId) {
    TWindowSearch search{processId};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<TWindowSearch*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->processId || !IsWindowVisible(window)) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool NothingLeftToPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return false;
    bool clean = true;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
                *reinterpret_cast<bool*>(data) = false;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&clean));
    return clean;
}

// Starts the program, waits for its painted window, closes it; the seconds to painted, or -1.
double TimeOneStart(const std::string& exe) {
    const std::string folder = ExtractFileFolder(exe);
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const auto start = TClock::now();
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info))
        return -1;
    UniqueHandle process(info.hProcess), thread(info.hThread);
    double seconds = -1;
    HWND window = nullptr;
    for (;;) {
        if (WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0 || Seconds(start) > 20) break;
        if (WaitForInputIdle(process.Get(), 1) == 0 && (window = VisibleWindowOf(info.dwProcessId)) &&
            NothingLeftToPaint(window)) {
            seconds = Seconds(start);
            break;
        }
        Sleep(1);
    }
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.Get(), 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), 5000);
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    InitAppFolder();
    const std::string minimal = AppFolder + "startup_minimal_window.exe";
    std::vector<std::string> viewers;
    for (int i = 1; i < argc; ++i) viewers.push_back(argv[i]);
    if (viewers.empty()) viewers.push_back(AppFolder + "SonpixViewer.exe");

    // Not targets, findings: the part of the start-up that the required libraries alone take (the
    // minimal window built with WITH_VIEWER_LIBRARIES), and the viewer's windows made with bare
    // calls (startup_window_tree), which no viewer with those windows can beat.
    const std::string libraries = AppFolder + "startup_libraries_window.exe";
    const std::string windowTree = AppFolder + "startup_window_tree.exe";
    std::vector<double> minimalTimes, librariesTimes, windowTreeTimes;
    std::vector<std::vector<double>> viewerTimes(viewers.size());
    TimeOneStart(minimal);  // the first start of all loads the system's files from disk: not counted
    for (int run = 0; run < kStarts; ++run) {
        minimalTimes.push_back(TimeOneStart(minimal));
        librariesTimes.push_back(TimeOneStart(libraries));
        windowTreeTimes.push_back(TimeOneStart(windowTree));
        for (size_t v = 0; v < viewers.size(); ++v) viewerTimes[v].push_back(TimeOneStart(viewers[v]));
    }
    const auto failures = [](const std::vector<double>& times) {
        int failed = 0;
        for (double t : times) failed += t < 0;
        return failed;
    };
    const double floor = Median(minimalTimes);
    std::printf("to a painted window, median of %d starts, alternated\n", kStarts);
    std::printf("%-40s %8.1f ms%s\n", "minimal window", floor * 1000,
                failures(minimalTimes) ? " (some starts failed)" : "");
    const double withLibraries = Median(librariesTimes);
    std::printf("%-40s %8.1f ms  ratio %.2f%s\n", "minimal window + comctl32 and shell32", withLibraries * 1000,
                withLibraries / floor, failures(librariesTimes) ? " (some starts failed)" : "");
    const double bareTree = Median(windowTreeTimes);
    std::printf("%-40s %8.1f ms  ratio %.2f%s\n", "the viewer's windows, bare calls", bareTree * 1000,
                bareTree / floor, failures(windowTreeTimes) ? " (some starts failed)" : "");
    bool within = failures(minimalTimes) == 0;
    for (size_t v = 0; v < viewers.size(); ++v) {
        const double t = Median(viewerTimes[v]);
        std::printf("%-40s %8.1f ms  ratio %.2f%s\n", viewers[v].c_str(), t * 1000, t / floor,
                    failures(viewerTimes[v]) ? " (some starts failed)" : "");
        within = within && failures(viewerTimes[v]) == 0 && t / floor <= 1.5;
    }
    std::printf("target: ratio at most 1.50: %s\n", within ? "met" : "NOT met");
    return 0;
}
