// The threaded timer: when it ticks and when not, its period, its error reports, its priorities,
// and destruction while a tick waits for the interface thread.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/ThreadedTimer.h"
#include "controls/TimerThread.h"
#include "tests/support/MessagePump.h"
#include "tests/support/application/ErrorCapture.h"
#include "tests/win/controls/PanelFixture.h"
#include "ui/Abort.h"
#include "ui/Application.h"

namespace {
double NowMs() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::unique_ptr<TThreadedTimer> MakeTimer(unsigned interval, bool syncEvent) {
    auto timer = std::make_unique<TThreadedTimer>(nullptr);
    timer->SetSyncEvent(syncEvent);
    timer->SetInterval(interval);
    return timer;
}

int ProcessThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 entry{sizeof entry};
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    CloseHandle(snapshot);
    return count;
}
}  // namespace

struct TSilenceCase {
    const char* name;
    unsigned interval;
    bool handler;
    bool enabled;
    bool ticks;
};

class TimerSilence : public testing::TestWithParam<TSilenceCase> {};

TEST_P(TimerSilence, TicksOnlyWithIntervalHandlerAndEnabled) {
    const TSilenceCase& c = GetParam();
    for (bool syncEvent : {false, true}) {
        SCOPED_TRACE(syncEvent ? "ticks on the interface thread" : "ticks on the worker");
        std::atomic<int> ticks{0};
        auto timer = MakeTimer(c.interval, syncEvent);
        timer->SetEnabled(c.enabled);
        if (c.handler) timer->SetOnTimer([&](TObject*) { ++ticks; });
        PumpMessagesFor(250);
        if (c.ticks) EXPECT_GE(ticks.load(), 3);
        else EXPECT_EQ(ticks.load(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TimerSilence,
                         testing::Values(TSilenceCase{"all_set", 10, true, true, true},
                                         TSilenceCase{"interval_0", 0, true, true, false},
                                         TSilenceCase{"no_handler", 10, false, true, false},
                                         TSilenceCase{"disabled", 10, true, false, false}),
                         [](const testing::TestParamInfo<TSilenceCase>& info) { return info.param.name; });

TEST(ThreadedTimer, ReplacingTheHandlerKeepsThePeriodRunning) {
    // Ticks every 300 ms; the handler is replaced 150 ms after a tick. Without a restart the new
    // handler's first tick comes about 150 ms later, with one about 300 ms later.
    std::atomic<double> firstA{0}, firstB{0};
    std::atomic<int> ticksA{0}, ticksB{0};
    auto timer = MakeTimer(300, false);
    timer->SetOnTimer([&](TObject*) {
        if (ticksA++ == 0) firstA = NowMs();
    });
    ASSERT_TRUE(PumpMessagesUntil([&] { return ticksA > 0; }, 2000));
    while (NowMs() < firstA + 150) Sleep(1);
    const double replaced = NowMs();
    const int ticksABefore = ticksA;
    timer->SetOnTimer([&](TObject*) {
        if (ticksB++ == 0) firstB = NowMs();
    });
    ASSERT_TRUE(PumpMessagesUntil([&] { return ticksB > 0; }, 2000));
    EXPECT_LT(firstB - replaced, 240.0);
    EXPECT_EQ(ticksA.load(), ticksABefore);  // the old handler is not called again
}

TEST(ThreadedTimer, ASlowHandlerStretchesThePeriodWithoutSkippedOrDoubledTicks) {
    for (bool syncEvent : {false, true}) {
        SCOPED_TRACE(syncEvent ? "ticks on the interface thread" : "ticks on the worker");
        std::vector<double> starts;
        std::atomic<int> running{0}, overlaps{0};
        auto timer = MakeTimer(30, syncEvent);
        timer->SetOnTimer([&](TObject*) {
            if (running++ != 0) ++overlaps;
            starts.push_back(NowMs());
            Sleep(60);
            --running;
        });
        ASSERT_TRUE(PumpMessagesUntil([&] { return running == 0 && starts.size() >= 8; }, 5000));
        timer->SetEnabled(false);
        PumpMessagesFor(150);  // a tick that began meanwhile ends; none starts
        const std::size_t count = starts.size();
        PumpMessagesFor(200);
        EXPECT_EQ(starts.size(), count);
        EXPECT_EQ(overlaps.load(), 0);
        for (std::size_t i = 1; i < count; ++i) {
            // 60 ms of work plus 30 ms of pause: never closer (no burst), never a lost period.
            EXPECT_GE(starts[i] - starts[i - 1], 88.0) << "tick " << i;
            EXPECT_LT(starts[i] - starts[i - 1], 300.0) << "tick " << i;
        }
    }
}

struct TFailureCase {
    const char* name;
    bool abort;
};

class TimerFailure : public testing::TestWithParam<TFailureCase> {};

TEST_P(TimerFailure, EachFailingTickReportsOnceAndTheTimerGoesOn) {
    for (bool syncEvent : {false, true}) {
        SCOPED_TRACE(syncEvent ? "ticks on the interface thread" : "ticks on the worker");
        TErrorCapture reports;  // written on the interface thread only
        std::atomic<int> ticks{0};
        auto timer = MakeTimer(5, syncEvent);
        const bool abort = GetParam().abort;
        timer->SetOnTimer([&](TObject*) {
            const int n = ++ticks;
            if (abort) throw EAbort();
            throw std::runtime_error("tick " + std::to_string(n));
        });
        ASSERT_TRUE(PumpMessagesUntil([&] { return ticks >= 6; }, 5000));
        timer.reset();
        DrainMessages();
        if (abort) {
            EXPECT_TRUE(reports.Messages.empty());
        } else {
            // One report per failing tick, in order (the last may have been dropped by the end).
            ASSERT_GE(reports.Messages.size(), 5u);
            for (std::size_t i = 0; i < reports.Messages.size(); ++i)
                EXPECT_EQ(reports.Messages[i], "tick " + std::to_string(i + 1));
            EXPECT_LE(reports.Messages.size(), static_cast<std::size_t>(ticks.load()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, TimerFailure,
                         testing::Values(TFailureCase{"error", false}, TFailureCase{"abort", true}),
                         [](const testing::TestParamInfo<TFailureCase>& info) { return info.param.name; });

TEST(ThreadedTimer, PrioritiesReachTheWorkerThread) {
    const struct {
        TThreadPriority priority;
        int platform;
    } cases[] = {{tpIdle, -15}, {tpLowest, -2}, {tpLower, -1}, {tpNormal, 0},
                 {tpHigher, 1}, {tpHighest, 2}, {tpTimeCritical, 15}};
    auto timer = MakeTimer(1000, false);
    timer->SetOnTimer([](TObject*) {});
    for (const auto& c : cases) {
        timer->SetThreadPriority(c.priority);
        EXPECT_EQ(timer->Thread().Priority(), c.platform) << c.priority;
    }
    // Without Threaded the value is only stored, and applied at the next start.
    timer->SetThreadPriority(tpNormal);
    timer->SetThreaded(false);
    EXPECT_TRUE(timer->Thread().Paused());
    timer->SetThreadPriority(tpHighest);
    EXPECT_EQ(timer->Thread().Priority(), 0);
    timer->SetThreaded(true);
    EXPECT_FALSE(timer->Thread().Paused());
    EXPECT_EQ(timer->Thread().Priority(), 2);
}

// The destructor runs while the worker waits for the interface thread: in a tick handed over
// (SyncEvent), or in a handler's SynchronizeCall, as the credits panel's stop does. A thousand
// times in turn: none may deadlock, and no handler or handed-over call may run afterwards.
TEST(ThreadedTimer, DestroyingWhileATickWaitsForTheInterfaceThreadNeverDeadlocks) {
    const int threadsBefore = ProcessThreadCount();
    int lateCalls = 0;
    {
        TDeadlockWatchdog watchdog(120, "destroying timers");
        for (int round = 0; round < 1000; ++round) {
            {
                const bool handOverTick = round % 2 == 0;
                std::atomic<int> calls{0};
                HANDLE waiting = CreateEventA(nullptr, TRUE, FALSE, nullptr);
                {
                    auto timer = MakeTimer(1, handOverTick);
                    if (handOverTick) {
                        timer->SetOnTimer([&](TObject*) { ++calls; });
                    } else {
                        timer->SetOnTimer([&, waiting](TObject* sender) {
                            SetEvent(waiting);
                            static_cast<TThreadedTimer*>(sender)->SynchronizeCall([&] { ++calls; });
                        });
                    }
                    // Without pumping, the worker soon blocks in its hand-over to this thread.
                    if (handOverTick) Sleep(3);
                    else WaitForSingleObject(waiting, 2000);
                }
                PumpMessagesFor(1);
                // The interface thread never pumped while the timer lived: every call would be late.
                lateCalls += calls;
                CloseHandle(waiting);
            }
        }
    }
    EXPECT_EQ(lateCalls, 0);
    // The workers end by themselves once told to: none is left behind.
    EXPECT_TRUE(PumpMessagesUntil([&] { return ProcessThreadCount() <= threadsBefore + 2; }, 5000))
        << ProcessThreadCount() << " threads, " << threadsBefore << " before";
}

// Once the application has begun to end, no tick comes, and the worker does not spin: it keeps
// sleeping its interval until it is told to end.
TEST(ThreadedTimer, AfterTheApplicationBeginsToEndNoTickComesAndNoCoreIsBurnt) {
    TApplication* const outer = Application;
    std::atomic<int> ticks{0};
    {
        TApplication ending;  // an application of its own, which this test ends
        auto timer = MakeTimer(5, false);
        timer->SetOnTimer([&](TObject*) { ++ticks; });
        Sleep(100);
        ASSERT_GT(ticks.load(), 0);
        ending.Terminate();
        Sleep(20);
        const int atEnd = ticks;
        FILETIME created, exited, kernel, user;
        auto busy = [&] {
            GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
            return (static_cast<double>(kernel.dwLowDateTime) + static_cast<double>(user.dwLowDateTime) +
                    4294967296.0 * (kernel.dwHighDateTime + user.dwHighDateTime)) / 1e4;  // milliseconds
        };
        const double before = busy();
        Sleep(500);
        EXPECT_LT(busy() - before, 150.0);  // a spinning worker would take about 500 ms
        EXPECT_EQ(ticks.load(), atEnd);
    }
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    Application = outer;
}

// A tick in progress on the worker is finished before the destructor returns.
TEST(ThreadedTimer, DestructionWaitsForATickInProgress) {
    for (int round = 0; round < 20; ++round) {
        std::atomic<bool> finished{false};
        HANDLE entered = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        {
            auto timer = MakeTimer(1, false);
            timer->SetOnTimer([&, entered](TObject*) {
                SetEvent(entered);
                Sleep(20);
                finished = true;
            });
            ASSERT_EQ(WaitForSingleObject(entered, 2000), WAIT_OBJECT_0);
        }
        EXPECT_TRUE(finished.load()) << "round " << round;
        CloseHandle(entered);
    }
}
