// How the wave player copes with block-coded WAVs whose declared byte rate strays from their blocks'.
// For MS ADPCM, IMA ADPCM and GSM 6.10 at several sample rates, files declare the rate their
// blocks carry (rate * block bytes / samples per block) times a factor, from a byte a second up to
// 64 times. Each is opened and played through real MCI; after about a second it is closed and
// the close is timed. A shorter file of each kind is also played to its end, timing the notice.
// The "buffer" column is the model the figures are checked against: the player reads the file in
// buffers of a third of the declared byte rate, rounded up to whole blocks, so one buffer holds
// that many seconds of real sound.
//   wav_byte_rate_bench [RATE,RATE,...]   (default 256,8000,22050,44100)
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "bench/common/BenchCommon.h"
#include "tests/support/MessagePump.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"
#include "tests/support/WavMutations.h"

namespace {

constexpr double kCloseFileSeconds = 12;  // closes longer than this are cut at the file's end
constexpr double kEndFileSeconds = 2;     // at least one block
constexpr DWORD kPlayBeforeCloseMs = 1000;

struct TBlockFormat {
    const char* name;
    std::uint16_t tag;
    std::uint16_t blockAlign;
    std::uint16_t samplesPerBlock;
    std::uint16_t bits;
};

// Block sizes as the encoders write them: MS ADPCM as sox does, IMA ADPCM as ffmpeg does.
const TBlockFormat kFormats[] = {
    {"MS ADPCM", 0x0002, 256, 500, 4},
    {"IMA ADPCM", 0x0011, 1024, 2041, 4},
    {"GSM 6.10", 0x0031, 65, 320, 0},
};

std::size_t BlockCount(const TBlockFormat& f, std::uint32_t rate, double seconds) {
    return static_cast<std::size_t>(seconds * rate / f.samplesPerBlock) + 1;
}

// A mono file of whole all-zero blocks (silence in each of the three codings) lasting at least
// the given seconds.
TBytes BlockWav(const TBlockFormat& f, std::uint32_t rate, std::uint32_t byteRate, double seconds) {
    const TBytes extension = f.tag == 0x0002 ? MsAdpcmExtension(f.samplesPerBlock) : ImaExtension(f.samplesPerBlock);
    return CodecWav({f.tag, 1, rate, byteRate, f.blockAlign, f.bits, extension}, BlockCount(f, rate, seconds) * f.blockAlign);
}

// A message-only window that records the last MCI notice.
class TNoticeWindow {
public:
    TNoticeWindow() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "WavByteRateBenchNotice";
        RegisterClassA(&wc);
        m_window = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrA(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TNoticeWindow() { DestroyWindow(m_window); }
    TNoticeWindow(const TNoticeWindow&) = delete;
    TNoticeWindow& operator=(const TNoticeWindow&) = delete;
    HWND Handle() const { return m_window; }
    void Reset() { m_notice = 0; }
    WPARAM Notice() const { return m_notice; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM w, LPARAM l) {
        if (message == MM_MCINOTIFY) {
            auto* self = reinterpret_cast<TNoticeWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
            if (self) self->m_notice = w;
            return 0;
        }
        return DefWindowProcA(window, message, w, l);
    }
    HWND m_window = nullptr;
    WPARAM m_notice = 0;
};

const char* NoticeName(WPARAM notice) {
    switch (notice) {
    case 0: return "-";
    case MCI_NOTIFY_SUCCESSFUL: return "SUCCESSFUL";
    case MCI_NOTIFY_SUPERSEDED: return "SUPERSEDED";
    case MCI_NOTIFY_ABORTED: return "ABORTED";
    case MCI_NOTIFY_FAILURE: return "FAILURE";
    default: return "?";
    }
}

const char* ModeName(DWORD mode) {
    switch (mode) {
    case MCI_MODE_PLAY: return "play";
    case MCI_MODE_STOP: return "stop";
    case MCI_MODE_NOT_READY: return "not-ready";
    default: return "other";
    }
}

// An open MCI device, closed (and the close timed) by Close or at the end of its scope.
class TDevice {
public:
    TDevice(const std::string& path, HWND notices) : m_notices(notices) {
        MCI_OPEN_PARMSA open{};
        open.lpstrElementName = path.c_str();
        m_error = mciSendCommandA(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open));
        if (m_error == 0) m_id = open.wDeviceID;
    }
    ~TDevice() { Close(); }
    TDevice(const TDevice&) = delete;
    TDevice& operator=(const TDevice&) = delete;
    MCIERROR Error() const { return m_error; }
    bool Play() {
        MCI_PLAY_PARMS play{};
        play.dwCallback = reinterpret_cast<DWORD_PTR>(m_notices);
        m_error = mciSendCommandA(m_id, MCI_PLAY, MCI_NOTIFY, reinterpret_cast<DWORD_PTR>(&play));
        return m_error == 0;
    }
    DWORD Mode() const {
        MCI_STATUS_PARMS status{};
        status.dwItem = MCI_STATUS_MODE;
        if (mciSendCommandA(m_id, MCI_STATUS, MCI_WAIT | MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&status)) != 0) return 0;
        return static_cast<DWORD>(status.dwReturn);
    }
    double Close() {
        if (m_id == 0) return 0;
        MCI_GENERIC_PARMS close{};
        const auto start = TClock::now();
        mciSendCommandA(m_id, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close));
        m_id = 0;
        return Seconds(start);
    }

