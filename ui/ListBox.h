// TListBox: a list of texts, optionally sorted (letter case ignored), with a fixed item height;
// selecting an entry with the mouse or the keyboard raises OnClick.
#pragma once
#include <string>
#include <vector>

#include "ui/WinControl.h"

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);

    bool Sorted() const { return m_sorted; }
    // Takes effect at once: a list with a window gets a new window with the entries re-added.
    void SetSorted(bool value);
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int value);

    // Adds an entry; returns its index (its sorted place when Sorted).
    int AddItem(const std::string& text);
    void ClearItems();
    // Removes every entry and adds these (sorted when Sorted), with no entry selected. The list
    // draws itself once afterwards instead of after every entry, so a long list costs what the
    // entries cost and nothing flickers meanwhile.
    void ReplaceItems(const std::vector<std::string>& texts);
    int ItemCount() const { return static_cast<int>(m_items.size()); }
    const std::string& Item(int index) const { return m_items.at(index); }
    const std::vector<std::string>& Items() const { return m_items; }

    // The selected entry, -1 for none.
    int ItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int value);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeHandle() override;
    bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The entries in the list control's own order, read back from its window.
    std::vector<std::string> ItemsOfWindow() const;

    bool m_sorted = false;
    int m_itemHeight = 13;
    std::vector<std::string> m_items;  // the entries in the list's own order
    int m_itemIndex = -1;
};
