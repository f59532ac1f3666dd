// Benchmark: the About window's credits panel. The cost of one tick (frame and copy), the share of
// one core the process uses while the credits scroll at 30 ms against the same window standing
// still, and the interface thread's message round trip in both states.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

#include "bench/common/BenchApplication.h"
#include "bench/common/BenchCommon.h"
#include "tests/support/MessagePump.h"
#include "ui/Application.h"
#include "windows/Unit5.h"

namespace {
double ProcessCpuSeconds() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

// What one state (still or scrolling) gathered over all its time slices.
struct TPhase {
    double cpuSeconds = 0;
    double wallSeconds = 0;
    std::vector<double> samples;  // round trips in microseconds
    int ticks = 0;
    double CpuShare() const { return cpuSeconds / wallSeconds; }
    double Percentile(int p) {
        std::sort(samples.begin(), samples.end());
        return samples[samples.size() * static_cast<std::size_t>(p) / 100];
    }
};

struct TProbe {
    HWND window;
    std::atomic<bool> stop{false};
    std::vector<double> samples;
};

// Another thread sends the interface thread an empty message every 5 ms and times the answer.
DWORD WINAPI Probe(void* parameter) {
    auto* probe = static_cast<TProbe*>(parameter);
    while (!probe->stop) {
        const auto start = TClock::now();
        SendMessageA(probe->window, WM_NULL, 0, 0);
        probe->samples.push_back(Seconds(start) * 1e6);
        Sleep(5);
    }
    return 0;
}

void Measure(HWND window, TScrollingPanel& panel, DWORD milliseconds, TPhase& phase) {
    TProbe probe{window, {}, {}};
    const int startPosition = panel.ScrollPosition();
    const double cpuStart = ProcessCpuSeconds();
    const auto wallStart = TClock::now();
    HANDLE thread = CreateThread(nullptr, 0, &Probe, &probe, 0, nullptr);
    PumpMessagesFor(milliseconds);
    probe.stop = true;
    while (WaitForSingleObject(thread, 0) == WAIT_TIMEOUT) PumpMessagesFor(5);
    CloseHandle(thread);
    phase.cpuSeconds += ProcessCpuSeconds() - cpuStart;
    phase.wallSeconds += Seconds(wallStart);
    phase.samples.insert(phase.samples.end(), probe.samples.begin(), probe.samples.end());
    phase.ticks += panel.ScrollPosition() - startPosition;
}
}  // namespace

int main() {
    TApplication application;
    InitializeBenchApplication();
    Application->CreateForm(Form5);
    TScrollingPanel& panel = *Form5->ScrollingPanel1;
    Form5->Show();
    PumpMessagesFor(300);

    // (a) One tick, driven by hand while the timer sleeps: frame into the bitmap, one copy.
    panel.SetInterval(3600 * 1000);
    panel.SetCycled(true);
    panel.StartScrolling();
    PumpMessagesFor(100);
    constexpr int kTicks = 2000;
    std::vector<double> tickTimes;
    for (int i = 0; i < kTicks; ++i) {
        const auto start = TClock::now();
        panel.ScrollStep();
        GdiFlush();
        tickTimes.push_back(Seconds(start) * 1e6);
    }
    panel.StopScrolling();
    panel.SetCycled(false);
    panel.SetInterval(30);
    PumpMessagesFor(200);

    // (b) to (e): the window standing still and scrolling at 30 ms, in alternating slices of the
    // same length, so that the load of the machine falls on both alike.
    constexpr int kSlices = 6;
    constexpr DWORD kSlice = 1000;
    panel.SetCycled(true);
    TPhase idle, scrolling;
    for (int slice = 0; slice < kSlices; ++slice) {
        Measure(Form5->Handle(), panel, kSlice, idle);
        panel.StartScrolling();
        Measure(Form5->Handle(), panel, kSlice, scrolling);
        panel.StopScrolling();
    }

    const double tick = Median(tickTimes);
    std::printf("About panel 481 x 297, %d lines, text rectangle 473 x 289\n", panel.Lines().Count());
    std::printf("(a) one tick (frame + copy), median of %d : %8.1f us   (%.2f %% of a 30 ms period)\n", kTicks, tick,
                tick / 300.0);
    const double still = idle.CpuShare() * 100, moving = scrolling.CpuShare() * 100;
    std::printf("(b) share of one core, window still       : %8.2f %%\n", still);
    std::printf("(c) share of one core, scrolling at 30 ms : %8.2f %%   (%d ticks in %.1f s)\n", moving, scrolling.ticks,
                scrolling.wallSeconds);
    std::printf("    the panel's part (c) - (b)            : %8.2f %%   (target: under 5 %%)\n", moving - still);
    const double idleMedian = idle.Percentile(50), idleP95 = idle.Percentile(95);
    const double movingMedian = scrolling.Percentile(50), movingP95 = scrolling.Percentile(95);
    std::printf("(d) message round trip, window still      : %8.1f us median, %8.1f us 95th percentile\n", idleMedian,
                idleP95);
    std::printf("(e) message round trip, scrolling         : %8.1f us median, %8.1f us 95th percentile\n",
                movingMedian, movingP95);
    std::printf("    ratio (e)/(d)                         : %8.2f median, %8.2f 95th percentile (target: at most 2)\n",
                movingMedian / idleMedian, movingP95 / idleP95);
    Form5->Close();
    return 0;
}
