// TMciLibrary: the two media control functions of winmm.dll, with the library loaded at the first
// call. winmm pulls several more system libraries in with it, so a program that may never play
// a sound does not pay for them at start-up.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <string>

class TMciLibrary {
public:
    TMciLibrary() = default;
    ~TMciLibrary();  // frees the library if it was loaded
    TMciLibrary(const TMciLibrary&) = delete;
    TMciLibrary& operator=(const TMciLibrary&) = delete;

    bool Loaded() const { return m_module != nullptr; }
    // mciSendCommandA. Throws std::runtime_error when winmm.dll cannot be loaded.
    MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters);
    // The platform's text for an MCI error code, or "Unknown error code".
    std::string ErrorText(MCIERROR code);

private:
    void Load();

    HMODULE m_module = nullptr;  // owned: winmm.dll, freed by the destructor
    decltype(&mciSendCommandA) m_sendCommand = nullptr;
    decltype(&mciGetErrorStringA) m_getErrorString = nullptr;
};
