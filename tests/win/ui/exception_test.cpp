// The exception boundary: an error in an event is reported and the program goes on; the
// hand-over of calls from worker threads to the user-interface thread.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

#include "UiTestSupport.h"
#include "ui/Button.h"
#include "ui/ExceptionBoundary.h"
#include "tests/support/MessagePump.h"
#include "ui/SpeedButton.h"
#include "ui/Timer.h"

TEST(ExceptionBoundary, ErrorInAnEventReachesTheHandlerAndTheProgramGoesOn) {
    TScratchForm form;
    TErrorCapture errors;
    auto* button = form->Create<TButton>();
    button->SetParent(form.Get());
    int clicks = 0;
    button->OnClick = [&](TObject*) {
        ++clicks;
        throw std::runtime_error("Cannot open file \"x\"");
    };
    auto* speed = form->Create<TSpeedButton>();
    speed->SetParent(form.Get());
    speed->OnClick = [](TObject*) { throw std::runtime_error("JPEG error #53"); };
    auto* timer = form->Create<TTimer>();
    timer->SetInterval(20);
    timer->OnTimer = [&](TObject*) {
        timer->SetEnabled(false);
        throw std::runtime_error("from a tick");
    };

    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);
    SendMessageA(speed->Handle(), BM_CLICK, 0, 0);
    PumpMessagesUntil([&] { return errors.Messages.size() >= 4; }, 2000);

    EXPECT_EQ(clicks, 2) << "the second click ran after the first one's error";
    EXPECT_EQ(errors.Messages, (std::vector<std::string>{"Cannot open file \"x\"", "Cannot open file \"x\"",
                                                          "JPEG error #53", "from a tick"}));
    EXPECT_TRUE(IsWindow(button->Handle()));
}

// While the first error's box is open its loop runs the other events; a timer that fails at each
// of its ticks meanwhile is reported once more after that box, neither dropped nor one per tick.
TEST(ExceptionBoundary, ErrorRaisedWhileABoxIsOpenIsShownAfterIt) {
    TScratchForm form;
    TErrorCapture errors;
    auto* timer = form->Create<TTimer>();
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
        if (++ticks == 3) timer->SetEnabled(false);
        throw std::runtime_error("from a tick");
    };
    timer->SetEnabled(false);
    Application->OnException = [&](const std::exception& error) {
        errors.Messages.push_back(error.what());
        if (errors.Messages.size() > 1) return;
        timer->SetEnabled(true);
        PumpMessagesUntil([&] { return ticks == 3; }, 2000);  // as the open box's loop would
    };
    GuardedRun([] { throw std::runtime_error("from a click"); });
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(errors.Messages, (std::vector<std::string>{"from a click", "from a tick"}));
}

TEST(ExceptionBoundary, ErrorInTheCreationEventIsReportedAndTheFormStillExists) {
    TErrorCapture errors;
    TScratchForm form;
    bool laterStep = false;
    form->OnCreate = [&](TObject*) {
        throw std::runtime_error("step failed");
        laterStep = true;
    };
    form->DoCreate();
    EXPECT_EQ(errors.Messages, std::vector<std::string>{"step failed"});
    EXPECT_FALSE(laterStep);
    EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST(ExceptionBoundary, StandardBoxShowsTextWithFullStopUnderTheApplicationTitle) {
    const struct {
        const char* message;
        const char* shown;
    } texts[] = {
        {"JPEG error #53", "JPEG error #53."},
        {"Failed to set data for ''", "Failed to set data for ''."},
        // A text that ends in a full stop already keeps its one stop.
        {"The specified file cannot be played on the specified MCI device. The file may be corrupt.",
         "The specified file cannot be played on the specified MCI device. The file may be corrupt."},
        {"Ends with a stop.", "Ends with a stop."},
        {"Wait...", "Wait..."},
        {"Stop inside. Not at the end", "Stop inside. Not at the end."},
        {"Ends with a stop and a space. ", "Ends with a stop and a space. ."},
        {"", "."},
    };
    for (const auto& t : texts) EXPECT_EQ(ErrorBoxText(t.message), t.shown) << t.message;

    // A watcher thread reads the box that HandleException shows and presses its OK button.
    std::atomic<bool> found{false};
    std::string text, caption;
    bool iconShown = false;
    int buttons = 0;
    std::thread watcher([&] {
        for (int i = 0; i < 200 && !found; ++i) {
            HWND box = FindWindowA("#32770", Application->Title().c_str());
            if (box && IsWindowVisible(box)) {
                caption = WindowText(box);
                char buffer[256] = {};
                GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
                text = buffer;
                for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                    if (!IsWindowVisible(child)) continue;
                    const LONG childStyle = GetWindowLongA(child, GWL_STYLE);
                    if (WindowClass(child) == "Static" && (childStyle & SS_TYPEMASK) == SS_ICON &&
                        SendMessageA(child, STM_GETICON, 0, 0))
                        iconShown = true;
                    if (WindowClass(child) == "Button") ++buttons;
                }
                found = true;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
            }
            Sleep(25);
        }
    });
    // The real box this time: no handler is installed while it shows.
    const auto handler = Application->OnException;
    Application->OnException = nullptr;
    Application->HandleException(std::runtime_error("Something failed"));
    Application->OnException = handler;
    watcher.join();
    ASSERT_TRUE(found);
    EXPECT_EQ(caption, Application->Title());
    EXPECT_EQ(text, "Something failed.");
    EXPECT_TRUE(iconShown) << "the stop icon";
    EXPECT_EQ(buttons, 1) << "only OK";
}

