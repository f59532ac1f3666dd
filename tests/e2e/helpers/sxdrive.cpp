// sxdrive: drives a running SonpixViewer from shell scripts: finds windows and controls, reads
// their texts, bounds and states, reads and answers message boxes. One command per call; prints
// its answer on standard output (texts in the ANSI code page) and ends with 0, or 1 on failure.
//
//   sxdrive wait-window CLASS [TITLE-PREFIX [TIMEOUT-MS]]   top-level window, printed as hex
//   sxdrive control WINDOW ID                               descendant with this GWLP_ID
//   sxdrive text WINDOW                                     WM_GETTEXT
//   sxdrive items LISTBOX                                   one item per line
//   sxdrive bounds WINDOW                                   "left top width height" in the parent
//   sxdrive state WINDOW                                    "enabled|disabled visible|hidden checked|unchecked"
//   sxdrive wait-box [TIMEOUT-MS]                           the first visible message box
//   sxdrive box BOX                                         caption, text, icon, button ids
//   sxdrive press BOX ID                                    presses the button (1 = OK)
//   sxdrive close WINDOW                                    posts WM_CLOSE
//
// The helpers of the black-box test library are compiled into this one program, so that shell
// scripts and the GoogleTest suite read windows in exactly the same way.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/win/e2e/Deadline.cpp"
#include "tests/win/e2e/MessageBoxProbe.cpp"
#include "tests/win/e2e/WindowProbe.cpp"

namespace {
HWND ParseWindow(const char* text) { return reinterpret_cast<HWND>(std::strtoull(text, nullptr, 16)); }

void PrintWindow(HWND window) { std::printf("%llx\n", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window))); }

struct TClassSearch {
    std::string className, titlePrefix;
    HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TClassSearch*>(param);
    if (ClassNameOf(window) != search->className) return TRUE;
    if (TitleOf(window).rfind(search->titlePrefix, 0) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

HWND AnyMessageBox() {
    HWND found = nullptr;
    for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT))
        if (ClassNameOf(w) == "#32770" && IsWindowVisible(w)) found = w;
    return found;
}

int Usage() {
    std::fprintf(stderr, "usage: sxdrive wait-window|control|text|items|bounds|state|wait-box|box|press|close ...\n");
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string command = argv[1];
    auto arg = [&](int i) -> const char* { return i < argc ? argv[i] : nullptr; };

    if (command == "wait-window" && arg(2)) {
        TClassSearch search{arg(2), arg(3) ? arg(3) : "", nullptr};
        const int timeout = arg(4) ? std::atoi(arg(4)) : kWindowTimeoutMs;
        WaitUntil(
            [&] {
                search.found = nullptr;
                EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
                return search.found != nullptr;
            },
            timeout);
        if (!search.found) return 1;
        PrintWindow(search.found);
        return 0;
    }
    if (command == "control" && arg(3)) {
        HWND control = FindControl(ParseWindow(arg(2)), std::atoi(arg(3)));
        if (!control) return 1;
        PrintWindow(control);
        return 0;
    }
    if (command == "text" && arg(2)) {
        std::printf("%s\n", TextOf(ParseWindow(arg(2))).c_str());
        return 0;
    }
    if (command == "items" && arg(2)) {
        for (const std::string& item : ListBoxItems(ParseWindow(arg(2)))) std::printf("%s\n", item.c_str());
        return 0;
    }
    if (command == "bounds" && arg(2)) {
        const TBounds b = BoundsInParent(ParseWindow(arg(2)));
        std::printf("%d %d %d %d\n", b.left, b.top, b.width, b.height);
        return 0;
    }
    if (command == "state" && arg(2)) {
        HWND window = ParseWindow(arg(2));
        if (!IsWindow(window)) return 1;
        std::printf("%s %s %s\n", IsWindowEnabled(window) ? "enabled" : "disabled",
                    IsWindowVisible(window) ? "visible" : "hidden", IsChecked(window) ? "checked" : "unchecked");
        return 0;
    }
    if (command == "wait-box") {
        HWND box = nullptr;
        WaitUntil([&] { return (box = AnyMessageBox()) != nullptr; }, arg(2) ? std::atoi(arg(2)) : kWindowTimeoutMs);
        if (!box) return 1;
        PrintWindow(box);
        return 0;
    }
    if (command == "box" && arg(2)) {
        const TMessageBoxView view = ReadMessageBox(ParseWindow(arg(2)));
        std::printf("caption: %s\ntext: %s\nicon: %s\nbuttons:", view.caption.c_str(), view.text.c_str(),
                    view.hasIcon ? "yes" : "no");
        for (int id : view.buttons) std::printf(" %d", id);
        std::printf("\n");
        return 0;
    }
    if (command == "press" && arg(3)) return PressMessageBoxButton(ParseWindow(arg(2)), std::atoi(arg(3))) ? 0 : 1;
    if (command == "close" && arg(2)) return PostMessageA(ParseWindow(arg(2)), WM_CLOSE, 0, 0) ? 0 : 1;
    return Usage();
}
