// Windows as tests read them (bounds, texts), and the main window's layout table shared by the
// in-process and the black-box layout tests.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct TBounds {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const TBounds& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};
std::string ToString(const TBounds& b);
// A rectangle as "left,top,right,bottom".
std::string ToString(const RECT& r);
// The text of a window of this process, whatever its length.
std::string WindowText(HWND window);
// Outer bounds relative to the client area of the window's parent (the screen for a top-level window).
TBounds BoundsInParent(HWND window);
// Outer bounds on the screen.
TBounds ScreenBounds(HWND window);

// The descendant of parent whose GWLP_ID is id; null when there is none.
HWND FindControl(HWND parent, int id);
// How many descendants of parent carry this id.
int CountControls(HWND parent, int id);

// Where a control of the main window stands, on a narrow screen and on one at least 1024 wide.
struct TControlPlace {
    const char* name;
    int id;
    int parentId;  // 0: the main window itself
    TBounds narrow;
    TBounds wide;
};
// Every control a user sees, by its identifier, in the order the window makes them.
extern const TControlPlace kMainWindowPlaces[13];
// The main window's own outer bounds on the screen.
extern const TBounds kMainWindowNarrow;
extern const TBounds kMainWindowWide;