private:
    HWND m_notices;
    MCIDEVICEID m_id = 0;
    MCIERROR m_error = 0;
};

std::string OpenFault(MCIERROR error) {
    char text[256] = "";
    mciGetErrorStringA(error, text, sizeof text);
    return std::string("open fails: ") + text;
}

struct TCase {
    const TBlockFormat* format;
    std::uint32_t rate;
    std::uint32_t declared;
    double derived;
};

// Seconds of real sound in one of the player's buffers: a third of the declared rate, rounded up
// to whole blocks, over the rate the blocks carry.
double BufferSeconds(const TCase& c) {
    const std::uint32_t align = c.format->blockAlign;
    const std::uint64_t bytes = (c.declared / 3 + align - 1) / align * align;
    return static_cast<double>(bytes) / c.derived;
}

void CloseRow(const TCase& c, const std::string& path, TNoticeWindow& notices) {
    if (!WriteBytesFile(path, BlockWav(*c.format, c.rate, c.declared, kCloseFileSeconds))) {
        std::printf("cannot write %s\n", path.c_str());
        return;
    }
    DrainMessages();  // the previous device's notices
    notices.Reset();
    TDevice device(path, notices.Handle());
    std::printf("%-9s %6u %8.1f %8u %8.3f %8.2f  ", c.format->name, static_cast<unsigned>(c.rate), c.derived,
                static_cast<unsigned>(c.declared), c.declared / c.derived, BufferSeconds(c));
    if (device.Error() != 0) {
        std::printf("%s\n", OpenFault(device.Error()).c_str());
        return;
    }
    if (!device.Play()) {
        std::printf("play fails (%u)\n", static_cast<unsigned>(device.Error()));
        return;
    }
    PumpMessagesFor(kPlayBeforeCloseMs);
    const DWORD mode = device.Mode();
    const WPARAM early = notices.Notice();
    const double close = device.Close();
    std::printf("%-9s %-11s %7.2f\n", ModeName(mode), NoticeName(early), close);
    std::fflush(stdout);
}

