// Window bounds for tests and the main window's layout table.
#include "tests/support/WindowLayout.h"

#include <cstdio>
#include <vector>

#include "app/ControlIds.h"

namespace {
struct TChildSearch {
    int id;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectById(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TChildSearch*>(param);
    if (static_cast<int>(GetWindowLongPtrA(window, GWLP_ID)) == search->id) search->found.push_back(window);
    return TRUE;
}

std::vector<HWND> ControlsWithId(HWND parent, int id) {
    TChildSearch search{id, {}};
    if (parent) EnumChildWindows(parent, CollectById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}
}  // namespace

HWND FindControl(HWND parent, int id) {
    const std::vector<HWND> found = ControlsWithId(parent, id);
    return found.empty() ? nullptr : found.front();
}

int CountControls(HWND parent, int id) { return static_cast<int>(ControlsWithId(parent, id).size()); }

const TControlPlace kMainWindowPlaces[13] = {
    {"DirectoryEdit1", idDirectoryEdit1, 0, {8, 0, 209, 21}, {8, 0, 209, 21}},
    {"ListBox1", idListBox1, 0, {8, 24, 209, 329}, {8, 24, 209, 540}},
    {"Image1", idImage1, 0, {224, 0, 400, 300}, {224, 0, 680, 500}},
    {"GroupBox1", idGroupBox1, 0, {224, 304, 401, 113}, {360, 512, 401, 113}},
    {"StaticText1", idStaticText1, idGroupBox1, {8, 24, 11, 17}, {8, 24, 11, 17}},
    {"GroupBox2", idGroupBox2, idGroupBox1, {8, 40, 289, 65}, {8, 40, 289, 65}},
    {"Image2", idImage2, idGroupBox2, {0, 8, 289, 57}, {0, 8, 289, 57}},
    {"Button1", idButton1, idGroupBox1, {336, 80, 51, 25}, {336, 80, 51, 25}},
    {"SpeedButton2", idSpeedButton2, 0, {8, 360, 23, 22}, {8, 580, 23, 22}},
    {"SpeedButton3", idSpeedButton3, 0, {32, 360, 23, 22}, {32, 580, 23, 22}},
    {"SpeedButton4", idSpeedButton4, 0, {64, 360, 23, 22}, {64, 580, 23, 22}},
    {"SpeedButton1", idSpeedButton1, 0, {96, 360, 121, 25}, {96, 580, 121, 25}},
    {"CheckBox1", idCheckBox1, 0, {8, 392, 161, 17}, {8, 610, 161, 17}},
};
const TBounds kMainWindowNarrow{15, 45, 642, 450};
const TBounds kMainWindowWide{15, 45, 940, 660};

std::string ToString(const TBounds& b) {
    char text[96];
    std::snprintf(text, sizeof text, "%d, %d, %d x %d", b.left, b.top, b.width, b.height);
    return text;
}

std::string ToString(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::string WindowText(HWND window) {
    const int length = static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int read = static_cast<int>(SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
    return std::string(buffer.data(), read > 0 ? read : 0);
}

TBounds BoundsInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    // A child's position is relative to its parent's client area; a top-level window's to the screen.
    HWND parent = (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

TBounds ScreenBounds(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}
