// The main window's About button: it shows the About window in front and starts its credits.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "app/Unit1.h"
#include "tests/support/MessagePump.h"
#include "tests/support/WindowLayout.h"
#include "ui/Application.h"
#include "windows/Unit5.h"

TEST(AboutButton, ShowsTheAboutWindowInFrontAndStartsItsCredits) {
    TForm1* main = Application->Create<TForm1>();
    Form5 = Application->Create<TForm5>();
    Form5->DoCreate();
    main->Show();
    DrainMessages();
    HWND button = FindControl(main->Handle(), idSpeedButton3);
    ASSERT_TRUE(button);
    SendMessageA(button, BM_CLICK, 0, 0);
    DrainMessages();
    EXPECT_TRUE(IsWindowVisible(Form5->Handle()));
    EXPECT_EQ(GetForegroundWindow(), Form5->Handle());
    EXPECT_TRUE(Form5->ScrollingPanel1->Active());
    ASSERT_TRUE(PumpMessagesUntil([] { return Form5->ScrollingPanel1->ScrollPosition() >= 3; }, 3000));
    // A second press while it scrolls does not start the text again.
    const int position = Form5->ScrollingPanel1->ScrollPosition();
    SendMessageA(button, BM_CLICK, 0, 0);
    EXPECT_GE(Form5->ScrollingPanel1->ScrollPosition(), position);
    Application->RemoveComponent(Form5).reset();
    Form5 = nullptr;
    Application->RemoveComponent(main).reset();
    DrainMessages();
}
