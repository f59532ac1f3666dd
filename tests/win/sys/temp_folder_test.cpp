// Temporary folder, folder creation and the program's folder on the real file system.
#include <gtest/gtest.h>
#include <windows.h>

#include "sys/PathText.h"
#include "sys/mysys.h"
#include "tests/support/TestFolder.h"

namespace {

// Sets an environment variable for the test's lifetime and restores it afterwards.
class TScopedEnvironment {
public:
    TScopedEnvironment(const char* name, const std::string& value) : m_name(name) {
        char buffer[32768];
        const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
        m_had = length > 0 && length < sizeof buffer;
        if (m_had) m_old.assign(buffer, length);
        SetEnvironmentVariableA(name, value.c_str());
    }
    ~TScopedEnvironment() { SetEnvironmentVariableA(m_name, m_had ? m_old.c_str() : nullptr); }

private:
    const char* m_name;
    bool m_had = false;
    std::string m_old;
};

TEST(GetTempFolder, IsThePlatformsTemporaryPathWithOneBackslash) {
    char buffer[1024];
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(GetTempFolder(), WithTrailingBackslash(std::string(buffer, length)));
    EXPECT_EQ(GetSystemTempPath(), std::string(buffer, length));
}

TEST(GetTempFolder, FollowsTheEnvironmentAtEveryCall) {
    TTestFolder folder("env");
    TScopedEnvironment tmp("TMP", StripTrailingBackslashes(folder.Path()));
    TScopedEnvironment temp("TEMP", StripTrailingBackslashes(folder.Path()));
    EXPECT_EQ(GetTempFolder(), folder.Path());
}

TEST(GetTempFolder, FallsBackToCTmpAndCreatesItWhenThePlatformGivesNoUsablePath) {
    // A temporary path longer than the 1024-character buffer is reported as a length, not a path.
    const std::string tooLong = "C:\\" + std::string(1100, 'x');
    TScopedEnvironment tmp("TMP", tooLong);
    TScopedEnvironment temp("TEMP", tooLong);
    TScopedEnvironment profile("USERPROFILE", tooLong);
    EXPECT_EQ(GetSystemTempPath(), "");
    RemoveDirectoryA("C:\\TMP");  // only succeeds when it is empty; the fallback must recreate it
    const bool wasThere = FolderExists("C:\\TMP");
    EXPECT_EQ(GetTempFolder(), "C:\\TMP\\");
    EXPECT_TRUE(FolderExists("C:\\TMP"));
    if (!wasThere) RemoveDirectoryA("C:\\TMP");
}

TEST(ForceFolderPath, CreatesEveryFolderAlongThePath) {
    TTestFolder root("force");
    const std::string deep = root / "X\\Y\\Z";
    EXPECT_TRUE(ForceFolderPath(deep));
    EXPECT_TRUE(FolderExists(root / "X"));
    EXPECT_TRUE(FolderExists(root / "X\\Y"));
    EXPECT_TRUE(FolderExists(deep));
    EXPECT_TRUE(ForceFolderPath(deep + "\\"));  // already there: still yes
}

TEST(ForceFolderPath, FailsForEmptyRootOnlyAndUnreachablePaths) {
    EXPECT_FALSE(ForceFolderPath(""));
    EXPECT_FALSE(ForceFolderPath("\\"));
    EXPECT_FALSE(ForceFolderPath("\\\\server\\share\\folder"));
    TTestFolder root("blocked");
    // A file where a folder should be stops the creation; the folders before it stay.
    HANDLE file = CreateFileA((root / "A").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_FALSE(ForceFolderPath(root / "A\\B"));
    EXPECT_TRUE(FolderExists(root.Path()));
    // Each test sees only its own kind: the viewer must never take a folder for a file it wrote.
    EXPECT_TRUE(FileExists(root / "A"));
    EXPECT_FALSE(FileExists(root.Path())) << "a folder counted as a file";
    EXPECT_FALSE(FolderExists(root / "A")) << "a file counted as a folder";
}

TEST(InitAppFolder, IsTheFolderOfTheRunningProgramWithOneBackslash) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    InitAppFolder();
    const std::string expected = std::string(path).substr(0, std::string(path).find_last_of('\\') + 1);
    EXPECT_EQ(AppFolder, expected);
}

}  // namespace
