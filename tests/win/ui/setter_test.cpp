// Property setters: a new value reaches the window; the value already held changes nothing.
#include <gtest/gtest.h>

#include <functional>

#include "UiTestSupport.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Edit.h"
#include "ui/ListBox.h"
#include "tests/support/MessagePump.h"

namespace {
RECT ChildRect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
}  // namespace

// Each row changes the window behind the object's back, then sets the value the object already
// holds: a setter that does nothing leaves the window as it was changed.
TEST(Setters, SameValueLeavesTheWindowAlone) {
    TScratchForm form;
    auto* button = form->Create<TButton>();
    button->SetParent(form.Get());
    auto* check = form->Create<TCheckBox>();
    check->SetParent(form.Get());
    auto* list = form->Create<TListBox>();
    list->SetParent(form.Get());
    list->AddItem("a");
    list->AddItem("b");

    struct TCase {
        const char* name;
        std::function<void()> setNew;          // a new value, through the object
        std::function<void()> changeWindow;    // a different state, through the window only
        std::function<void()> setSame;         // the object's value again
        std::function<bool()> windowHasNew;    // the window shows the object's value
    } cases[] = {
        {"Caption", [&] { button->SetCaption("One"); }, [&] { SetWindowTextA(button->Handle(), "Other"); },
         [&] { button->SetCaption("One"); }, [&] { return WindowText(button->Handle()) == "One"; }},
        {"Visible", [&] { button->SetVisible(false); }, [&] { ShowWindow(button->Handle(), SW_SHOWNA); },
         [&] { button->SetVisible(false); }, [&] { return !(GetWindowLongA(button->Handle(), GWL_STYLE) & WS_VISIBLE); }},
        {"Enabled", [&] { button->SetEnabled(false); }, [&] { EnableWindow(button->Handle(), TRUE); },
         [&] { button->SetEnabled(false); }, [&] { return !IsWindowEnabled(button->Handle()); }},
        {"Checked", [&] { check->SetChecked(true); }, [&] { SendMessageA(check->Handle(), BM_SETCHECK, BST_UNCHECKED, 0); },
         [&] { check->SetChecked(true); }, [&] { return SendMessageA(check->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }},
        {"ItemIndex", [&] { list->SetItemIndex(1); }, [&] { SendMessageA(list->Handle(), LB_SETCURSEL, 0, 0); },
         [&] { list->SetItemIndex(1); }, [&] { return SendMessageA(list->Handle(), LB_GETCURSEL, 0, 0) == 1; }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.setNew();
        EXPECT_TRUE(c.windowHasNew()) << "a new value must reach the window";
        c.changeWindow();
        c.setSame();
        EXPECT_FALSE(c.windowHasNew()) << "the same value must not be pushed again";
    }
}

TEST(Setters, BoundsReachTheWindowAndFollowMovesMadeByOthers) {
    TScratchForm form;
    auto* button = form->Create<TButton>();
    button->SetParent(form.Get());
    button->SetBounds(10, 20, 30, 40);
    RECT r = ChildRect(button->Handle());
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 30);
    EXPECT_EQ(r.bottom - r.top, 40);
    MoveWindow(button->Handle(), 1, 2, 3, 4, FALSE);
    EXPECT_EQ(button->Left(), 1);
    EXPECT_EQ(button->Top(), 2);
    EXPECT_EQ(button->Width(), 3);
    EXPECT_EQ(button->Height(), 4);
}

TEST(Setters, EditRaisesOnChangeOnlyForADifferentText) {
    TScratchForm form;
    auto* edit = form->Create<TEdit>();
    int changes = 0;
    edit->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, edit);
        ++changes;
    };
    // Without a window: the state and the event work all the same.
    edit->SetText("C:\\A");
    EXPECT_EQ(changes, 1);
    edit->SetText("C:\\A");
    EXPECT_EQ(changes, 1);
    edit->SetParent(form.Get());
    EXPECT_EQ(WindowText(edit->Handle()), "C:\\A");
    EXPECT_EQ(changes, 1) << "making the window is not a change of the text";
    edit->SetText("C:\\B");
    EXPECT_EQ(changes, 2) << "one event per change, also with a window";
    EXPECT_EQ(WindowText(edit->Handle()), "C:\\B");
    edit->SetText("C:\\B");
    EXPECT_EQ(changes, 2);
}

TEST(Setters, EditRaisesOnChangeWhenTheUserTypes) {
    TScratchForm form;
    auto* edit = form->Create<TEdit>();
    edit->SetParent(form.Get());
    std::vector<std::string> seen;
    edit->OnChange = [&](TObject*) { seen.push_back(edit->Text()); };
    for (char c : std::string("ab")) SendMessageA(edit->Handle(), WM_CHAR, static_cast<unsigned char>(c), 1);
    SendMessageA(edit->Handle(), WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "ab", "a"}));
    EXPECT_EQ(edit->Text(), "a");
}

TEST(Setters, FontChangeReachesChildrenThatUseTheParentFont) {
    TScratchForm form;
    auto* own = form->Create<TButton>();
    TFont bold;
    bold.SetStyle(fsBold);
    own->SetFont(bold);
    own->SetParent(form.Get());
    auto* inherited = form->Create<TButton>();
    inherited->SetParent(form.Get());
    EXPECT_EQ(inherited->Font(), form->Font());
    TFont bigger = form->Font();
    bigger.SetHeight(-16);
    form->SetFont(bigger);
    EXPECT_EQ(inherited->Font().Height(), -16);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(inherited->Handle(), WM_GETFONT, 0, 0)), inherited->Font().Handle());
    EXPECT_EQ(own->Font().Height(), -11);
    EXPECT_EQ(own->Font().Style(), static_cast<unsigned>(fsBold));
}
