// What comes out of the speakers: the test display's PulseAudio null sink is recorded through its
// monitor while a test runs, so that a test can tell whether, when and what the viewer plays.
#pragma once
#include <optional>
#include <string>

// Recording levels are peaks of 16-bit samples (0..32767) in blocks of kBlockSeconds.
constexpr double kBlockSeconds = 0.05;
// A tone of the tests' sounds stands far above this; silence of the null sink is 0.
constexpr int kSoundLevel = 800;

class TSoundMonitor {
public:
    // Starts the recorder and waits (a few seconds at most) until its data flows.
    TSoundMonitor();
    // Stops the recorder and removes its files.
    ~TSoundMonitor();
    TSoundMonitor(const TSoundMonitor&) = delete;
    TSoundMonitor& operator=(const TSoundMonitor&) = delete;

    // Whether the recording runs; false when the sound system could not be recorded.
    bool Ready() const { return m_ready; }
    // Seconds recorded so far: the recording's own clock, which the other times refer to.
    double Now() const;
    // The highest level in [from, to) of the recording; 0 for a span not yet recorded.
    int PeakBetween(double from, double to) const;
    // The start of the first block at or after from whose level reaches level.
    std::optional<double> FirstAtLeast(double from, int level = kSoundLevel) const;
    // The start of the first block at or after from that is below kSoundLevel, with quiet blocks
    // only up to the end of the recording for at least quietSeconds.
    std::optional<double> SilenceFrom(double from, double quietSeconds = 0.4) const;
    // Waits until sound is heard after from; its start, or nothing at the deadline.
    std::optional<double> WaitForSound(double from, int timeoutMs, int level = kSoundLevel) const;
    // Waits until the sound heard after from has been followed by quietSeconds of silence; the
    // start of that silence, or nothing at the deadline.
    std::optional<double> WaitForSilence(double from, int timeoutMs, double quietSeconds = 0.4) const;
    // Diagnostics: the block levels (in hundreds) from from to the end, for failure messages.
    std::string Describe(double from) const;

private:
    int BlockPeak(const std::string& samples, size_t block) const;
    std::string Read(double from) const;  // the raw samples from from to the end

    std::string m_raw;    // host path of the raw recording
    std::string m_pid;    // host path of the recorder's process id
    bool m_ready = false;
};
