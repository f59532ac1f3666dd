// TSoundPlayer: plays a sound file through the media control interface (MCI) and keeps its notices.
#pragma once
#include <windows.h>
#include <mmsystem.h>

#include <stdexcept>
#include <string>

#include "sound/MciLibrary.h"
#include "sys/MessageWindow.h"

// An MCI device could not be opened or used; what() is the platform's text for the error.
class EMCIDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A .wav file whose header the player refuses before handing it to MCI (see WavCheck.h).
class EWavFileError : public EMCIDeviceError {
public:
    using EMCIDeviceError::EMCIDeviceError;
};

// Plays one file at a time through an MCI device opened by the file's extension. The player
// owns a hidden message-only window of its own, to which MCI posts its notices (MM_MCINOTIFY);
// they arrive while the creating thread pumps messages. Use the player on that thread only.
class TSoundPlayer {
public:
    TSoundPlayer();
    ~TSoundPlayer();  // closes an open device, then destroys the window
    TSoundPlayer(const TSoundPlayer&) = delete;
    TSoundPlayer& operator=(const TSoundPlayer&) = delete;

    const std::string& FileName() const { return m_fileName; }
    void SetFileName(const std::string& value) { m_fileName = value; }

    // One-shot: when true, the next Open, Play or Close sends its command with MCI_NOTIFY
    // (Play always does) and sets it back to false.
    bool Notify() const { return m_notify; }
    void SetNotify(bool value) { m_notify = value; }

    // Closes a device still open, checks a .wav file's header, then opens FileName.
    // Throws EMCIDeviceError (EWavFileError for a refused WAV header) on failure.
    void Open();
    // Starts playing from the current position (from the start again once the end was
    // reached) and returns at once. Throws "No MCI device open" when none is open; an error
    // of the device only sets Error().
    void Play();
    // Stops and releases the open device; on failure only Error() is set and it stays open.
    void Close();

    bool IsOpen() const { return m_deviceId != 0; }
    MCIDEVICEID DeviceId() const { return m_deviceId; }
    // The code of the last MCI command sent (0 after a success).
    MCIERROR Error() const { return m_error; }
    // The mode of the open device (MCI_MODE_PLAY, MCI_MODE_STOP...), or 0 when none is open
    // or the query fails.
    DWORD Mode() const;
    // The last MM_MCINOTIFY received: its wParam (MCI_NOTIFY_SUCCESSFUL, _SUPERSEDED, _ABORTED,
    // _FAILURE) and the device it came from; 0 until the first notice.
    WPARAM LastNotifyValue() const { return m_lastNotifyValue; }
    MCIDEVICEID LastNotifyDevice() const { return m_lastNotifyDevice; }
    // How many notices have arrived since the player was made.
    unsigned NotifyCount() const { return m_notifyCount; }
    // The hidden window that receives the notices.
    HWND Handle() const { return m_window.Get(); }

private:
    DWORD TakeNotifyFlag();
    bool StatusItem(DWORD item, DWORD_PTR& value) const;
    MCIERROR SendClose(DWORD flags);
    // The error of a failed device: winmm's text for it, as an exception to throw.
    EMCIDeviceError DeviceError(MCIERROR code);

    std::string m_fileName;
    bool m_notify = false;
    MCIDEVICEID m_deviceId = 0;  // owned: the open device, 0 when none
    MCIERROR m_error = 0;
    WPARAM m_lastNotifyValue = 0;
    MCIDEVICEID m_lastNotifyDevice = 0;
    unsigned m_notifyCount = 0;
    // winmm, loaded at the first command; mutable because reading the mode is a command too.
    mutable TMciLibrary m_mci;
    TMessageWindow m_window;  // the notice window, destroyed after the device is closed
};
