// The null sink's monitor recorded by the host's parec as raw 16-bit mono at 8000 samples a second.
#include "tests/win/e2e/SoundMonitor.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "sys/UniqueHandle.h"
#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/UnixCommand.h"

namespace {
constexpr int kRate = 8000;
constexpr int kBytesPerSecond = kRate * 2;
constexpr size_t kBlockBytes = static_cast<size_t>(kBytesPerSecond * kBlockSeconds);

// The magnitude of the 16-bit little-endian sample at byte offset i.
int Magnitude(const std::string& samples, size_t i) {
    const short value = static_cast<short>(static_cast<unsigned char>(samples[i]) |
                                            (static_cast<unsigned char>(samples[i + 1]) << 8));
    return std::abs(static_cast<int>(value));
}

long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
}  // namespace

TSoundMonitor::TSoundMonitor() : m_raw(NewHostTempPath("sound.raw")), m_pid(NewHostTempPath("sound.pid")) {
    // The recorder ends by itself after ten minutes, should a test never stop it.
    const std::string record = "echo $$ >" + m_pid + "; exec timeout 600 parec -d nullsink.monitor --format=s16le --rate=" +
                               std::to_string(kRate) + " --channels=1 --latency-msec=30 >" + m_raw + " 2>/dev/null";
    if (!StartUnixCommand(record)) return;
    // The sink delivers data a moment after the connection; it then flows all the time, silence too.
    m_ready = WaitUntil([&] { return FileSize(HostPathOnZ(m_raw)) >= static_cast<long long>(kBlockBytes) * 4; }, 8000);
}

TSoundMonitor::~TSoundMonitor() {
    RunUnixCommand("kill $(cat " + m_pid + ") 2>/dev/null; rm -f " + m_pid + " " + m_raw, 5000);
}

double TSoundMonitor::Now() const {
    const long long size = FileSize(HostPathOnZ(m_raw));
    return size < 0 ? 0.0 : static_cast<double>(size) / kBytesPerSecond;
}

std::string TSoundMonitor::Read(double from) const {
    UniqueHandle file(CreateFileA(HostPathOnZ(m_raw).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return {};
    LARGE_INTEGER start;
    start.QuadPart = static_cast<long long>(from < 0 ? 0 : from * kBytesPerSecond) & ~1LL;
    if (!SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN)) return {};
    std::string data;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr) && got > 0) data.append(buffer, got);
    return data;
}

int TSoundMonitor::BlockPeak(const std::string& samples, size_t block) const {
    int peak = 0;
    const size_t end = std::min(samples.size() / 2 * 2, (block + 1) * kBlockBytes);
    for (size_t i = block * kBlockBytes; i + 1 < end; i += 2) peak = std::max(peak, Magnitude(samples, i));
    return peak;
}

int TSoundMonitor::PeakBetween(double from, double to) const {
    const std::string samples = Read(from);
    const size_t wanted = static_cast<size_t>(std::max(0.0, to - from) * kBytesPerSecond);
    int peak = 0;
    for (size_t i = 0; i + 1 < samples.size() && i < wanted; i += 2) peak = std::max(peak, Magnitude(samples, i));
    return peak;
}

std::optional<double> TSoundMonitor::FirstAtLeast(double from, int level) const {
    const std::string samples = Read(from);
    for (size_t block = 0; (block + 1) * kBlockBytes <= samples.size(); ++block)
        if (BlockPeak(samples, block) >= level) return from + block * kBlockSeconds;
    return std::nullopt;
}

std::optional<double> TSoundMonitor::SilenceFrom(double from, double quietSeconds) const {
    const std::string samples = Read(from);
    const size_t blocks = samples.size() / kBlockBytes;
    size_t quietStart = blocks;  // the first block of the quiet run that reaches the end
    for (size_t block = blocks; block-- > 0;) {
        if (BlockPeak(samples, block) >= kSoundLevel) break;
        quietStart = block;
    }
    if ((blocks - quietStart) * kBlockSeconds < quietSeconds) return std::nullopt;
    return from + quietStart * kBlockSeconds;
}

std::optional<double> TSoundMonitor::WaitForSound(double from, int timeoutMs, int level) const {
    std::optional<double> at;
    WaitUntil([&] { return (at = FirstAtLeast(from, level)).has_value(); }, timeoutMs, 50);
    return at;
}

std::optional<double> TSoundMonitor::WaitForSilence(double from, int timeoutMs, double quietSeconds) const {
    std::optional<double> at;
    WaitUntil([&] { return (at = SilenceFrom(from, quietSeconds)).has_value(); }, timeoutMs, 50);
    return at;
}

std::string TSoundMonitor::Describe(double from) const {
    const std::string samples = Read(from);
    std::string text = "levels from " + std::to_string(from) + " s, in hundreds per " +
                       std::to_string(static_cast<int>(kBlockSeconds * 1000)) + " ms:";
    for (size_t block = 0; (block + 1) * kBlockBytes <= samples.size(); ++block)
        text += " " + std::to_string(BlockPeak(samples, block) / 100);
    return text;
}
