// Stands in for the creator program in the tests: it writes "creator-ran.txt" beside itself,
// holding the folder it was started in and its command line on two lines, and ends with code 0.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string marker(path, length);
    marker = marker.substr(0, marker.find_last_of('\\') + 1) + "creator-ran.txt";
    char folder[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    const std::string report = std::string(folder) + "\r\n" + GetCommandLineA() + "\r\n";
    HANDLE file = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
