// Benchmark: opening the folder browse dialog on a folder of 5,000 sub-folders until it is
// painted, beside a bare FindFirstFileA loop that puts the same names into a sorted list box.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/common/BenchApplication.h"
#include "bench/common/BenchCommon.h"
#include "controls/SelectFolderDialog.h"
#include "sys/FileSearch.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestFolder.h"
#include "ui/Application.h"

namespace {
const int kFolders = 5000;
const int kRounds = 5;

// The parts of one opening: building the window, reading the folder, painting.
std::vector<double> g_build, g_read, g_paint;

double OpenDialog(const std::string& folder) {
    const auto start = TClock::now();
    TSelectFolderDialog dialog(Application);
    const double built = Seconds(start);
    dialog.OpenInitialFolder(folder);
    const double read = Seconds(start);
    dialog.Show();
    UpdateWindow(dialog.Handle());
    RedrawWindow(dialog.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double seconds = Seconds(start);
    g_build.push_back(built);
    g_read.push_back(read - built);
    g_paint.push_back(seconds - read);
    dialog.Hide();
    return seconds;
}

// The floor: one visible sorted list box, the same search, painted once at the end.
double BareListing(const std::string& folder) {
    const auto start = TClock::now();
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_POPUP | WS_VISIBLE | LBS_SORT | WS_VSCROLL, 100, 100,
                                213, 138, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    WIN32_FIND_DATAA found{};
    TFileSearch search(folder + "\\*.*", found);
    if (search.Found()) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && found.cFileName[0] != '.')
                SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(found.cFileName));
        } while (search.Next(found));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const double seconds = Seconds(start);
    DestroyWindow(list);
    return seconds;
}
}  // namespace

int main() {
    TApplication application;
    InitializeBenchApplication();
    TTestFolder root("folder_dialog_bench");
    const std::string folder = root.Make("many\\");
    std::printf("making %d sub-folders...\n", kFolders);
    for (int i = 0; i < kFolders; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "Folder %05d", (i * 7919) % kFolders);
        CreateDirectoryA((folder + name).c_str(), nullptr);
    }
    const std::string many = folder.substr(0, folder.size() - 1);
    std::vector<double> dialog, bare;
    OpenDialog(many);  // warm-up: file system caches, window classes
    BareListing(many);
    for (int round = 0; round < kRounds; ++round) {
        dialog.push_back(OpenDialog(many));
        bare.push_back(BareListing(many));
        DrainMessages();
    }
    const double dialogMedian = Median(dialog), bareMedian = Median(bare);
    std::printf("dialog opened and painted on %d sub-folders: %.1f ms (median of %d)\n", kFolders,
                dialogMedian * 1000, kRounds);
    std::printf("  of which building the window %.1f ms, reading the folder %.1f ms, painting %.1f ms\n",
                Median(g_build) * 1000, Median(g_read) * 1000, Median(g_paint) * 1000);
    std::printf("bare FindFirstFileA loop into a sorted list box: %.1f ms\n", bareMedian * 1000);
    std::printf("ratio: %.2fx (target <= 1.5x)\n", dialogMedian / bareMedian);
    SetCurrentDirectoryA("C:\\");
    return 0;
}
