// Gives the real viewer the hostile corpus, one selection after another in one process, and counts
// what happens: error boxes (dismissed), crashes, selections that do not return (hangs), time per
// file and the process's memory. Faults that Wine catches inside a window procedure are counted
// from its seh warnings by the calling script.
//   hostile_corpus.exe [COUNT|all]     (default 200 files)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/ControlIds.h"
#include "tests/e2e/corpus/CorpusStep.h"
#include "tests/support/HostileCorpus.h"
#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/ScratchFolder.h"
#include "tests/win/e2e/ViewerProcess.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {

struct TOutcome {
    std::size_t index;
    double ms = 0;
    int boxes = 0;
    std::string boxText;
    bool crashed = false, hung = false;
};

// A running viewer with its main window and list.
struct TSession {
    std::unique_ptr<TViewerProcess> viewer;
    HWND main = nullptr, list = nullptr;
};

bool StartSession(TSession& session, const std::string& exe, const std::string& folder, std::size_t files) {
    TLaunch launch;
    launch.exePath = exe;
    launch.workFolder = folder;
    session.viewer = std::make_unique<TViewerProcess>(TViewerProcess::Start(launch));
    if (!session.viewer->Started()) {
        std::printf("cannot start the viewer: %s\n", session.viewer->Error().c_str());
        return false;
    }
    session.main = session.viewer->WaitForVisibleMainWindow(kWindowTimeoutMs);
    session.list = session.main ? FindControl(session.main, idListBox1) : nullptr;
    if (!session.list) {
        std::printf("the viewer's main window or list did not appear\n");
        return false;
    }
    const bool listed = WaitUntil([&] { return ListBoxItems(session.list).size() == files; }, kWindowTimeoutMs, 100);
    if (!listed) std::printf("the list holds %zu entries, not %zu\n", ListBoxItems(session.list).size(), files);
    return listed;
}

std::size_t MemoryOf(const TViewerProcess& viewer) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, viewer.Id());
    if (!process) return 0;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    const BOOL ok = GetProcessMemoryInfo(process, &counters, sizeof counters);
    CloseHandle(process);
    return ok ? counters.PagefileUsage : 0;
}

// Dismisses the boxes of the viewer while `done` is not set; counts them and keeps the first text.
void AnswerBoxes(const TViewerProcess& viewer, const std::atomic<bool>& done, TOutcome& outcome, DWORD limitMs) {
    const DWORD start = GetTickCount();
    while (!done && GetTickCount() - start < limitMs && viewer.Running()) {
        if (HWND box = FindMessageBox(viewer.Id())) {
            const TMessageBoxView view = ReadMessageBox(box);
            if (outcome.boxes++ == 0) outcome.boxText = view.text;
            PressMessageBoxButton(box, IDOK);
            WaitUntil([&] { return !IsWindow(box); }, 2000, 5);
        }
        Sleep(5);
    }
}

