// Benchmark: listing a folder of 10,000 Sonpix files, and one of 10 among 10,000 other files, in
// the real main window, beside a bare FindFirstFileA loop with sorted list-box inserts (redraw off).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "bench/common/BenchApplication.h"
#include "bench/common/BenchCommon.h"
#include "sys/FileSearch.h"
#include "sys/UniqueWindow.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestFolder.h"
#include "ui/Application.h"

namespace {

void MakeEmptyFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

// Names in no particular order, as a camera or a download folder has them.
std::string Name(int i) {
    char text[32];
    std::snprintf(text, sizeof text, "f%05d_%04x", (i * 7919) % 100000, (i * 2654435761u) >> 20);
    return text;
}

// The floor: the search itself and the names put into a visible sorted list box with its redraw
// off, then one repaint.
double BareListing(HWND list, const std::string& folder) {
    const auto start = TClock::now();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*.sonpix").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            name.erase(name.rfind('.'));
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    GdiFlush();
    return Seconds(start);
}

// The viewer: a change of the folder field's text lists the folder; then the list is painted.
double ViewerListing(const std::string& text) {
    const auto start = TClock::now();
    Form1->DirectoryEdit1->SetText(text);
    UpdateWindow(Form1->Handle());
    UpdateWindow(Form1->ListBox1->Handle());
    GdiFlush();
    return Seconds(start);
}

// The listing alone, as the change handler runs it, without the field's own text change.
double HandlerListing() {
    const auto start = TClock::now();
    Form1->DirectoryEdit1Change(Form1->DirectoryEdit1);
    UpdateWindow(Form1->ListBox1->Handle());
    GdiFlush();
    return Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 5;
    TTestFolder sonpixOnly("listing-bench-sonpix");
    TTestFolder mostlyOthers("listing-bench-others");
    std::printf("making 10,000 Sonpix files, and 10 among 10,000 other files...\n");
    for (int i = 0; i < 10000; ++i) MakeEmptyFile(sonpixOnly / (Name(i) + ".sonpix"));
    for (int i = 0; i < 10000; ++i) MakeEmptyFile(mostlyOthers / (Name(i) + (i % 2 ? ".jpg" : ".txt")));
    for (int i = 0; i < 10; ++i) MakeEmptyFile(mostlyOthers / (Name(20000 + i) + ".sonpix"));

    TApplication application;
    InitializeBenchApplication();
    Application->CreateForm(Form1);
    Form1->Show();
    PumpMessagesFor(300);

    // A window of the main window's size beside it, holding a list box of ListBox1's size and style.
    UniqueWindow host(CreateWindowExA(0, "STATIC", "bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 45, 300, 700,
                                      nullptr, nullptr, nullptr, nullptr));
    UniqueWindow list(CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_SORT | LBS_HASSTRINGS |
                                          LBS_NOINTEGRALHEIGHT,
                                      8, 24, 209, Form1->ListBox1->Height(), host.Get(), nullptr, nullptr, nullptr));
    SendMessageA(list.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(Form1->ListBox1->Font().Handle()), FALSE);
    PumpMessagesFor(100);

    struct TCase {
        const char* name;
        std::string folder;
    } cases[] = {{"10,000 Sonpix files          ", sonpixOnly.Path()},
                 {"10 among 10,000 other files  ", mostlyOthers.Path()}};
    bool within = true;
    for (const TCase& c : cases) {
        std::vector<double> bare, viewer, handler;
        for (int run = 0; run < runs; ++run) {
            bare.push_back(BareListing(list.Get(), c.folder));
            // With and without the trailing backslash in turn: each is a change, each lists anew.
            viewer.push_back(ViewerListing(run % 2 ? c.folder : c.folder.substr(0, c.folder.size() - 1)));
            PumpMessagesFor(20);
            handler.push_back(HandlerListing());
            PumpMessagesFor(20);
        }
        const double b = Median(bare), v = Median(viewer), h = Median(handler);
        std::printf("%s entries %5d: bare search + sorted inserts %8.1f ms; folder field changed %8.1f ms, "
                    "ratio %.2f; change handler alone %8.1f ms, ratio %.2f (medians of %d)\n",
                    c.name, Form1->ListBox1->ItemCount(), b * 1000, v * 1000, v / b, h * 1000, h / b, runs);
        within = within && v / b <= 1.5;
    }
    std::printf("target: ratio at most 1.50 in both folders: %s\n", within ? "met" : "NOT met");
    Form1->DirectoryEdit1->SetText("");
    Form1->Close();
    PumpMessagesFor(100);
    return 0;
}
