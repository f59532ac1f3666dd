// TApplication: application window, message loop, error box and the UI-thread hand-over.
#include "ui/Application.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "sys/WindowClass.h"
#include "sys/mysys.h"
#include "ui/AppTitle.h"
#include "ui/ExceptionBoundary.h"
#include "ui/Form.h"

TApplication* Application = nullptr;

namespace {
const char kApplicationClass[] = "TApplication";
const char kSyncClass[] = "TApplicationSync";
const UINT kRunCallMessage = WM_APP + 1;
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
    m_syncWindow.reset();
    m_handle.Reset();
    if (Application == this) Application = nullptr;
}

void TApplication::Initialize() {
    if (m_handle) return;
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    m_title = ApplicationTitleFromFileName(ProgramFilePath());
    HINSTANCE instance = GetModuleHandleA(nullptr);
    TWindowClass application;
    application.Name = kApplicationClass;
    application.Procedure = &ApplicationWndProc;
    application.Cursor = ArrowCursor();
    application.Icon = LoadIconA(instance, "MAINICON");
    EnsureWindowClass(application);
    // Without owner and of no size: it owns every form, so only it is a top-level window of its
    // own. It stays hidden until the message loop starts and shows it as the task-bar entry.
    m_handle.Reset(CreateWindowExA(0, kApplicationClass, m_title.c_str(),
                                   WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS,
                                   GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                                   nullptr, nullptr, instance, nullptr));
    if (!m_handle) throw std::runtime_error("Error creating window TApplication");
    // Runs the calls other threads hand over (Synchronize), in this thread's message loop.
    m_syncWindow.emplace(kSyncClass, kRunCallMessage,
                         [](WPARAM, LPARAM call) { GuardedRun(*reinterpret_cast<const std::function<void()>*>(call)); });
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
    // The application window holds the program's one task-bar entry: shown, but of no size, so
    // nothing of it is seen. The forms it owns get no entries of their own.
    if (m_handle) ShowWindow(m_handle.Get(), SW_SHOWNOACTIVATE);
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
            // Handed on, so that the message loop that runs the program takes it too and the
            // program ends as soon as the work that called this pass returns.
            m_terminated = true;
            PostQuitMessage(static_cast<int>(message.wParam));
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
    // The box runs a message loop, so timers and other windows' events go on while it is open.
    // An error they raise meanwhile waits for the open box to close and then gets a box of its
    // own: one box at a time, none dropped. A text already waiting is not queued twice, so a
    // timer that fails at every tick gives one further box, not one for each tick it missed.
    if (m_handlingException) {
        const std::string text = error.what();
        if (std::find(m_waitingErrors.begin(), m_waitingErrors.end(), text) == m_waitingErrors.end())
            m_waitingErrors.push_back(text);
        return;
    }
    m_handlingException = true;
    ShowError(error);
    while (!m_waitingErrors.empty()) {
        const std::runtime_error waiting(m_waitingErrors.front());
        m_waitingErrors.pop_front();
        ShowError(waiting);
    }
    m_handlingException = false;
}

void TApplication::ShowError(const std::exception& error) {
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
}

void TApplication::ReportException(const std::exception& error) {
    if (Application) {
        Application->HandleException(error);
        return;
    }
    MessageBoxA(nullptr, ErrorBoxText(error.what()).c_str(), "", MB_ICONSTOP | MB_OK);
}

void TApplication::Synchronize(const std::function<void()>& call) {
    if (GetCurrentThreadId() == m_threadId || !m_syncWindow || !*m_syncWindow) {
        GuardedRun(call);
        return;
    }
    SendMessageA(m_syncWindow->Get(), kRunCallMessage, 0, reinterpret_cast<LPARAM>(&call));
}

void TApplication::Minimize() {
    if (!m_handle || IsIconic(m_handle.Get())) return;
    // The forms leave the screen with the program; their own visibility stays as it is, so that
    // the restore brings back exactly the ones that were shown.
    m_hiddenByMinimize.clear();
    for (HWND window = GetWindow(GetDesktopWindow(), GW_CHILD); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetWindow(window, GW_OWNER) == m_handle.Get() && IsWindowVisible(window)) m_hiddenByMinimize.push_back(window);
    }
    ShowWindow(m_handle.Get(), SW_MINIMIZE);
    for (HWND window : m_hiddenByMinimize) ShowWindow(window, SW_HIDE);
}

void TApplication::Restore() {
    if (!m_handle) return;
    ShowWindow(m_handle.Get(), SW_RESTORE);
    // Back in the order they stood, the top one last; then the one last active takes the focus.
    for (auto it = m_hiddenByMinimize.rbegin(); it != m_hiddenByMinimize.rend(); ++it)
        if (IsWindow(*it)) ShowWindow(*it, SW_SHOWNA);
    m_hiddenByMinimize.clear();
    ActivateLastForm();
}

void TApplication::ActivateLastForm() {
    // The window of the program that was active last: a form, or a box or dialog it opened.
    HWND last = GetLastActivePopup(m_handle.Get());
    if (last == m_handle.Get() && m_mainForm && m_mainForm->HandleAllocated()) last = m_mainForm->Handle();
    if (last != m_handle.Get() && IsWindowVisible(last) && IsWindowEnabled(last)) {
        SetForegroundWindow(last);
        SetActiveWindow(last);
    }
}

LRESULT CALLBACK TApplication::ApplicationWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TApplication* const application = Application && Application->m_handle.Get() == window ? Application : nullptr;
    if (!application) return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
        case WM_CLOSE:
            // Closing the program's task-bar entry closes the main form.
            if (application->m_mainForm) GuardedRun([application] { application->m_mainForm->Close(); });
            return 0;
        case WM_SYSCOMMAND:
            // The task bar minimises and restores the program through its entry.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                application->Minimize();
                return 0;
            }
            if ((wParam & 0xFFF0) == SC_RESTORE && IsIconic(window)) {
                application->Restore();
                return 0;
            }
            break;
        case WM_ACTIVATE:
            // Chosen in the task bar or by Alt+Tab: the program's own window takes the activation.
            if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
                application->ActivateLastForm();
                return 0;
            }
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void ReportBoundaryException(const std::exception& error) { TApplication::ReportException(error); }

void ReportUnknownBoundaryException() { TApplication::ReportException(std::runtime_error("Unknown error")); }
