// What a start-up without a sound loads: the media library waits for the first sound.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <string>
#include <vector>

#include "sys/UniqueHandle.h"
#include "sys/mystr.h"
#include "tests/win/e2e/ViewerTest.h"

namespace {
class TStartupLibrariesTest : public TViewerTest {};

// The upper-case file names of the modules loaded in a process; empty when they cannot be read.
std::vector<std::string> LoadedModules(DWORD processId) {
    UniqueHandle process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
    HMODULE modules[512];
    DWORD bytes = 0;
    std::vector<std::string> names;
    if (!process.Valid() || !EnumProcessModules(process.Get(), modules, sizeof modules, &bytes)) return names;
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
        char name[MAX_PATH] = "";
        if (GetModuleBaseNameA(process.Get(), modules[i], name, sizeof name)) names.push_back(UpperCaseCyr(name));
    }
    return names;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& n : names)
        if (n == name) return true;
    return false;
}
}  // namespace

TEST_F(TStartupLibrariesTest, MediaLibraryIsNotLoadedBeforeTheFirstSound) {
    HWND main = StartAndWaitForMainWindow("");
    ASSERT_NE(main, nullptr);
    const std::vector<std::string> modules = LoadedModules(Viewer().Id());
    ASSERT_TRUE(Contains(modules, "USER32.DLL")) << "the module list of the viewer cannot be read";
    EXPECT_FALSE(Contains(modules, "WINMM.DLL"));
    EXPECT_FALSE(Contains(modules, "MSIMG32.DLL"));
}
