// Reading the windows of another process: enumeration, bounds, texts and states.
#include "tests/win/e2e/WindowProbe.h"

#include <cstdio>

namespace {
// Answers from another process must come back in bounded time, also when it hangs.
constexpr UINT kSendTimeoutMs = 5000;

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* ok = nullptr) {
    DWORD_PTR result = 0;
    const LRESULT sent = SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                             kSendTimeoutMs, &result);
    if (ok) *ok = sent != 0;
    return static_cast<LRESULT>(result);
}

struct TTopLevelSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TTopLevelSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    TTopLevelSearch search{processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevelWindow(DWORD processId, const std::string& className) {
    for (HWND window : TopLevelWindowsOf(processId))
        if (ClassNameOf(window) == className) return window;
    return nullptr;
}

std::string ClassNameOf(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

std::string TextOf(HWND window) {
    bool ok = false;
    const LRESULT length = SendBounded(window, WM_GETTEXTLENGTH, 0, 0, &ok);
    if (!ok || length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), &ok);
    if (!ok || copied < 0) return {};
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string TitleOf(HWND window) {
    char title[1024] = {};
    // For a window of another process GetWindowTextA reads the stored title and sends nothing.
    const int length = GetWindowTextA(window, title, sizeof title);
    return std::string(title, length > 0 ? length : 0);
}

std::vector<std::string> ListBoxItems(HWND listBox) {
    std::vector<std::string> items;
    bool ok = false;
    const LRESULT count = SendBounded(listBox, LB_GETCOUNT, 0, 0, &ok);
    if (!ok || count <= 0) return items;
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendBounded(listBox, LB_GETTEXTLEN, i, 0);
        if (length < 0) break;
        // Wine marshals LB_GETTEXT across processes as UTF-16 whatever the caller's character set,
        // so the item is read wide and turned into the ANSI code page here.
        std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
        DWORD_PTR copied = 0;
        if (!SendMessageTimeoutW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&wide[0]),
                                 SMTO_ABORTIFHUNG | SMTO_BLOCK, kSendTimeoutMs, &copied))
            break;
        wide.resize(static_cast<LRESULT>(copied) >= 0 ? copied : 0);
        std::string narrow;
        if (!wide.empty()) {
            const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                                 nullptr, nullptr);
            narrow.resize(size);
            WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &narrow[0], size, nullptr,
                                nullptr);
        }
        items.push_back(narrow);
    }
    return items;
}

int ListBoxSelection(HWND listBox) { return static_cast<int>(SendBounded(listBox, LB_GETCURSEL, 0, 0)); }

bool IsChecked(HWND button) { return SendBounded(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool HasVisibleStyle(HWND window) { return (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

std::string DescribeTopLevelWindows(DWORD processId) {
    std::string lines;
    for (HWND window : TopLevelWindowsOf(processId)) {
        char line[512];
        std::snprintf(line, sizeof line, "  %p class \"%s\" title \"%s\" %s owner %p\n", static_cast<void*>(window),
                      ClassNameOf(window).c_str(), TitleOf(window).c_str(),
                      IsWindowVisible(window) ? "visible" : "hidden", static_cast<void*>(GetWindow(window, GW_OWNER)));
        lines += line;
        // The text of a dialog is what a user would read in it.
        if (ClassNameOf(window) == "#32770")
            for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                if (!TextOf(child).empty()) lines += "    \"" + TextOf(child) + "\"\n";
    }
    return lines.empty() ? "  (no windows)\n" : lines;
}

HWND FocusOfThreadOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!GetGUIThreadInfo(thread, &info)) return nullptr;
    return info.hwndFocus;
}
