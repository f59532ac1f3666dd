// TSoundRecorder: MCI commands that record from the default input into a new waveaudio device and save it.
#include "sound/SoundRecorder.h"

#include <tlhelp32.h>

#include <algorithm>
#include <set>
#include <vector>

namespace {

constexpr DWORD kSampleRate = 22050;
constexpr WORD kBitsPerSample = 16;
constexpr WORD kChannels = 1;
constexpr WORD kBlockAlign = kChannels * kBitsPerSample / 8;
// How long a stop waits for the device's recording thread to end (it takes a few tenths of a second).
constexpr DWORD kRecordingThreadWaitMs = 5000;
// NtQueryInformationThread's class for the start routine of a thread.
constexpr int kThreadStartRoutine = 9;
constexpr char kWaveDriver[] = "mciwave.dll";

// Keeps the platform's wave device driver in memory until the process ends: the thread that
// records for a device started without waiting leaves the driver's code only after the stop
// has returned, and a close in between would unload the driver under it. Pinning is the module
// loader's own reference, nothing this program holds.
void PinWaveDriver() {
    HMODULE driver = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, kWaveDriver, &driver);
}

// A thread of this process that the wave device driver started, opened for waiting.
struct TDriverThread {
    DWORD id = 0;
    UniqueHandle handle;
};

// The threads of this process whose start routine lies in the wave device driver's module; none
// when the driver is not loaded or the platform does not tell where a thread started.
std::vector<TDriverThread> WaveDriverThreads() {
    std::vector<TDriverThread> threads;
    const HMODULE driver = GetModuleHandleA(kWaveDriver);
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    using TQueryThread = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    const auto query =
        ntdll ? reinterpret_cast<TQueryThread>(GetProcAddress(ntdll, "NtQueryInformationThread")) : nullptr;
    if (!driver || !query) return threads;
    const auto* image = reinterpret_cast<const BYTE*>(driver);
    const auto* headers =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(image + reinterpret_cast<const IMAGE_DOS_HEADER*>(image)->e_lfanew);
    const ULONG_PTR first = reinterpret_cast<ULONG_PTR>(image), end = first + headers->OptionalHeader.SizeOfImage;

    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    if (!snapshot.Valid()) return threads;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry)) {
        if (entry.th32OwnerProcessID != GetCurrentProcessId()) continue;
        UniqueHandle thread(OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID));
        ULONG_PTR start = 0;
        if (!thread.Valid() || query(thread.Get(), kThreadStartRoutine, &start, sizeof start, nullptr) != 0) continue;
        if (start >= first && start < end) threads.push_back({entry.th32ThreadID, std::move(thread)});
    }
    return threads;
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

// The unsaved sound goes with the device.
TSoundRecorder::~TSoundRecorder() { EndRecording(); }

MCIERROR TSoundRecorder::Send(UINT message, DWORD_PTR flags, void* parameters) const {
    MCI_GENERIC_PARMS generic{};
    if (!parameters) parameters = &generic;
    return m_mci.SendCommand(m_device ? m_device->Id() : 0, message, flags, reinterpret_cast<DWORD_PTR>(parameters));
}

EMCIDeviceError TSoundRecorder::DeviceError(MCIERROR code) const { return EMCIDeviceError(m_mci.ErrorText(code)); }

void TSoundRecorder::Start() {
    EndRecording();
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
        // Without MCI_WAIT the device records on its own thread until it is stopped: the driver
        // thread that is new after the command.
        std::set<DWORD> before;
        for (const TDriverThread& thread : WaveDriverThreads()) before.insert(thread.id);
        MCI_RECORD_PARMS record{};
        error = Send(MCI_RECORD, 0, &record);
        for (TDriverThread& thread : WaveDriverThreads())
            if (!before.count(thread.id)) m_thread = std::move(thread.handle);
        // That thread reports an input it cannot open only by leaving the device stopped: Wine
        // with no sound input accepts the command and never records (and now and then does the
        // same to a recording started soon after another). The mode tells at once.
        if (error == 0 && Status(MCI_STATUS_MODE) != MCI_MODE_RECORD) error = MCIERR_WAVE_INPUTSUNSUITABLE;
    }
    if (error != 0) {
        const EMCIDeviceError failure = DeviceError(error);
        WaitForRecordingThread();
        m_device.reset();
        throw failure;
    }
    m_recording = true;
}

// Wine's device reports the recording stopped as soon as its thread has seen the stop, before
// that thread has taken back its buffers (writing the last of them into the device's file) and
// closed the input. A save or close in that time has the thread write through freed memory, and
// the program dies later at some unrelated allocation; so everything after a stop waits for it.
void TSoundRecorder::WaitForRecordingThread() {
    if (m_thread.Valid()) WaitForSingleObject(m_thread.Get(), kRecordingThreadWaitMs);
    m_thread.Reset();
}

void TSoundRecorder::EndRecording() {
    if (m_recording) Send(MCI_STOP, MCI_WAIT, nullptr);
    m_recording = false;
    WaitForRecordingThread();
}

void TSoundRecorder::Stop() {
    if (!m_device) throw EMCIDeviceError("No recording was started");
    if (!m_recording) return;
    const MCIERROR error = Send(MCI_STOP, MCI_WAIT, nullptr);
    if (error != 0) throw DeviceError(error);
    m_recording = false;
    WaitForRecordingThread();
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
