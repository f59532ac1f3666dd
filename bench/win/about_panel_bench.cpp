// Benchmark: the About window's credits panel. The cost of one tick (frame and copy), the share of
// one core the process uses while the credits scroll at 30 ms against the same window standing
// still, and the interface thread's message round trip in both states.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <vector>

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

struct TPhase {
    double cpuShare = 0;       // of one core
    double roundTripUs = 0;    // median
    double roundTripP95Us = 0;
    int ticks = 0;
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

TPhase Measure(HWND window, TScrollingPanel& panel, DWORD milliseconds) {
    TProbe probe{window};
    const int startPosition = panel.ScrollPosition();
    const double cpuStart = ProcessCpuSeconds();
    const auto wallStart = TClock::now();
    HANDLE thread = CreateThread(nullptr, 0, &Probe, &probe, 0, nullptr);
    PumpMessagesFor(milliseconds);
    probe.stop = true;
    while (WaitForSingleObject(thread, 0) == WAIT_TIMEOUT) PumpMessagesFor(5);
    CloseHandle(thread);
    TPhase phase;
    phase.cpuShare = (ProcessCpuSeconds() - cpuStart) / Seconds(wallStart);
    std::sort(probe.samples.begin(), probe.samples.end());
    phase.roundTripUs = probe.samples[probe.samples.size() / 2];
    phase.roundTripP95Us = probe.samples[probe.samples.size() * 95 / 100];
    phase.ticks = panel.ScrollPosition() - startPosition;
    return phase;
}
}  // namespace

int main() {
    TApplication application;
    Application->Initialize();
    Application->OnException = [](const std::exception& error) { std::printf("error: %s\n", error.what()); };
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

    // (b) and (c): the window standing still, then scrolling at 30 ms, the same time each.
    constexpr DWORD kPhase = 4000;
    const TPhase idle = Measure(Form5->Handle(), panel, kPhase);
    panel.StartScrolling();
    const TPhase scrolling = Measure(Form5->Handle(), panel, kPhase);
    panel.StopScrolling();

    const double tick = Median(tickTimes);
    std::printf("About panel 481 x 297, %d lines, text rectangle 473 x 289\n", panel.Lines().Count());
    std::printf("(a) one tick (frame + copy), median of %d : %8.1f us   (%.2f %% of a 30 ms period)\n", kTicks, tick,
                tick / 300.0);
    std::printf("(b) share of one core, window still       : %8.2f %%\n", idle.cpuShare * 100);
    std::printf("(c) share of one core, scrolling at 30 ms : %8.2f %%   (%d ticks in %.1f s; the panel's part %.2f %%)\n",
                scrolling.cpuShare * 100, scrolling.ticks, kPhase / 1000.0,
                (scrolling.cpuShare - idle.cpuShare) * 100);
    std::printf("(d) message round trip, window still      : %8.1f us median, %8.1f us 95th percentile\n",
                idle.roundTripUs, idle.roundTripP95Us);
    std::printf("(e) message round trip, scrolling         : %8.1f us median, %8.1f us 95th percentile\n",
                scrolling.roundTripUs, scrolling.roundTripP95Us);
    std::printf("    ratio (e)/(d) median %.2f, 95th percentile %.2f   (target: at most 2)\n",
                scrolling.roundTripUs / idle.roundTripUs, scrolling.roundTripP95Us / idle.roundTripP95Us);
    std::printf("    panel's core share %.2f %% (target: under 5 %%)\n", (scrolling.cpuShare - idle.cpuShare) * 100);
    Form5->Close();
    return 0;
}
