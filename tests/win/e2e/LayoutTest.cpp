// The main window's geometry at start: the layout of a screen narrower than 1024 pixels and the
// wide layout, and what the window shows before any file is opened.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {
class TLayoutTest : public TViewerTest {
protected:
    void ExpectLayout(bool wide) {
        HWND main = StartAndWaitForMainWindow("");
        ASSERT_NE(main, nullptr);
        const TBounds window = wide ? kMainWindowWide : kMainWindowNarrow;
        EXPECT_EQ(ToString(ScreenBounds(main)), ToString(window)) << "main window";
        for (const TControlPlace& place : kMainWindowPlaces) {
            SCOPED_TRACE(place.name);
            HWND control = Control(main, place.id);
            if (!control) continue;
            EXPECT_EQ(CountControls(main, place.id), 1) << "the identifier is not unique";
            HWND parent = place.parentId ? FindControl(main, place.parentId) : main;
            EXPECT_EQ(GetParent(control), parent) << "wrong parent";
            EXPECT_EQ(ToString(BoundsInParent(control)), ToString(wide ? place.wide : place.narrow));
        }
    }
};

TEST_F(TLayoutTest, ControlsStandWhereTheNarrowLayoutPutsThem_At1023x768) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1023) << "this test needs a screen 1023 pixels wide";
    ExpectLayout(false);
}

TEST_F(TLayoutTest, ScreenOf1024PixelsGetsTheWideLayout_At1024x768) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024) << "this test needs a screen 1024 pixels wide";
    ExpectLayout(true);
}

// Texts, states and windows of a copy started without a file.
TEST_F(TLayoutTest, StartsWithItsCaptionsAndNoFileOpen) {
    HWND main = StartAndWaitForMainWindow("");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(TitleOf(main).rfind("Сонпик Просмотрщик  1.2", 0), 0u) << TitleOf(main);

    HWND application = Viewer().ApplicationWindow();
    ASSERT_NE(application, nullptr) << "no unowned window of class TApplication";
    EXPECT_EQ(TitleOf(application), "Sonpixviewer");
    // Shown but of no size: it holds the task-bar entry and nothing of it is seen.
    EXPECT_TRUE(IsWindowVisible(application));
    RECT bounds{};
    GetWindowRect(application, &bounds);
    EXPECT_TRUE(IsRectEmpty(&bounds));
    EXPECT_EQ(GetWindow(main, GW_OWNER), application) << "the main window is not owned by the application window";

    struct TCaption {
        int id;
        const char* text;
    };
    for (const TCaption& caption : {TCaption{idGroupBox1, "Сонпик создал:"}, TCaption{idButton1, "Больше"},
                                    TCaption{idCheckBox1, "Сразу проигрывать звук"}, TCaption{idStaticText1, "?"}}) {
        if (HWND control = Control(main, caption.id)) {
            EXPECT_EQ(TextOf(control), caption.text);
        }
    }
    if (HWND button = Control(main, idButton1)) {
        EXPECT_FALSE(IsWindowEnabled(button)) << "Больше is enabled";
    }
    if (HWND check = Control(main, idCheckBox1)) {
        EXPECT_TRUE(IsChecked(check)) << "sound is not switched on";
    }
    // The sound player never shows: if it has a window at all, that window is hidden.
    if (HWND player = FindControl(main, idSoundPlayer1)) {
        EXPECT_FALSE(IsWindowVisible(player)) << "the sound player shows";
    }
    for (int id : {idDirectoryEdit1, idListBox1, idGroupBox1, idStaticText1, idImage2, idButton1, idSpeedButton1,
                   idSpeedButton2, idSpeedButton3, idSpeedButton4, idCheckBox1})
        if (HWND control = Control(main, id)) {
            EXPECT_TRUE(IsWindowVisible(control)) << "control " << id << " hidden";
        }
    if (HWND list = Control(main, idListBox1)) {
        EXPECT_EQ(FocusOfThreadOf(main), list) << "the keyboard focus is not in the file list";
    }
}
}  // namespace
