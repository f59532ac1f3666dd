// CountViewerInstances: a walk over the top-level windows comparing upper-cased titles.
#include "app/ViewerInstances.h"

#include <string>

#include "sys/mystr.h"
#include "ui/Application.h"

namespace {
const int kTitleBuffer = 128;
}  // namespace

int CountViewerInstances(HWND ownApplicationWindow, const std::string& viewerTitle) {
    const std::string wanted = UpperCaseCyr(viewerTitle);
    int count = 0;
    // The first window at the level of the top-level windows, then along the Z order.
    HWND window = GetWindow(GetDesktopWindow(), GW_CHILD);
    for (; window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (window == ownApplicationWindow || GetWindow(window, GW_OWNER)) continue;
        char title[kTitleBuffer];
        const int length = GetWindowTextA(window, title, kTitleBuffer);
        if (length <= 0) continue;
        if (UpperCaseCyr(std::string(title, static_cast<size_t>(length))) == wanted) ++count;
    }
    return count;
}

int CountViewerInstances() {
    if (!Application) return 0;
    return CountViewerInstances(Application->Handle(), Application->Title());
}
