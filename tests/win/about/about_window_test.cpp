// The About window and the empty Form2: frames, the credit lines, OK and the close box, and the
// credits panel started as the main window's About button starts it.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/MessagePump.h"
#include "tests/support/WindowLayout.h"
#include "ui/Application.h"
#include "windows/Unit2.h"
#include "windows/Unit5.h"

namespace {
// A window made as the program makes it (creation event included), destroyed after the test.
template <class TWindow>
class TMadeWindow {
public:
    TMadeWindow() : m_form(Application->Create<TWindow>()) { m_form->DoCreate(); }
    ~TMadeWindow() {
        Application->RemoveComponent(m_form).reset();
        DrainMessages();
    }
    TWindow* operator->() const { return m_form; }

private:
    TWindow* m_form;
};

// What the main window's About button does.
void ShowAbout(TForm5* form) {
    form->Show();
    form->ScrollingPanel1->SetActive(true);
}
}  // namespace

TEST(AboutWindow, FrameAndControlsStandAsDesigned) {
    TMadeWindow<TForm5> form;
    HWND window = form->Handle();
    EXPECT_EQ(WindowText(window), "About & Help");
    EXPECT_EQ(ToString(ScreenBounds(window)), ToString(TBounds{179, 27, 508, 375}));
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(IsWindowVisible(window));  // created hidden
    EXPECT_EQ(GetWindow(window, GW_CHILD), nullptr) << "the controls' windows wait for the first show";
    form->Show();
    TScrollingPanel* panel = form->ScrollingPanel1;
    EXPECT_EQ(ToString(BoundsInParent(panel->Handle())), ToString(TBounds{8, 8, 481, 297}));
    EXPECT_EQ(ToString(BoundsInParent(form->Button1->Handle())), ToString(TBounds{216, 312, 75, 25}));
    EXPECT_EQ(WindowText(form->Button1->Handle()), "OK");
    EXPECT_EQ(GetNextDlgTabItem(window, nullptr, FALSE), form->Button1->Handle());
    EXPECT_EQ(panel->Font().Color(), clRed);
    EXPECT_EQ(panel->Font().Style(), static_cast<unsigned>(fsBold));
    EXPECT_EQ(panel->Font().Height(), -11);
    EXPECT_FALSE(panel->Active());
    EXPECT_FALSE(panel->Cycled());
    EXPECT_EQ(panel->Interval(), 30u);
    EXPECT_EQ(panel->Alignment(), taCenter);
    EXPECT_TRUE(panel->AsyncDrawing());
    EXPECT_FALSE(panel->Timer().SyncEvent());
    EXPECT_EQ(panel->FrameWidth(), 1);
}

TEST(AboutWindow, TheCreditsAre23LinesInTheirOrder) {
    TMadeWindow<TForm5> form;
    const TStringList& lines = form->ScrollingPanel1->Lines();
    ASSERT_EQ(lines.Count(), 23);
    const std::string rule(54, '-');
    const struct {
        int number;
        const char* text;
    } fixed[] = {{1, "Небольшая подсказка :"},
                 {2, "После Запуска программы выберите папку , где находятся Сонпики"},
                 {3, "(Сонпики имеют расширение sonpix)"},
                 {7, "Сонпик Просмотрщик 1.1"},
                 {9, "Большое спасибо :"},
                 {20, "p.s.Заходите на мой сайт и качайте примеры Сонпиков"},
                 {22, "(можете использовать Сонпики в своих программах)"}};
    for (const auto& line : fixed) EXPECT_EQ(lines[line.number - 1], line.text) << "line " << line.number;
    EXPECT_EQ(lines[4], rule);
    EXPECT_EQ(lines[22], rule);
    for (int blank : {4, 6, 8, 10, 13, 14, 16, 19}) EXPECT_EQ(lines[blank - 1], "") << "line " << blank;
    for (int own : {11, 12, 15, 17, 18, 21}) EXPECT_GT(lines[own - 1].size(), 10u) << "line " << own;
    EXPECT_EQ(lines[14].find_first_not_of(' '), 7u);  // the maker's name, indented by seven
    EXPECT_NE(lines[10].find("http://"), std::string::npos);
    EXPECT_NE(lines[11].find("http://"), std::string::npos);
    EXPECT_NE(lines[17].find('@'), std::string::npos);
}

TEST(AboutWindow, ShowingStartsTheRunOfTheCreditsWhichStopsAfter289Plus23LineSteps) {
    TMadeWindow<TForm5> form;
    TScrollingPanel* panel = form->ScrollingPanel1;
    ShowAbout(form.operator->());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(GetForegroundWindow(), form->Handle());
    EXPECT_TRUE(panel->Active());
    const RECT text = panel->TextRect();
    EXPECT_EQ(text.left, 4);
    EXPECT_EQ(text.top, 4);
    EXPECT_EQ(text.right - text.left, 473);
    EXPECT_EQ(text.bottom - text.top, 289);
    EXPECT_EQ(panel->LineStep(), 13);
    EXPECT_EQ(panel->ScrollLength(), 289 + 23 * 13);
    // The real timer moves it: after a while the text has moved, and a second showing keeps it.
    ASSERT_TRUE(PumpMessagesUntil([&] { return panel->ScrollPosition() >= 5; }, 3000));
    const int position = panel->ScrollPosition();
    ShowAbout(form.operator->());
    EXPECT_GE(panel->ScrollPosition(), position);
    // Faster, to the end of the run: the panel stops itself through the interface thread.
    panel->SetInterval(1);
    EXPECT_TRUE(PumpMessagesUntil([&] { return !panel->Active(); }, 20000));
    EXPECT_FALSE(panel->HasImage());
    // Shown again, it starts from the beginning.
    ShowAbout(form.operator->());
    EXPECT_TRUE(panel->Active());
    EXPECT_LT(panel->ScrollPosition(), 50);
}

TEST(AboutWindow, OkAndTheCloseBoxHideTheWindowAndLeaveThePanelRunning) {
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "OK");
        TMadeWindow<TForm5> form;
        TScrollingPanel* panel = form->ScrollingPanel1;
        ShowAbout(form.operator->());
        ASSERT_TRUE(PumpMessagesUntil([&] { return panel->ScrollPosition() >= 3; }, 3000));
        if (closeBox) SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else SendMessageA(form->Button1->Handle(), BM_CLICK, 0, 0);
        DrainMessages();
        EXPECT_FALSE(IsWindowVisible(form->Handle()));
        EXPECT_TRUE(IsWindow(form->Handle()));
        EXPECT_TRUE(panel->Active());
        const int hidden = panel->ScrollPosition();
        EXPECT_TRUE(PumpMessagesUntil([&] { return panel->ScrollPosition() > hidden + 2; }, 3000));
    }
}

TEST(EmptyWindow, Form2IsAnEmptyFrameThatStaysHidden) {
    TMadeWindow<TForm2> form;
    EXPECT_EQ(WindowText(form->Handle()), "Form2");
    EXPECT_EQ(ToString(ScreenBounds(form->Handle())), ToString(TBounds{192, 107, 544, 375}));
    EXPECT_EQ(GetWindow(form->Handle(), GW_CHILD), nullptr);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
}