// Selects entry index as a click would: the list's selection moves, then the list's change
// notice goes to the main window, which handles the whole selection before the call returns.
TOutcome Select(TSession& session, std::size_t index) {
    TOutcome outcome;
    outcome.index = index;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(session.list, LB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    const TStepResult step = SendStep(
        *session.viewer, session.main, WM_COMMAND, MAKEWPARAM(idListBox1, LBN_SELCHANGE),
        reinterpret_cast<LPARAM>(session.list), session.main, [&](const std::atomic<bool>& done, DWORD limitMs, bool counted) {
            TOutcome later;
            AnswerBoxes(*session.viewer, done, counted ? outcome : later, limitMs);
        });
    outcome.ms = step.ms;
    outcome.crashed = step.crashed;
    outcome.hung = step.hung;
    return outcome;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<TCorpusFile> all = MakeHostileCorpus();
    const std::string wanted = argc > 1 ? argv[1] : "200";
    const std::vector<TCorpusFile> files = wanted == "all" ? all : PickCorpusFiles(all, std::stoul(wanted));
    std::size_t essentials = 0;
    for (const TCorpusFile& f : files) essentials += f.essential ? 1 : 0;
    std::printf("corpus: %zu files of %zu (%zu known crash, hang or slow cases)\n", files.size(), all.size(), essentials);

    TScratchFolder folder("hostile");
    std::vector<std::string> names;
    for (std::size_t i = 0; i < files.size(); ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "h%05zu", i);
        names.push_back(name);
        if (!WriteBytesFile(folder / (std::string(name) + ".sonpix"), files[i].bytes)) {
            std::printf("cannot write %s\n", name);
            return 2;
        }
    }
    // The viewer lists its own folder when started without a file.
    const std::string exe = folder / "SonpixViewer.exe";
    if (!CopyViewerTo(exe)) {
        std::printf("cannot copy the viewer from %s\n", ViewerExePath().c_str());
        return 2;
    }

    TSession session;
    if (!StartSession(session, exe, folder.Path(), files.size())) return 2;
    std::vector<TOutcome> outcomes;
    std::size_t memoryAt100 = 0, memoryPeak = 0;
    int restarts = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        TOutcome outcome = Select(session, i);
        if (outcome.crashed || outcome.hung)
            std::printf("%s %s: %s\n", outcome.crashed ? "CRASH" : "HANG", names[i].c_str(), files[i].kind.c_str());
        outcomes.push_back(outcome);
        if (!session.viewer->Running()) {
            ++restarts;
            if (!StartSession(session, exe, folder.Path(), files.size())) return 2;
            continue;
        }
        const std::size_t memory = MemoryOf(*session.viewer);
        memoryPeak = std::max(memoryPeak, memory);
        if (i == 100) memoryAt100 = memory;
    }
    const std::size_t memoryEnd = MemoryOf(*session.viewer);
    session.viewer->CloseAndWait(kExitTimeoutMs);

    int crashes = 0, hangs = 0, boxes = 0, doubleBoxes = 0, slow = 0;
    double total = 0;
    std::map<std::string, int> texts;
    for (const TOutcome& o : outcomes) {
        crashes += o.crashed;
        hangs += o.hung;
        boxes += o.boxes > 0;
        doubleBoxes += o.boxes > 1;
        slow += o.ms > 2000;
        total += o.ms;
        if (o.boxes) ++texts[o.boxText.substr(0, 70)];
    }
    std::vector<TOutcome> slowest = outcomes;
    std::sort(slowest.begin(), slowest.end(), [](const TOutcome& a, const TOutcome& b) { return a.ms > b.ms; });
    std::vector<double> times;
    for (const TOutcome& o : outcomes) times.push_back(o.ms);
    std::sort(times.begin(), times.end());
    std::printf("\nselections %zu, error boxes %d (selections with more than one: %d), crashes %d, hangs %d, viewer restarts %d\n",
                outcomes.size(), boxes, doubleBoxes, crashes, hangs, restarts);
    std::printf("time per selection: mean %.0f ms, median %.0f ms, 95th percentile %.0f ms, max %.0f ms; over 2 s: %d\n",
                total / outcomes.size(), times[times.size() / 2], times[times.size() * 95 / 100], times.back(), slow);
    std::printf("memory (pagefile usage): after selection 100 %.1f MB, peak %.1f MB, at the end %.1f MB\n",
                memoryAt100 / 1048576.0, memoryPeak / 1048576.0, memoryEnd / 1048576.0);
    std::printf("slowest:\n");
    for (std::size_t i = 0; i < std::min<std::size_t>(8, slowest.size()); ++i)
        std::printf("  %6.0f ms  %s  %s\n", slowest[i].ms, names[slowest[i].index].c_str(), files[slowest[i].index].kind.c_str());
    std::printf("box texts:\n");
    std::vector<std::pair<int, std::string>> byCount;
    for (const auto& [text, count] : texts) byCount.push_back({count, text});
    std::sort(byCount.rbegin(), byCount.rend());
    for (std::size_t i = 0; i < std::min<std::size_t>(12, byCount.size()); ++i)
        std::printf("  %5d  %s\n", byCount[i].first, byCount[i].second.c_str());
    std::fflush(stdout);
    return crashes == 0 && hangs == 0 && doubleBoxes == 0 ? 0 : 1;
}
