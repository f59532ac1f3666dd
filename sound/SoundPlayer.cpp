// TSoundPlayer: MCI commands for one device and the hidden window that collects its notices.
#include "sound/SoundPlayer.h"

#include "sound/WavCheck.h"
#include "sound/WavFileSource.h"
#include "sys/PathText.h"
#include "sys/mystr.h"

namespace {

const char kWindowClass[] = "TSoundPlayerWindow";

// Refuses a .wav file whose header would crash or derail the wave player; a file that cannot
// be read here is left to MCI, which reports that itself.
void CheckWavFile(const std::string& fileName) {
    if (UpperCaseCyr(ExtractFileExt(fileName)) != ".WAV") return;
    const TWavFileSource source(fileName);
    if (!source.IsOpen()) return;
    const std::string fault = FindWavHeaderFault(source);
    if (!fault.empty()) throw EWavFileError("Unsupported WAV file: " + fault);
}

// The wave device may let go of its file a moment after the close has returned, while its playing
// thread winds down. Callers close the player in order to rewrite or delete the file at once, so
// the close waits, briefly and only while the file is still shared out, for that to be possible.
void WaitUntilFileReleased(const std::string& fileName) {
    constexpr int kTries = 100, kPauseMs = 10;
    for (int i = 0; i < kTries; ++i) {
        HANDLE file = CreateFileA(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return;
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION) return;
        Sleep(kPauseMs);
    }
}

// Keeps the platform's wave device driver in memory until the process ends. Its play thread
// reports the end of a sound and only then returns; a close that comes in between unloads the
// driver under the returning thread, which then faults. Pinning is the module loader's own
// reference, nothing this program holds.
void PinWaveDriver() {
    HMODULE driver = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, "mciwave.dll", &driver);
}

}  // namespace

TSoundPlayer::TSoundPlayer() : m_window(kWindowClass, MM_MCINOTIFY, [this](WPARAM value, LPARAM device) {
    m_lastNotifyValue = value;
    m_lastNotifyDevice = static_cast<MCIDEVICEID>(device);
    ++m_notifyCount;
}) {
    if (!m_window) throw EMCIDeviceError("Cannot create the sound player's window");
}

TSoundPlayer::~TSoundPlayer() {
    if (IsOpen()) SendClose(MCI_WAIT);
    // Notices still queued for the window are dropped with it (m_window goes next).
}

DWORD TSoundPlayer::TakeNotifyFlag() {
    const DWORD flag = m_notify ? MCI_NOTIFY : 0;
    m_notify = false;
    return flag;
}

void TSoundPlayer::Open() {
    if (IsOpen()) {
        Close();
        // Opening another device now would lose the one still open, and with it the file.
        if (IsOpen()) throw DeviceError(m_error);
    }
    CheckWavFile(m_fileName);
    MCI_OPEN_PARMSA parms{};
    parms.dwCallback = reinterpret_cast<DWORD_PTR>(m_window.Get());
    parms.lpstrElementName = m_fileName.c_str();
    m_error = m_mci.SendCommand(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT | TakeNotifyFlag(),
                              reinterpret_cast<DWORD_PTR>(&parms));
    if (m_error != 0) throw DeviceError(m_error);
    m_deviceId = parms.wDeviceID;
    PinWaveDriver();
}

EMCIDeviceError TSoundPlayer::DeviceError(MCIERROR code) { return EMCIDeviceError(m_mci.ErrorText(code)); }

bool TSoundPlayer::StatusItem(DWORD item, DWORD_PTR& value) const {
    MCI_STATUS_PARMS parms{};
    parms.dwItem = item;
    if (m_mci.SendCommand(m_deviceId, MCI_STATUS, MCI_WAIT | MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&parms)) != 0)
        return false;
    value = parms.dwReturn;
    return true;
}

DWORD TSoundPlayer::Mode() const {
    DWORD_PTR mode = 0;
    if (!IsOpen() || !StatusItem(MCI_STATUS_MODE, mode)) return 0;
    return static_cast<DWORD>(mode);
}

void TSoundPlayer::Play() {
    if (!IsOpen()) throw EMCIDeviceError("No MCI device open");
    // A play that has run to the end would start at the end and stop at once: rewind first.
    DWORD_PTR position = 0, length = 0;
    if (StatusItem(MCI_STATUS_POSITION, position) && StatusItem(MCI_STATUS_LENGTH, length) && position == length) {
        MCI_SEEK_PARMS seek{};
        seek.dwCallback = reinterpret_cast<DWORD_PTR>(m_window.Get());
        m_mci.SendCommand(m_deviceId, MCI_SEEK, MCI_SEEK_TO_START | MCI_WAIT, reinterpret_cast<DWORD_PTR>(&seek));
    }
    TakeNotifyFlag();  // the play always asks for its notice
    MCI_PLAY_PARMS parms{};
    parms.dwCallback = reinterpret_cast<DWORD_PTR>(m_window.Get());
    m_error = m_mci.SendCommand(m_deviceId, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&parms));
}

MCIERROR TSoundPlayer::SendClose(DWORD flags) {
    MCI_GENERIC_PARMS parms{};
    parms.dwCallback = reinterpret_cast<DWORD_PTR>(m_window.Get());
    m_error = m_mci.SendCommand(m_deviceId, MCI_CLOSE, flags, reinterpret_cast<DWORD_PTR>(&parms));
    if (m_error == 0) m_deviceId = 0;
    return m_error;
}

void TSoundPlayer::Close() {
    if (!IsOpen()) return;
    if (SendClose(MCI_WAIT | TakeNotifyFlag()) == 0) WaitUntilFileReleased(m_fileName);
}
