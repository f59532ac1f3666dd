// TMciLibrary: winmm.dll loaded on first use, its two functions looked up once.
#include "sound/MciLibrary.h"

#include <stdexcept>

TMciLibrary::~TMciLibrary() {
    if (m_module) FreeLibrary(m_module);
}

void TMciLibrary::Load() {
    if (m_module) return;
    HMODULE module = LoadLibraryA("winmm.dll");
    if (!module) throw std::runtime_error("Cannot load winmm.dll");
    auto sendCommand = reinterpret_cast<decltype(&mciSendCommandA)>(
        reinterpret_cast<void*>(GetProcAddress(module, "mciSendCommandA")));
    auto getErrorString = reinterpret_cast<decltype(&mciGetErrorStringA)>(
        reinterpret_cast<void*>(GetProcAddress(module, "mciGetErrorStringA")));
    if (!sendCommand || !getErrorString) {
        FreeLibrary(module);
        throw std::runtime_error("winmm.dll has no media control interface");
    }
    m_module = module;
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