TEST(Synchronize, RunsTheCallOnTheInterfaceThreadWhileTheWorkerWaits) {
    const DWORD uiThread = GetCurrentThreadId();
    DWORD ranOn = 0;
    std::atomic<bool> workerDone{false};
    bool resultSeenByWorker = false;
    std::thread worker([&] {
        int value = 0;
        Application->Synchronize([&] {
            ranOn = GetCurrentThreadId();
            value = 42;
        });
        resultSeenByWorker = value == 42;  // Synchronize returned only after the call ran
        workerDone = true;
    });
    const bool finished = PumpMessagesUntil([&] { return workerDone.load(); }, 3000);
    worker.join();
    ASSERT_TRUE(finished);
    EXPECT_EQ(ranOn, uiThread);
    EXPECT_TRUE(resultSeenByWorker);
}

TEST(Synchronize, ErrorInsideTheCallIsReportedOnTheInterfaceThread) {
    TErrorCapture errors;
    DWORD reportedOn = 0;
    Application->OnException = [&](const std::exception& error) {
        reportedOn = GetCurrentThreadId();
        errors.Messages.push_back(error.what());
    };
    std::atomic<bool> workerDone{false};
    std::thread worker([&] {
        Application->Synchronize([] { throw std::runtime_error("inside"); });
        workerDone = true;
    });
    const bool finished = PumpMessagesUntil([&] { return workerDone.load(); }, 3000);
    worker.join();
    ASSERT_TRUE(finished);
    EXPECT_EQ(errors.Messages, std::vector<std::string>{"inside"});
    EXPECT_EQ(reportedOn, GetCurrentThreadId());
}

namespace {
// Not derived from std::exception: what a careless handler or a foreign library might throw.
struct TForeignFailure {};
}  // namespace

// Every way into the program from the platform (a control's message, a tick, the creation event,
// a hand-over from this thread and from a worker) stops a foreign exception and reports it.
TEST(ExceptionBoundary, ForeignExceptionIsReportedOnEveryPathAndTheProgramGoesOn) {
    TScratchForm form;
    TErrorCapture errors;
    auto* button = form->Create<TButton>();
    button->SetParent(form.Get());
    button->OnClick = [](TObject*) { throw TForeignFailure{}; };
    SendMessageA(button->Handle(), BM_CLICK, 0, 0);

    auto* timer = form->Create<TTimer>();
    timer->SetInterval(10);
    timer->OnTimer = [timer](TObject*) {
        timer->SetEnabled(false);
        throw TForeignFailure{};
    };
    PumpMessagesUntil([&] { return errors.Messages.size() >= 2; }, 2000);

    form->OnCreate = [](TObject*) { throw TForeignFailure{}; };
    form->DoCreate();
    Application->Synchronize([] { throw TForeignFailure{}; });
    std::atomic<bool> workerDone{false};
    std::thread worker([&] {
        Application->Synchronize([] { throw TForeignFailure{}; });
        workerDone = true;
    });
    PumpMessagesUntil([&] { return workerDone.load(); }, 3000);
    worker.join();

    EXPECT_EQ(errors.Messages, std::vector<std::string>(5, "Unknown error"));
    EXPECT_TRUE(IsWindow(button->Handle()));
}
