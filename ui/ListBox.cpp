// TListBox over the standard LISTBOX class; the entries are kept in the object as well.
#include "ui/ListBox.h"

#include <algorithm>

namespace {
// The list control's own order: letter case ignored, by the user's locale.
bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
}
}  // namespace

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
}

void TListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.OwnClass = false;
    params.ClassName = "LISTBOX";
    params.Style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
    if (m_sorted) params.Style |= LBS_SORT;
    params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::InitializeHandle() {
    SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, m_itemHeight);
    for (const std::string& item : m_items) SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (m_itemIndex >= 0) SendMessageA(Handle(), LB_SETCURSEL, m_itemIndex, 0);
}

void TListBox::SetSorted(bool value) {
    if (value == m_sorted) return;
    m_sorted = value;
    if (m_sorted) {
        std::stable_sort(m_items.begin(), m_items.end(), LessIgnoringCase);
        m_itemIndex = -1;
    }
    if (HandleAllocated()) {
        DestroyHandle();
        CreateHandle();
    }
}

void TListBox::SetItemHeight(int value) {
    if (value == m_itemHeight) return;
    m_itemHeight = value;
    if (HandleAllocated()) {
        SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, value);
        Invalidate();
    }
}

int TListBox::AddItem(const std::string& text) {
    int index;
    if (HandleAllocated()) {
        // The list control decides the sorted place; the object follows it.
        index = static_cast<int>(SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
        if (index < 0) index = ItemCount();
    } else if (m_sorted) {
        auto place = std::upper_bound(m_items.begin(), m_items.end(), text, LessIgnoringCase);
        index = static_cast<int>(place - m_items.begin());
    } else {
        index = ItemCount();
    }
    m_items.insert(m_items.begin() + index, text);
    if (m_itemIndex >= index) ++m_itemIndex;
    return index;
}

void TListBox::ClearItems() {
    m_items.clear();
    m_itemIndex = -1;
    if (HandleAllocated()) SendMessageA(Handle(), LB_RESETCONTENT, 0, 0);
}

void TListBox::ReplaceItems(const std::vector<std::string>& texts) {
    m_itemIndex = -1;
    if (!HandleAllocated()) {
        m_items = texts;
        if (m_sorted) std::stable_sort(m_items.begin(), m_items.end(), LessIgnoringCase);
        return;
    }
    HWND list = Handle();
    // With its redraw on, the list repaints itself and its scroll bar after every entry added.
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    size_t bytes = 0;
    for (const std::string& text : texts) bytes += text.size() + 1;
    SendMessageA(list, LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(bytes));
    for (const std::string& text : texts) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    // The list control has put the entries in its order (and kept what it could); the object follows.
    m_items = ItemsOfWindow();
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

std::vector<std::string> TListBox::ItemsOfWindow() const {
    const LRESULT count = SendMessageA(Handle(), LB_GETCOUNT, 0, 0);
    std::vector<std::string> items;
    items.reserve(count > 0 ? static_cast<size_t>(count) : 0);
    std::string text;
    for (LRESULT index = 0; index < count; ++index) {
        const LRESULT length = SendMessageA(Handle(), LB_GETTEXTLEN, index, 0);
        text.assign(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
        const LRESULT read = SendMessageA(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(read > 0 ? static_cast<size_t>(read) : 0);
        items.push_back(text);
    }
    return items;
}

void TListBox::SetItemIndex(int value) {
    if (value < -1 || value >= ItemCount()) value = -1;
    if (value == m_itemIndex) return;
    m_itemIndex = value;
    if (HandleAllocated()) SendMessageA(Handle(), LB_SETCURSEL, value, 0);
}

bool TListBox::Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
        m_itemIndex = static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0));
        Click();
        result = 0;
        return true;
    }
    return TWinControl::Reflected(message, wParam, lParam, result);
}
