// Host programs run through /bin/sh from the Wine side; the end of a command is seen through a
// status file the shell writes last, since Wine gives no handle for a host process.
#include "tests/win/e2e/UnixCommand.h"

#include <windows.h>

#include <atomic>

#include "tests/support/TestFiles.h"
#include "tests/win/e2e/Deadline.h"

bool StartUnixCommand(const std::string& command) {
    // The whole shell command is one argument of sh; it must hold no double quote of its own.
    if (command.find('"') != std::string::npos) return false;
    std::string commandLine = "Z:\\bin\\sh -c \"" + command + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
    return true;
}

bool RunUnixCommand(const std::string& command, int timeoutMs) {
    const std::string status = NewHostTempPath("status");
    // The status goes to a side file first and is renamed, so that it is never read half written.
    if (!StartUnixCommand("( " + command + " ) >/dev/null 2>&1; echo $? >" + status + ".part; mv " + status +
                          ".part " + status))
        return false;
    std::optional<TBytes> code;
    WaitUntil([&] { return (code = ReadBytesFile(HostPathOnZ(status))).has_value(); }, timeoutMs, 10);
    DeleteFileA(HostPathOnZ(status).c_str());
    return code && !code->empty() && (*code)[0] == '0';
}

std::string NewHostTempPath(const std::string& name) {
    static std::atomic<int> counter{0};
    return "/tmp/sonpix-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "-" + name;
}

std::string HostPathOnZ(const std::string& hostPath) {
    std::string path = "Z:" + hostPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}
