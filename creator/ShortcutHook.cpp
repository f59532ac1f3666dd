// TShortcutHook: a message hook of the user-interface thread that turns shortcut keys into a
// message to the form. The hook finds its object through a property of the key's top window,
// so no global state is needed.
#include "creator/ShortcutHook.h"

namespace {
const char kHookProperty[] = "SonpixCreatorShortcuts";
}

TShortcutHook::TShortcutHook(HWND form, UINT message)
    : m_form(form), m_message(message), m_hook(SetWindowsHookExA(WH_GETMESSAGE, HookProc, nullptr, GetCurrentThreadId())) {
    SetPropA(m_form, kHookProperty, this);
}

TShortcutHook::~TShortcutHook() {
    if (m_hook) UnhookWindowsHookEx(m_hook);
    RemovePropA(m_form, kHookProperty);
}

WPARAM TShortcutHook::ShortcutOf(WPARAM key, bool control, bool shift) {
    if (key == VK_F5 && !control && !shift) return scShowInViewer;
    if (key == VK_ESCAPE && !control && !shift) return scStop;
    if (!control) return 0;
    if (key == 'O' && !shift) return scOpen;
    if (key == 'S') return shift ? scSaveAs : scSave;
    return 0;
}

LRESULT CALLBACK TShortcutHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    MSG* message = reinterpret_cast<MSG*>(lParam);
    // Only a message that leaves the queue now counts, so that a peek does not run it twice.
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_KEYDOWN && message->hwnd) {
        HWND root = GetAncestor(message->hwnd, GA_ROOT);
        auto* hook = static_cast<TShortcutHook*>(GetPropA(root, kHookProperty));
        if (hook) {
            const WPARAM shortcut =
                ShortcutOf(message->wParam, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0);
            if (shortcut) {
                PostMessageA(hook->m_form, hook->m_message, shortcut, 0);
                message->message = WM_NULL;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
