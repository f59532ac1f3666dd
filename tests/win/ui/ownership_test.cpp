// Components die with their owner, newest first; a destroyed form leaves no window or GDI object.
#include <gtest/gtest.h>

#include <vector>

#include "UiTestSupport.h"
#include "tests/support/application/Bitmaps.h"
#include "tests/support/ProcessCounters.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/Edit.h"
#include "ui/GroupBox.h"
#include "ui/Image.h"
#include "ui/ListBox.h"
#include "ui/SpeedButton.h"
#include "ui/StaticText.h"
#include "ui/Timer.h"

namespace {
class TRecorder : public TComponent {
public:
    TRecorder(TComponent* owner, int id, std::vector<int>* log) : TComponent(owner), m_id(id), m_log(log) {}
    ~TRecorder() override { m_log->push_back(m_id); }

private:
    int m_id;
    std::vector<int>* m_log;
};

// A form with one of every control, as the main window has them. Records the GDI objects the
// controls own so that the test can see them gone.
struct TFullForm {
    TScratchForm form;
    std::vector<HGDIOBJ> gdiObjects;
    std::vector<HWND> windows;

    TFullForm() {
        auto* edit = form->Create<TEdit>();
        edit->SetParent(form.Get());
        edit->SetText("C:\\");
        auto* list = form->Create<TListBox>();
        list->SetSorted(true);
        list->SetShowHint(true);
        list->SetParent(form.Get());
        list->AddItem("x");
        auto* image = form->Create<TImage>();
        image->SetParent(form.Get());
        image->SetBitmap(MakeBitmap(40, 30));
        auto* group = form->Create<TGroupBox>();
        group->SetParent(form.Get());
        TFont groupFont = group->Font();
        groupFont.SetColor(clActiveCaption);
        group->SetFont(groupFont);
        auto* label = form->Create<TStaticText>();
        TFont labelFont;
        labelFont.SetStyle(fsBold);
        label->SetFont(labelFont);
        label->SetCaption("?");
        label->SetParent(group);
        auto* button = form->Create<TButton>();
        button->SetParent(group);
        auto* speed = form->Create<TSpeedButton>();
        speed->SetParent(form.Get());
        speed->SetGlyph(MakeBitmap(15, 15));
        speed->SetHint("tip");
        speed->SetShowHint(true);
        auto* check = form->Create<TCheckBox>();
        check->SetParent(form.Get());
        auto* timer = form->Create<TTimer>();
        timer->SetInterval(500);
        form->Show();
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        gdiObjects = {image->Bitmap(), speed->Glyph(), label->Font().Handle(), group->Font().Handle()};
        windows = {form->Handle(), edit->Handle(), list->Handle(), image->Handle(), group->Handle(),
                   label->Handle(), button->Handle(), speed->Handle(), check->Handle()};
    }
};
}  // namespace

TEST(Ownership, OwnerDestroysItsComponentsNewestFirst) {
    std::vector<int> log;
    {
        TComponent owner(nullptr);
        for (int id = 1; id <= 4; ++id) owner.Create<TRecorder>(id, &log);
        EXPECT_EQ(owner.ComponentCount(), 4);
    }
    EXPECT_EQ(log, (std::vector<int>{4, 3, 2, 1}));
}

TEST(Ownership, DestroyedFormTakesItsWindowsAndGdiObjectsWithIt) {
    std::vector<HGDIOBJ> objects;
    std::vector<HWND> windows;
    {
        TFullForm full;
        objects = full.gdiObjects;
        windows = full.windows;
        for (HGDIOBJ object : objects) ASSERT_NE(GetObjectType(object), 0u);
        for (HWND window : windows) ASSERT_TRUE(IsWindow(window));
    }
    for (HGDIOBJ object : objects) EXPECT_EQ(GetObjectType(object), 0u) << "GDI object left behind";
    for (HWND window : windows) EXPECT_FALSE(IsWindow(window)) << "window left behind";
}

TEST(Ownership, HundredFormsWithEveryControlLeaveNoObjectsBehind) {
    { TFullForm warmUp; }  // classes registered, fonts and system brushes cached once
    const int windowsBefore = CountThreadWindows();
    const DWORD gdiBefore = GdiObjectCount();
    ASSERT_GT(gdiBefore, 0u) << "no GDI count: the test could not see a leak";
    for (int i = 0; i < 100; ++i) { TFullForm full; }
    EXPECT_EQ(CountThreadWindows(), windowsBefore);
    EXPECT_LE(GdiObjectCount(), gdiBefore);
}
