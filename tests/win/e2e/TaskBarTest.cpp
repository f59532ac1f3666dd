// The task bar under Wine's default (managed) windows: what the X windows of a running viewer
// tell a desktop, read back with xdotool and xprop.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/TestFiles.h"
#include "tests/win/e2e/UnixCommand.h"
#include "tests/win/e2e/ViewerTest.h"

namespace {

const char kX11Key[] = "Software\\Wine\\X11 Driver";

// Gives the copies started meanwhile Wine's default window management, and the tests' setting back.
class TManagedWindows {
public:
    TManagedWindows() { SetManaged("Y"); }
    ~TManagedWindows() { SetManaged("N"); }

private:
    static void SetManaged(const char* value) {
        HKEY key;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, kX11Key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), 2);
        RegCloseKey(key);
    }
};

// One line per mapped X window of the display: its name and window-manager state, as xprop prints them.
std::vector<std::string> MappedWindowStates() {
    const std::string out = NewHostTempPath("windows.txt");
    RunUnixCommand("for w in $(xdotool search --onlyvisible --name .); do xprop -id $w _NET_WM_NAME _NET_WM_STATE"
                   " | tr '\\n' ' '; echo; done > '" + out + "'");
    const auto bytes = ReadBytesFile(HostPathOnZ(out));
    std::vector<std::string> lines;
    if (!bytes) return lines;
    std::istringstream text(std::string(bytes->begin(), bytes->end()));
    for (std::string line; std::getline(text, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

using TTaskBarTest = TViewerTest;

TEST_F(TTaskBarTest, TheViewerHasExactlyOneTaskBarEntryNamedAfterTheProgram) {
    TManagedWindows managed;
    HWND main = StartAndWaitForMainWindow("");
    ASSERT_NE(main, nullptr);
    std::vector<std::string> entries;
    std::string all;
    for (const std::string& line : MappedWindowStates()) {
        all += line + "\n";
        if (line.find("_NET_WM_STATE_SKIP_TASKBAR") == std::string::npos) entries.push_back(line);
    }
    ASSERT_EQ(entries.size(), 1u) << all;
    EXPECT_NE(entries[0].find("\"Sonpixviewer\""), std::string::npos) << all;
}

}  // namespace
