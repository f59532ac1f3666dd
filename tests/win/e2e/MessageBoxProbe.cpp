// Finding, reading and answering the message boxes of another process.
#include "tests/win/e2e/MessageBoxProbe.h"

#include "tests/win/e2e/WindowProbe.h"

namespace {
constexpr char kDialogClass[] = "#32770";

std::string WithoutAccelerator(const std::string& caption) {
    std::string plain;
    for (char c : caption)
        if (c != '&') plain += c;
    return plain;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

bool IsPushButton(HWND control) {
    if (ClassNameOf(control) != "Button") return false;
    const LONG_PTR type = GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool IsStatic(HWND control, bool icon) {
    if (ClassNameOf(control) != "Static") return false;
    const bool isIcon = (GetWindowLongPtrA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
    return isIcon == icon;
}
}  // namespace

HWND FindMessageBox(DWORD processId) {
    for (HWND window : TopLevelWindowsOf(processId))
        if (ClassNameOf(window) == kDialogClass && IsWindowVisible(window)) return window;
    return nullptr;
}

TMessageBoxView ReadMessageBox(HWND box) {
    TMessageBoxView view;
    view.window = box;
    view.caption = TitleOf(box);
    // The message is the text control with ID 0xFFFF on Windows; Wine's box numbers it 100.
    // Both are looked for, and failing those the first text control that holds any text.
    HWND textControl = nullptr;
    for (int id : {0xFFFF, 100}) {
        HWND candidate = GetDlgItem(box, id);
        if (candidate && IsStatic(candidate, false)) {
            textControl = candidate;
            break;
        }
    }
    std::vector<HWND> children = ChildrenOf(box);
    if (!textControl)
        for (HWND child : children)
            if (IsStatic(child, false) && !TextOf(child).empty()) {
                textControl = child;
                break;
            }
    if (textControl) view.text = TextOf(textControl);
    for (HWND child : children) {
        if (IsStatic(child, true) && IsWindowVisible(child)) {
            DWORD_PTR icon = 0;
            if (SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 5000, &icon) && icon)
                view.hasIcon = true;
        }
        if (IsPushButton(child) && IsWindowVisible(child)) {
            view.buttons.push_back(static_cast<int>(GetWindowLongPtrA(child, GWLP_ID)));
            view.buttonCaptions.push_back(WithoutAccelerator(TextOf(child)));
        }
    }
    return view;
}

bool PressMessageBoxButton(HWND box, int commandId) {
    for (HWND child : ChildrenOf(box)) {
        if (!IsPushButton(child) || !IsWindowVisible(child)) continue;
        if (static_cast<int>(GetWindowLongPtrA(child, GWLP_ID)) != commandId) continue;
        // The click may end the process that owns the box, so the answer is not waited for long.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(child, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
        return true;
    }
    return false;
}
