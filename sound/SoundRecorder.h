// TSoundRecorder: records from the default input device through MCI (waveaudio) into a WAV file.
#pragma once
#include <memory>
#include <string>

#include "sound/SoundPlayer.h"
#include "sys/UniqueHandle.h"

// One recording at a time, 22,050 Hz, 16 bits, mono. Use it on the thread that made it.
class TSoundRecorder {
public:
    TSoundRecorder();
    ~TSoundRecorder();  // stops a recording in progress and closes the device; nothing is saved
    TSoundRecorder(const TSoundRecorder&) = delete;
    TSoundRecorder& operator=(const TSoundRecorder&) = delete;

    // Opens a new waveaudio device and starts recording; a recording already in progress is
    // dropped first. Throws EMCIDeviceError with the platform's text when there is no input
    // device or it refuses the format.
    void Start();
    // Ends the recording once the device has let go of it; what was recorded is kept until
    // SaveTo, Start or the destructor.
    void Stop();
    bool IsRecording() const;
    // Milliseconds recorded so far (while recording) or in all (after Stop); 0 with no device.
    unsigned LengthMs() const;
    // Writes what was recorded as a WAV file (path in the program's code page) and closes the
    // device. Throws EMCIDeviceError when nothing was recorded or the file cannot be written.
    void SaveTo(const std::string& path);

private:
    // An open MCI device. Closed (waiting for it) when its owner goes, whatever it is doing; the
    // file it recorded into goes with it unless it was saved.
    class TDevice {
    public:
        TDevice(TMciLibrary& mci, MCIDEVICEID id) : m_mci(mci), m_id(id) {}
        ~TDevice();
        TDevice(const TDevice&) = delete;
        TDevice& operator=(const TDevice&) = delete;
        MCIDEVICEID Id() const { return m_id; }
        // The recording now lives in a file of the caller's: the close leaves the device's file alone.
        void KeepFile() { m_keepFile = true; }
        // Closes the device now; the code of a refused close, 0 after a success.
        MCIERROR Close();

    private:
        // The file the device records into, as it names it ("" when it names none).
        std::string WorkingFile() const;

        TMciLibrary& m_mci;
        MCIDEVICEID m_id;  // owned, 0 once closed
        bool m_keepFile = false;
    };

    MCIERROR Send(UINT message, DWORD_PTR flags, void* parameters) const;
    // The platform's text for a failed command, as an exception to throw.
    EMCIDeviceError DeviceError(MCIERROR code) const;
    DWORD_PTR Status(DWORD item) const;  // 0 when the query fails
    // Stops a recording in progress, ignoring a refusal, and waits for the device's thread.
    void EndRecording();
    // Waits a while for the device's recording thread to end, then lets go of it.
    void WaitForRecordingThread();

    // winmm, loaded at the first command; mutable because reading the length is a command too.
    // Declared before m_device, which needs it to close.
    mutable TMciLibrary m_mci;
    std::unique_ptr<TDevice> m_device;  // the device of the last Start, until SaveTo, Start or the end
    bool m_recording = false;
    // The thread that records for the device (Wine's driver starts one per recording), from
    // Start until the recording has ended; none where it is not found.
    UniqueHandle m_thread;
};
