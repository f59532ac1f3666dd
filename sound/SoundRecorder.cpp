// TSoundRecorder: MCI commands that record from the default input into a new waveaudio device and save it.
#include "sound/SoundRecorder.h"

#include <algorithm>

namespace {

constexpr DWORD kSampleRate = 22050;
constexpr WORD kBitsPerSample = 16;
constexpr WORD kChannels = 1;
constexpr WORD kBlockAlign = kChannels * kBitsPerSample / 8;

// Keeps the platform's wave device driver in memory until the process ends: the thread that
// records for a device started without waiting leaves the driver's code only after the stop
// has returned, and a close in between would unload the driver under it. Pinning is the module
// loader's own reference, nothing this program holds.
void PinWaveDriver() {
    HMODULE driver = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, "mciwave.dll", &driver);
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TSoundRecorder::TDevice::~TDevice() {
    try {
        Close();
    } catch (...) {
        // winmm was loaded when the device was opened; nothing else can throw here.
    }
}

std::string TSoundRecorder::TDevice::WorkingFile() const {
    char name[MAX_PATH + 1] = "";
    MCI_INFO_PARMSA parms{};
    parms.lpstrReturn = name;
    parms.dwRetSize = sizeof name;
    if (m_mci.SendCommand(m_id, MCI_INFO, MCI_WAIT | MCI_INFO_FILE, reinterpret_cast<DWORD_PTR>(&parms)) != 0) return "";
    return name;
}

MCIERROR TSoundRecorder::TDevice::Close() {
    if (m_id == 0) return 0;
    // A new sound is recorded into a temporary file that the device names once it records. Wine's
    // device leaves that file behind when it is closed unsaved, so it is deleted here.
    const std::string workingFile = m_keepFile ? "" : WorkingFile();
    MCI_GENERIC_PARMS parms{};
    const MCIERROR error = m_mci.SendCommand(m_id, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&parms));
    if (error != 0) return error;
    m_id = 0;
    if (!workingFile.empty()) DeleteFileA(workingFile.c_str());
    return 0;
}

TSoundRecorder::TSoundRecorder() = default;

// Closing a device stops its recording; the unsaved sound goes with it.
TSoundRecorder::~TSoundRecorder() = default;

MCIERROR TSoundRecorder::Send(UINT message, DWORD_PTR flags, void* parameters) const {
    MCI_GENERIC_PARMS generic{};
    if (!parameters) parameters = &generic;
    return m_mci.SendCommand(m_device ? m_device->Id() : 0, message, flags, reinterpret_cast<DWORD_PTR>(parameters));
}

EMCIDeviceError TSoundRecorder::DeviceError(MCIERROR code) const { return EMCIDeviceError(m_mci.ErrorText(code)); }

void TSoundRecorder::Start() {
    m_recording = false;
    m_device.reset();

    // An empty element name makes the waveaudio device start a new, empty sound.
    MCI_OPEN_PARMSA open{};
    open.lpstrDeviceType = "waveaudio";
    open.lpstrElementName = "";
    MCIERROR error = m_mci.SendCommand(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_TYPE | MCI_OPEN_ELEMENT,
                                       reinterpret_cast<DWORD_PTR>(&open));
    if (error != 0) throw DeviceError(error);
    m_device = std::make_unique<TDevice>(m_mci, open.wDeviceID);
    PinWaveDriver();

    // The whole format at once: a device given the sample size and rate alone may keep the
    // block align and byte rate of its default format and write a header that contradicts itself.
    MCI_WAVE_SET_PARMS format{};
    format.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = kChannels;
    format.nSamplesPerSec = kSampleRate;
    format.nAvgBytesPerSec = kSampleRate * kBlockAlign;
    format.nBlockAlign = kBlockAlign;
    format.wBitsPerSample = kBitsPerSample;
    error = Send(MCI_SET,
                 MCI_WAIT | MCI_SET_TIME_FORMAT | MCI_WAVE_SET_FORMATTAG | MCI_WAVE_SET_CHANNELS |
                     MCI_WAVE_SET_SAMPLESPERSEC | MCI_WAVE_SET_AVGBYTESPERSEC | MCI_WAVE_SET_BLOCKALIGN |
                     MCI_WAVE_SET_BITSPERSAMPLE,
                 &format);
    if (error == 0) {
        // Without MCI_WAIT the device records on its own thread until it is stopped.
        MCI_RECORD_PARMS record{};
        error = Send(MCI_RECORD, 0, &record);
        // That thread reports an input it cannot open only by leaving the device stopped: Wine
        // with no sound input accepts the command and never records (and now and then does the
        // same to a recording started soon after another). The mode tells at once.
        if (error == 0 && Status(MCI_STATUS_MODE) != MCI_MODE_RECORD) error = MCIERR_WAVE_INPUTSUNSUITABLE;
    }
    if (error != 0) {
        const EMCIDeviceError failure = DeviceError(error);
        m_device.reset();
        throw failure;
    }
    m_recording = true;
}

void TSoundRecorder::Stop() {
    if (!m_device) throw EMCIDeviceError("No recording was started");
    if (!m_recording) return;
    const MCIERROR error = Send(MCI_STOP, MCI_WAIT, nullptr);
    if (error != 0) throw DeviceError(error);
    m_recording = false;
}

bool TSoundRecorder::IsRecording() const { return m_recording; }

DWORD_PTR TSoundRecorder::Status(DWORD item) const {
    MCI_STATUS_PARMS status{};
    status.dwItem = item;
    return Send(MCI_STATUS, MCI_WAIT | MCI_STATUS_ITEM, &status) == 0 ? status.dwReturn : 0;
}

// The length is what the device reports, or its position where that is more: Wine's device
// reports a length of 0 until the sound is saved, while its position grows with what it has
// recorded (in steps of a third of a second, as each of its buffers comes back full).
unsigned TSoundRecorder::LengthMs() const {
    if (!m_device) return 0;
    return static_cast<unsigned>(std::max(Status(MCI_STATUS_LENGTH), Status(MCI_STATUS_POSITION)));
}

void TSoundRecorder::SaveTo(const std::string& path) {
    if (!m_device) throw EMCIDeviceError("Nothing has been recorded");
    if (m_recording) Stop();
    if (LengthMs() == 0) throw EMCIDeviceError("Nothing has been recorded");

    MCI_SAVE_PARMSA save{};
    save.lpfilename = path.c_str();
    MCIERROR error = Send(MCI_SAVE, MCI_WAIT | MCI_SAVE_FILE, &save);
    // A refused save keeps the recording, so that it can go to another path.
    if (error != 0) throw DeviceError(error);
    m_device->KeepFile();
    error = m_device->Close();
    m_device.reset();
    if (error != 0) throw DeviceError(error);
    // What the caller relies on is the file: a save that left none is no success.
    if (!FileExists(path)) throw EMCIDeviceError("The recording was not written to " + path);
}
