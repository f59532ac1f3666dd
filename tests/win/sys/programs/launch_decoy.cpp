// A decoy planted where an unquoted path with blanks would lead: it leaves "decoy-ran.txt" beside
// itself and ends with exit code 99, so that a test sees it was started.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string marker(path, length);
    marker = marker.substr(0, marker.find_last_of('\\') + 1) + "decoy-ran.txt";
    HANDLE file = CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
    return 99;
}
