// CountViewerInstances: a walk over the top-level windows comparing upper-cased titles.
#include "app/ViewerInstances.h"

#include <string>

#include "sys/mystr.h"
#include "ui/Application.h"

namespace {
const int kTitleBuffer = 128;
const char kViewerTitle[] = "SONPIXVIEWER";
}  // namespace

int CountViewerInstances(HWND ownApplicationWindow) {
    int count = 0;
    // The first window at the level of the top-level windows, then along the Z order.
    HWND window = GetWindow(GetDesktopWindow(), GW_CHILD);
    for (; window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == ownApplicationWindow || GetWindow(window, GW_OWNER)) continue;
        char title[kTitleBuffer];
        const int length = GetWindowTextA(window, title, kTitleBuffer);
        if (length <= 0) continue;
        if (UpperCaseCyr(std::string(title, static_cast<size_t>(length))) == kViewerTitle) ++count;
    }
    return count;
}

int CountViewerInstances() { return CountViewerInstances(Application ? Application->Handle() : nullptr); }
