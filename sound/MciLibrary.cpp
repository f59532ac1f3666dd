// TMciLibrary: winmm.dll loaded (and pinned) on first use, its two functions looked up once.
#include "sound/MciLibrary.h"

#include <stdexcept>

void TMciLibrary::Load() {
    if (Loaded()) return;
    HMODULE module = nullptr;
    if (!LoadLibraryA("winmm.dll") ||
        !GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, "winmm.dll", &module) || !module)
        throw std::runtime_error("Cannot load winmm.dll");
    auto sendCommand = reinterpret_cast<decltype(&mciSendCommandA)>(
        reinterpret_cast<void*>(GetProcAddress(module, "mciSendCommandA")));
    auto getErrorString = reinterpret_cast<decltype(&mciGetErrorStringA)>(
        reinterpret_cast<void*>(GetProcAddress(module, "mciGetErrorStringA")));
    if (!sendCommand || !getErrorString) throw std::runtime_error("winmm.dll has no media control interface");
    m_sendCommand = sendCommand;
    m_getErrorString = getErrorString;
}

MCIERROR TMciLibrary::SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters) {
    Load();
    return m_sendCommand(device, message, flags, parameters);
}

std::string TMciLibrary::ErrorText(MCIERROR code) {
    Load();
    char text[4096] = "";
    if (!m_getErrorString(code, text, sizeof text)) return "Unknown error code";
    return text;
}