void EndRow(const TCase& c, const std::string& path, TNoticeWindow& notices) {
    const TBytes bytes = BlockWav(*c.format, c.rate, c.declared, kEndFileSeconds);
    if (!WriteBytesFile(path, bytes)) return;
    const double length =
        static_cast<double>(BlockCount(*c.format, c.rate, kEndFileSeconds)) * c.format->samplesPerBlock / c.rate;
    DrainMessages();
    notices.Reset();
    TDevice device(path, notices.Handle());
    std::printf("%-9s %6u %8u %8.3f %8.2f  ", c.format->name, static_cast<unsigned>(c.rate), static_cast<unsigned>(c.declared),
                c.declared / c.derived, length);
    if (device.Error() != 0) {
        std::printf("%s\n", OpenFault(device.Error()).c_str());
        return;
    }
    const auto start = TClock::now();
    if (!device.Play()) {
        std::printf("play fails (%u)\n", static_cast<unsigned>(device.Error()));
        return;
    }
    const bool ended = PumpMessagesUntil([&] { return notices.Notice() != 0; }, static_cast<DWORD>(length * 1000) + 30000);
    const double took = Seconds(start);
    const double close = device.Close();
    std::printf("%-11s %8.2f %8.2f %7.2f\n", ended ? NoticeName(notices.Notice()) : "none", took, took / length, close);
    std::fflush(stdout);
}

std::vector<std::uint32_t> Rates(int argc, char** argv) {
    std::vector<std::uint32_t> rates;
    std::stringstream list(argc > 1 ? argv[1] : "256,8000,22050,44100");
    std::string item;
    while (std::getline(list, item, ',')) rates.push_back(static_cast<std::uint32_t>(std::strtoul(item.c_str(), nullptr, 10)));
    return rates;
}

// Declared rates: a byte, two and three a second (below three the buffer is empty), the blocks'
// own rate rounded down and up, then that rate times 1/64 ... 64.
std::vector<std::uint32_t> DeclaredRates(double derived, bool wide) {
    std::vector<std::uint32_t> declared = {1, 2, 3};
    const double close[] = {1.0 / 64, 0.5, 2, 4, 8, 16, 64};
    const double end[] = {1.0 / 64, 0.25, 1, 4, 16};
    // The blocks' own rate rounded down and up: the GSM decoder takes only one of them.
    declared.push_back(static_cast<std::uint32_t>(derived));
    declared.push_back(static_cast<std::uint32_t>(derived) + 1);
    if (wide)
        for (double f : close) declared.push_back(static_cast<std::uint32_t>(derived * f + 0.5));
    else
        for (double f : end) declared.push_back(static_cast<std::uint32_t>(derived * f + 0.5));
    return declared;
}

// Runs row for every format and sample rate, at each declared rate of the wide (close) or the
// narrow (play to the end) list.
template <class Row>
void ForEachCase(const std::vector<std::uint32_t>& rates, bool wide, Row row) {
    for (const TBlockFormat& f : kFormats)
        for (std::uint32_t rate : rates) {
            const double derived = static_cast<double>(rate) * f.blockAlign / f.samplesPerBlock;
            for (std::uint32_t declared : DeclaredRates(derived, wide)) row(TCase{&f, rate, declared, derived});
        }
}

}  // namespace

int main(int argc, char** argv) {
    TTestFolder folder("wav-byte-rate-bench");
    TNoticeWindow notices;
    const std::vector<std::uint32_t> rates = Rates(argc, argv);
    const auto start = TClock::now();

    std::printf("Close after %.1f s of play (files of %.0f s of sound)\n", kPlayBeforeCloseMs / 1000.0, kCloseFileSeconds);
    std::printf("%-9s %6s %8s %8s %8s %8s  %-9s %-11s %7s\n", "format", "rate", "derived", "declared", "ratio", "buffer",
                "mode@1s", "notice@1s", "close");
    ForEachCase(rates, true, [&](const TCase& c) { CloseRow(c, folder / "close.wav", notices); });

    std::printf("\nPlay to the end (files of about %.0f s of sound, at least one block)\n", kEndFileSeconds);
    std::printf("%-9s %6s %8s %8s %8s  %-11s %8s %8s %7s\n", "format", "rate", "declared", "ratio", "length", "notice",
                "took", "took/len", "close");
    ForEachCase(rates, false, [&](const TCase& c) { EndRow(c, folder / "end.wav", notices); });
    std::printf("\nwhole run: %.0f s\n", Seconds(start));
    return 0;
}
