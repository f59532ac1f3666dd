// The panel test fixture and the deadlock watchdog.
#include "tests/win/controls/PanelFixture.h"

#include <cstdio>

#include "tests/support/MessagePump.h"
#include "ui/Application.h"

void PanelTest::SetUp() {
    Form = Application->Create<TForm>("TPanelTestForm");
    Form->SetBounds(100, 100, 520, 360);
    Panel = Form->Create<TScrollingPanel>();
    TFont font;
    font.SetColor(clRed);
    font.SetStyle(fsBold);
    Panel->SetParentFont(false);
    Panel->SetFont(font);
    Panel->SetBounds(8, 8, 481, 297);
    Panel->SetParent(Form);
    Panel->SetInterval(3600 * 1000);
    Form->Show();
    DrainMessages();
}

void PanelTest::TearDown() {
    Application->RemoveComponent(Form).reset();
    DrainMessages();
}

void PanelTest::Start(const std::vector<std::string>& lines) {
    Panel->SetLines(lines);
    Panel->StartScrolling();
    UpdateWindow(Panel->Handle());
    DrainMessages();
}

void PanelTest::Ticks(int count) {
    for (int i = 0; i < count; ++i) Panel->ScrollStep();
}

namespace {
struct TWatch {
    HANDLE disarm;
    DWORD seconds;
    const char* what;
};

DWORD WINAPI Watch(void* parameter) {
    auto* watch = static_cast<TWatch*>(parameter);
    if (WaitForSingleObject(watch->disarm, watch->seconds * 1000) == WAIT_TIMEOUT) {
        std::fprintf(stderr, "deadlock: %s did not finish in %lu s\n", watch->what, watch->seconds);
        std::fflush(stderr);
        ExitProcess(3);
    }
    delete watch;
    return 0;
}
}  // namespace

TDeadlockWatchdog::TDeadlockWatchdog(DWORD seconds, const char* what)
    : m_disarm(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    m_thread = CreateThread(nullptr, 0, &Watch, new TWatch{m_disarm, seconds, what}, 0, nullptr);
}

TDeadlockWatchdog::~TDeadlockWatchdog() {
    SetEvent(m_disarm);
    WaitForSingleObject(m_thread, INFINITE);
    CloseHandle(m_thread);
    CloseHandle(m_disarm);
}
