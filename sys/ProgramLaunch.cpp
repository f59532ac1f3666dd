// LaunchProgram: ShellExecuteA for the shell way, CreateProcessA and a wait for the waiting way.
#include "sys/ProgramLaunch.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "sys/PathText.h"
#include "sys/UniqueHandle.h"
#include "sys/mysys.h"

unsigned long LastExitCode = 0;

namespace {
// The program's own top-level window: the root owner of its active window (its windows are all
// owned by the hidden application window), or none when no window of this thread is active.
HWND OwnTopLevelWindow() {
    HWND active = GetActiveWindow();
    return active ? GetAncestor(active, GA_ROOTOWNER) : nullptr;
}

bool ShellOpen(const std::string& program, const std::string& params, const std::string& folder, int showCmd) {
    const HINSTANCE result = ShellExecuteA(OwnTopLevelWindow(), "open", program.c_str(), params.c_str(),
                                           folder.c_str(), showCmd);
    // Values of 32 and below are the shell's error codes.
    return reinterpret_cast<ULONG_PTR>(result) > 32;
}

bool RunAndWait(const std::string& program, const std::string& params, int showCmd) {
    if (!FileExists(program)) return false;
    const std::string commandText = LaunchCommandLine(program, params);
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> commandLine(commandText.begin(), commandText.end());
    commandLine.push_back('\0');
    const std::string folder = ExtractFilePath(program);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCmd);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS,
                        nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return false;
    const UniqueHandle process(info.hProcess);  // owned from here on
    const UniqueHandle thread(info.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(process.Get(), &code)) LastExitCode = code;
    return true;
}
}  // namespace

std::string LaunchCommandLine(const std::string& Program, const std::string& Params) {
    return "\"" + Program + "\" " + Params;
}

bool LaunchProgram(const std::string& Program, const std::string& Params, const std::string& WorkFolder, bool Wait,
                   int ShowCmd) {
    LastExitCode = 0;
    if (ShowCmd == 0) ShowCmd = SW_SHOWNORMAL;
    const std::string folder = WorkFolder.empty() ? ExtractFilePath(Program) : WorkFolder;
    if (!Wait) return ShellOpen(Program, Params, folder, ShowCmd);
    return RunAndWait(Program, Params, ShowCmd);
}
