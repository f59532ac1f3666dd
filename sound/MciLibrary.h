// TMciLibrary: the two media control functions of winmm.dll, with the library loaded at the first
// call. winmm pulls several more system libraries in with it, so a program that may never play
// a sound does not pay for them at start-up.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <string>

class TMciLibrary {
public:
    bool Loaded() const { return m_sendCommand != nullptr; }
    // mciSendCommandA. Throws std::runtime_error when winmm.dll cannot be loaded.
    MCIERROR SendCommand(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR parameters);
    // The platform's text for an MCI error code, or "Unknown error code".
    std::string ErrorText(MCIERROR code);

private:
    void Load();

    // winmm.dll stays loaded to the end of the process once loaded (pinned), as if the program
    // imported it: the sound drivers it loads run threads of their own that may outlive a closed
    // device, and would crash if their code went away under them.
    decltype(&mciSendCommandA) m_sendCommand = nullptr;
    decltype(&mciGetErrorStringA) m_getErrorString = nullptr;
};
