// The folder field test helpers: shown form, dialog script, drops.
#include "tests/win/folderedit/FolderEditTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/MessagePump.h"
#include "ui/Application.h"

namespace {
TDialogScript* g_script = nullptr;  // the script whose timer is running

BOOL CALLBACK FindDialog(HWND window, LPARAM result) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    if (std::strcmp(name, kSelectFolderDialogClass) == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

TShownForm::TShownForm() : m_form(Application->Create<TForm>("TFolderEditTestForm")) {
    m_form->SetBounds(40, 40, 400, 200);
    m_form->Show();
    DrainMessages();
}

TShownForm::~TShownForm() {
    Application->RemoveComponent(m_form).reset();
    DrainMessages();
}

TSelectFolderDialog* ShownFolderDialog() {
    HWND window = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&window));
    return dynamic_cast<TSelectFolderDialog*>(TWinControl::FromHandle(window));
}

TDialogScript::TDialogScript(std::vector<TStep> steps) : m_steps(std::move(steps)) {
    g_script = this;
    m_timer = SetTimer(nullptr, 0, 30, &TDialogScript::Tick);
}

TDialogScript::~TDialogScript() {
    KillTimer(nullptr, m_timer);
    g_script = nullptr;
}

void CALLBACK TDialogScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    TDialogScript* script = g_script;
    if (!script) return;
    TSelectFolderDialog* dialog = ShownFolderDialog();
    if (!dialog) return;
    if (script->m_next < static_cast<int>(script->m_steps.size())) {
        script->m_steps[script->m_next++](*dialog);
    } else {
        ++script->m_leftOpen;
        PressCancel(*dialog);
    }
}

void PressOk(TSelectFolderDialog& dialog) { SendMessageA(dialog.Item(idOkButton), BM_CLICK, 0, 0); }
void PressCancel(TSelectFolderDialog& dialog) { SendMessageA(dialog.Item(idCancelButton), BM_CLICK, 0, 0); }
void PressCloseBox(TSelectFolderDialog& dialog) { SendMessageA(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }

void DoubleClickFolder(TSelectFolderDialog& dialog, const std::string& name) {
    const auto& items = dialog.FolderItems();
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].name != name) continue;
        HWND list = dialog.Item(idFolderList);
        SendMessageA(list, LB_SETTOPINDEX, i, 0);
        RECT item{};
        SendMessageA(list, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
        const LPARAM point = MAKELPARAM(item.left + 20, (item.top + item.bottom) / 2);
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(list, WM_LBUTTONUP, 0, point);
        SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
        SendMessageA(list, WM_LBUTTONUP, 0, point);
        return;
    }
    ADD_FAILURE() << "no folder item " << name;
}

std::string CurrentFolderNow() {
    char buffer[MAX_PATH * 2];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return std::string(buffer, length < sizeof buffer ? length : 0);
}
