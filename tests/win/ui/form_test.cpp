// Forms: owned by the application window, outer bounds, font and colour, and the close request.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/Button.h"
#include "tests/support/MessagePump.h"

TEST(Form, IsOwnedByTheApplicationWindowWithOuterBoundsAndDefaultLook) {
    TScratchForm form;
    form->SetCaption("Окно");
    form->SetBounds(15, 45, 642, 450);
    HWND window = form->Handle();
    EXPECT_EQ(GetWindow(window, GW_OWNER), Application->Handle());
    EXPECT_EQ(WindowClass(window), "TScratchForm");
    EXPECT_EQ(WindowText(window), "Окно");
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, 15);
    EXPECT_EQ(outer.top, 45);
    EXPECT_EQ(outer.right - outer.left, 642);
    EXPECT_EQ(outer.bottom - outer.top, 450);
    EXPECT_EQ(form->Font().Name(), "MS Sans Serif");
    EXPECT_EQ(form->Font().Height(), -11);
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_FALSE(IsWindowVisible(window)) << "forms start hidden";
}

TEST(Form, BorderStyleAndIconsGiveTheWindowStyle) {
    TScratchForm form;
    struct TCase {
        TFormBorderStyle border;
        unsigned icons;
        LONG present, absent;
    } cases[] = {
        {bsSizeable, biSystemMenu | biMinimize | biMaximize, WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0},
        {bsSizeable, biSystemMenu, WS_THICKFRAME | WS_SYSMENU, WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
        {bsSingle, biSystemMenu, WS_SYSMENU, WS_THICKFRAME},
        {bsDialog, biSystemMenu | biMinimize, WS_SYSMENU | WS_DLGFRAME, WS_THICKFRAME | WS_MINIMIZEBOX},
    };
    for (const TCase& c : cases) {
        form->SetBorderStyle(c.border);
        form->SetBorderIcons(c.icons);
        const LONG style = GetWindowLongA(form->Handle(), GWL_STYLE);
        EXPECT_EQ(style & c.present, c.present) << c.border;
        EXPECT_EQ(style & c.absent, 0) << c.border;
    }
}

TEST(Form, ShowMakesItVisibleAndForemostAndCloseOfASecondaryFormHidesIt) {
    TScratchForm form;
    form->Show();
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_EQ(GetForegroundWindow(), form->Handle());
    ASSERT_NE(Application->MainForm(), form.Get());
    SendMessageA(form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(IsWindow(form->Handle())) << "hidden, not destroyed";
    EXPECT_FALSE(Application->Terminated());
}

// Made in the order 2, 0, 3, 1: each new window must land between its neighbours in tab order.
TEST(Form, ActivationPutsTheFocusOnTheFirstControlInTabOrder) {
    TScratchForm form;
    TButton* buttons[4] = {};
    for (int tabOrder : {2, 0, 3, 1}) {
        buttons[tabOrder] = form->Create<TButton>();
        buttons[tabOrder]->SetTabOrder(tabOrder);
        buttons[tabOrder]->SetParent(form.Get());
    }
    form->Show();
    PumpMessagesFor(50);
    EXPECT_EQ(GetFocus(), buttons[0]->Handle());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(GetNextDlgTabItem(form->Handle(), buttons[i]->Handle(), FALSE), buttons[i + 1]->Handle()) << i;
}

namespace {
class TPlainForm : public TForm {
public:
    explicit TPlainForm(TComponent* owner) : TForm(owner, "TPlainForm") {}
};

class TFramedForm : public TForm {
public:
    explicit TFramedForm(TComponent* owner)
        : TForm(owner, "TFramedForm", {"Рамка", 93, 109, 544, 159, bsDialog, biSystemMenu}) {}
};
}  // namespace

TEST(Form, AFormMadeWithItsFrameHasItFromTheStart) {
    TFramedForm form(Application);
    EXPECT_EQ(WindowText(form.Handle()), "Рамка");
    RECT outer;
    GetWindowRect(form.Handle(), &outer);
    EXPECT_EQ(outer.left, 93);
    EXPECT_EQ(outer.top, 109);
    EXPECT_EQ(outer.right - outer.left, 544);
    EXPECT_EQ(outer.bottom - outer.top, 159);
    const LONG style = GetWindowLongA(form.Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_DLGFRAME | WS_SYSMENU), WS_DLGFRAME | WS_SYSMENU);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX), 0);
    EXPECT_EQ(form.BorderStyle(), bsDialog);
}

// An application object of its own for one test (its first form is its main form); the shared
// one comes back at the end.
class TOwnApplication {
    struct TSharedBack {
        TApplication* const shared = Application;
        ~TSharedBack() { Application = shared; }
    } m_back;  // declared first, so it runs after the own application is gone

public:
    TOwnApplication() { App.Initialize(); }
    TApplication App;
};

// Minimising the main form takes every shown form off the screen into the program's task-bar
// entry (the application window); restoring the entry brings back the same forms and no others.
TEST(Form, MinimisingTheMainFormHidesTheProgramAndRestoringItsEntryBringsItBack) {
    TOwnApplication application;
    TApplication& own = application.App;
    TPlainForm *mainForm = nullptr, *shown = nullptr, *hidden = nullptr;
    own.CreateForm(mainForm);
    own.CreateForm(shown);
    own.CreateForm(hidden);
    mainForm->Show();
    shown->Show();
    ShowWindow(own.Handle(), SW_SHOWNOACTIVATE);  // as the message loop's start does
    SendMessageA(mainForm->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(own.Handle()));
    EXPECT_FALSE(IsWindowVisible(mainForm->Handle()));
    EXPECT_FALSE(IsWindowVisible(shown->Handle()));
    SendMessageA(own.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(own.Handle()));
    EXPECT_TRUE(IsWindowVisible(mainForm->Handle()));
    EXPECT_FALSE(IsIconic(mainForm->Handle()));
    EXPECT_TRUE(IsWindowVisible(shown->Handle()));
    EXPECT_FALSE(IsWindowVisible(hidden->Handle()));
}

// A close that arrives while work runs a pass of the queue (as the display step does) still ends
// the message loop afterwards: the pass hands the quit request on instead of keeping it.
TEST(Form, CloseDuringAPassOfTheQueueStillEndsTheMessageLoop) {
    TOwnApplication application;
    TApplication& own = application.App;
    TPlainForm* mainForm = nullptr;
    own.CreateForm(mainForm);
    PostMessageA(mainForm->Handle(), WM_CLOSE, 0, 0);
    own.ProcessMessages();
    EXPECT_TRUE(own.Terminated());
    MSG quit;
    ASSERT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the pass kept the quit request";
    own.Run();
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

// The main form's close ends the message loop; tried on an application of its own.
TEST(Form, ClosingTheMainFormEndsTheMessageLoop) {
    TOwnApplication application;
    TApplication& own = application.App;
    TPlainForm* mainForm = nullptr;
    TPlainForm* other = nullptr;
    own.CreateForm(mainForm);
    own.CreateForm(other);
    EXPECT_EQ(own.MainForm(), mainForm);
    PostMessageA(other->Handle(), WM_CLOSE, 0, 0);
    PostMessageA(mainForm->Handle(), WM_CLOSE, 0, 0);
    own.Run();
    EXPECT_TRUE(own.Terminated());
    EXPECT_FALSE(IsWindowVisible(other->Handle()));
    MSG quit;
    EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) << "the loop took its WM_QUIT";
}
