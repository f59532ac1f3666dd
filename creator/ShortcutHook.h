// TShortcutHook: the creator's keyboard shortcuts, whichever of its controls has the focus.
#pragma once
#include <windows.h>

// The commands the keys stand for.
enum TShortcut : WPARAM { scOpen = 1, scSave, scSaveAs, scShowInViewer, scStop };

// While it lives, a key of the thread's message queue that is a shortcut (Ctrl+O, Ctrl+S,
// Ctrl+Shift+S, F5, Esc) and is meant for a window inside form is taken out of the queue, and
// form gets message with the TShortcut as wParam instead. The command runs from form's own
// message, not inside the hook, so that a dialog it opens has an ordinary message loop.
class TShortcutHook {
public:
    TShortcutHook(HWND form, UINT message);
    ~TShortcutHook();
    TShortcutHook(const TShortcutHook&) = delete;
    TShortcutHook& operator=(const TShortcutHook&) = delete;

    // The shortcut for a key with these modifiers, or 0.
    static WPARAM ShortcutOf(WPARAM key, bool control, bool shift);

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

    HWND m_form;     // not owned; carries this object as a window property while the hook lives
    UINT m_message;
    HHOOK m_hook;    // owned
};
