// Starting programs the shell way and the waiting way: results, exit codes, the show state the
// started program gets, and a path with blanks that must not start the decoy its first word names.
#include <gtest/gtest.h>

#include <windows.h>

#include "sys/PathText.h"
#include "sys/ProgramLaunch.h"
#include "sys/mysys.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"

namespace {

// A helper program built beside this test program.
std::string BuiltProgram(const std::string& name) { return ExtractFilePath(ProgramFilePath()) + name + ".exe"; }

// Copies a helper program to path (the folders on the way are made by TTestFolder::Make).
void Plant(const std::string& name, const std::string& path) {
    ASSERT_TRUE(CopyFileA(BuiltProgram(name).c_str(), path.c_str(), FALSE)) << path << " error " << GetLastError();
}

// The show state a launch_show_state run wrote into its file; -1 when it wrote none in time.
int ReportedState(const std::string& file) {
    // The program runs apart from this one: its file is looked for every few milliseconds.
    for (ULONGLONG deadline = GetTickCount64() + 15000; GetTickCount64() < deadline; Sleep(20)) {
        const std::optional<TBytes> bytes = ReadBytesFile(file);
        if (bytes && bytes->size() == 1) return (*bytes)[0] - '0';
    }
    return -1;
}

TEST(LaunchProgram, WaitingForAProgramKeepsItsExitCode) {
    TTestFolder folder("launch");
    Plant("launch_exit3", folder / "exit3.exe");
    LastExitCode = 12345;
    EXPECT_TRUE(LaunchProgram(folder / "exit3.exe", "", "", true, 0));
    EXPECT_EQ(LastExitCode, 3u);
}

TEST(LaunchProgram, AMissingProgramGivesNoAndStartsNothing) {
    TTestFolder folder("launch");
    // The decoy stands where the first word of the missing path would lead a lenient start.
    Plant("launch_decoy", folder / "Sonpix.exe");
    const std::string missing = folder.Make("Sonpix Tools\\") + "missing.exe";
    EXPECT_FALSE(LaunchProgram(missing, "", "", true, 0));
    EXPECT_FALSE(LaunchProgram(folder / "nothing-here.exe", "", "", false, 0));
    EXPECT_FALSE(FileExists(folder / "decoy-ran.txt"));
    EXPECT_EQ(LastExitCode, 0u);
}

TEST(LaunchProgram, AProgramUnderAFolderWithBlanksStartsItselfNotTheDecoy) {
    TTestFolder folder("launch");
    const std::string program = folder.Make("Sonpix Tools\\") + "exit3.exe";
    Plant("launch_exit3", program);
    Plant("launch_decoy", folder / "Sonpix.exe");

    // The decoy is armed: the path without quotes does start it.
    std::string unquoted = program + " ";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    ASSERT_TRUE(CreateProcessA(nullptr, &unquoted[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
    WaitForSingleObject(info.hProcess, 10000);
    DWORD decoyCode = 0;
    GetExitCodeProcess(info.hProcess, &decoyCode);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    ASSERT_EQ(decoyCode, 99u);
    ASSERT_TRUE(DeleteFileA((folder / "decoy-ran.txt").c_str()));

    EXPECT_TRUE(LaunchProgram(program, "", "", true, 0));
    EXPECT_EQ(LastExitCode, 3u);
    EXPECT_FALSE(FileExists(folder / "decoy-ran.txt"));
}

TEST(LaunchProgram, TheStartedWindowTakesTheShowStateAskedFor) {
    TTestFolder folder("launch");
    Plant("launch_show_state", folder / "show.exe");
    struct TCase {
        int showCmd;
        unsigned long state;  // 0 hidden, 1 normal, 2 minimised, 3 maximised
    } const cases[] = {{0, 1}, {SW_SHOWNORMAL, 1}, {SW_SHOWMINNOACTIVE, 2}, {SW_SHOWMAXIMIZED, 3}};
    for (const TCase& c : cases) {
        SCOPED_TRACE("ShowCmd " + std::to_string(c.showCmd));
        EXPECT_TRUE(LaunchProgram(folder / "show.exe", "", "", true, c.showCmd));
        EXPECT_EQ(LastExitCode, c.state);
    }
    // The shell way: the program writes its state into the file named by Params.
    const std::string report = folder / "state.txt";
    EXPECT_TRUE(LaunchProgram(folder / "show.exe", "\"" + report + "\"", "", false, 0));
    EXPECT_EQ(ReportedState(report), 1);
}

TEST(LaunchProgram, ExitCodeIsZeroAfterEveryCallThatDidNotWaitForAnEnd) {
    TTestFolder folder("launch");
    Plant("launch_exit3", folder / "exit3.exe");
    Plant("launch_show_state", folder / "show.exe");
    const std::string report = folder / "state.txt";
    struct TCase {
        const char* name;
        std::string program, params;
        bool wait;
        bool started;
    } const cases[] = {
        {"shell way, started", folder / "show.exe", "\"" + report + "\"", false, true},
        {"shell way, missing", folder / "missing.exe", "", false, false},
        {"waiting way, missing", folder / "missing.exe", "", true, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(LaunchProgram(folder / "exit3.exe", "", "", true, 0));
        ASSERT_EQ(LastExitCode, 3u);
        EXPECT_EQ(LaunchProgram(c.program, c.params, "", c.wait, 0), c.started);
        EXPECT_EQ(LastExitCode, 0u);
    }
    EXPECT_EQ(ReportedState(report), 1);
}

}  // namespace
