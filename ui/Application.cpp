// TApplication: application window, message loop, error box and the UI-thread hand-over.
#include "ui/Application.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/AppTitle.h"
#include "ui/ExceptionBoundary.h"
#include "ui/Form.h"
#include "ui/WindowClass.h"

TApplication* Application = nullptr;

namespace {
const char kApplicationClass[] = "TApplication";
const char kSyncClass[] = "TApplicationSync";
const UINT kRunCallMessage = WM_APP + 1;

std::string ProgramFileName() {
    char buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return std::string(buffer, length);
}
}  // namespace

std::string ErrorBoxText(const std::string& message) {
    // Texts from the platform (MCI's among them) often end in a full stop already.
    if (!message.empty() && message.back() == '.') return message;
    return message + ".";
}

TApplication::TApplication() : TComponent(nullptr) {
    Application = this;
    m_threadId = GetCurrentThreadId();
}

TApplication::~TApplication() {
    BeginDestroy();
    // Forms go first, newest first, while the application window that owns them still exists.
    DestroyComponents();
    m_mainForm = nullptr;
    m_syncWindow.Reset();
    m_handle.Reset();
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    if (m_handle) return;
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    m_title = ApplicationTitleFromFileName(ProgramFileName());
    HINSTANCE instance = GetModuleHandleA(nullptr);
    TWindowClass application;
    application.Name = kApplicationClass;
    application.Procedure = &ApplicationWndProc;
    application.Cursor = ArrowCursor();
    application.Icon = LoadIconA(instance, "MAINICON");
    EnsureWindowClass(application);
    TWindowClass sync;
    sync.Name = kSyncClass;
    sync.Procedure = &SyncWndProc;
    EnsureWindowClass(sync);
    // Hidden, and without owner: it owns every form, so only it is a top-level window of its own.
    m_handle.Reset(CreateWindowExA(0, kApplicationClass, m_title.c_str(),
                                   WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                                   GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                   nullptr, nullptr, instance, nullptr));
    if (!m_handle) throw std::runtime_error("Error creating window TApplication");
    m_syncWindow.Reset(CreateWindowExA(0, kSyncClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
}

void TApplication::FormCreated(TForm* form) {
    if (!m_mainForm) m_mainForm = form;
    form->DoCreate();
}

TForm* TApplication::ActiveForm() const {
    return dynamic_cast<TForm*>(TWinControl::FromHandle(GetActiveWindow()));
}

bool TApplication::TranslateDialogMessage(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (!dynamic_cast<TForm*>(TWinControl::FromHandle(root))) return false;
    return IsDialogMessageA(root, &message) != FALSE;
}

void TApplication::Run() {
    if (m_mainForm && !m_mainForm->Visible()) m_mainForm->Show();
    else if (m_mainForm) m_mainForm->BringToFront();
    // Runs until WM_QUIT (posted by Terminate) is taken from the queue, so none is left behind.
    for (;;) {
        MSG message;
        const BOOL result = GetMessageA(&message, nullptr, 0, 0);
        if (result == 0 || result == -1) break;
        if (!TranslateDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    m_terminated = true;
}

void TApplication::ProcessMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            m_terminated = true;
            break;
        }
        if (!TranslateDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

void TApplication::Terminate() {
    if (m_terminated) return;
    m_terminated = true;
    PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception& error) {
    // An error raised while one is being shown (the box runs a message loop) is not shown again.
    if (m_handlingException) return;
    m_handlingException = true;
    try {
        if (OnException) {
            OnException(error);
        } else {
            TForm* active = ActiveForm();
            HWND owner = active ? active->Handle() : m_handle.Get();
            MessageBoxA(owner, ErrorBoxText(error.what()).c_str(), m_title.c_str(), MB_ICONSTOP | MB_OK);
        }
    } catch (...) {
        // The reporter itself failed: nothing better is left to do than to go on.
    }
    m_handlingException = false;
}

void TApplication::ReportException(const std::exception& error) {
    if (Application) {
        Application->HandleException(error);
        return;
    }
    MessageBoxA(nullptr, ErrorBoxText(error.what()).c_str(), "", MB_ICONSTOP | MB_OK);
}

void TApplication::Synchronize(const std::function<void()>& call) {
    if (GetCurrentThreadId() == m_threadId || !m_syncWindow) {
        GuardedRun(call);
        return;
    }
    SendMessageA(m_syncWindow.Get(), kRunCallMessage, 0, reinterpret_cast<LPARAM>(&call));
}

LRESULT CALLBACK TApplication::SyncWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRunCallMessage) return DefWindowProcA(window, message, wParam, lParam);
    GuardedRun(*reinterpret_cast<const std::function<void()>*>(lParam));
    return 0;
}

LRESULT CALLBACK TApplication::ApplicationWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing the program's task-bar window closes the main form.
    if (message == WM_CLOSE && Application && Application->m_mainForm) {
        GuardedRun([] { Application->m_mainForm->Close(); });
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ReportBoundaryException(const std::exception& error) { TApplication::ReportException(error); }

void ReportUnknownBoundaryException() { TApplication::ReportException(std::runtime_error("Unknown error")); }
