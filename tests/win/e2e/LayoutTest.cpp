// The main window's geometry at start: the layout of a screen narrower than 1024 pixels and the
// wide layout, and what the window shows before any file is opened.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {
struct TControlPlace {
    const char* name;
    int id;
    int parentId;  // 0: the main window itself
    TBounds narrow;
    TBounds wide;
};

// Positions within the parent's client area and outer sizes of every control a user sees.
const TControlPlace kPlaces[] = {
    {"DirectoryEdit1", idDirectoryEdit1, 0, {8, 0, 209, 21}, {8, 0, 209, 21}},
    {"ListBox1", idListBox1, 0, {8, 24, 209, 329}, {8, 24, 209, 540}},
    {"Image1", idImage1, 0, {224, 0, 400, 300}, {224, 0, 680, 500}},
    {"GroupBox1", idGroupBox1, 0, {224, 304, 401, 113}, {360, 512, 401, 113}},
    {"StaticText1", idStaticText1, idGroupBox1, {8, 24, 11, 17}, {8, 24, 11, 17}},
    {"GroupBox2", idGroupBox2, idGroupBox1, {8, 40, 289, 65}, {8, 40, 289, 65}},
    {"Image2", idImage2, idGroupBox2, {0, 8, 289, 57}, {0, 8, 289, 57}},
    {"Button1", idButton1, idGroupBox1, {336, 80, 51, 25}, {336, 80, 51, 25}},
    {"SpeedButton2", idSpeedButton2, 0, {8, 360, 23, 22}, {8, 580, 23, 22}},
    {"SpeedButton3", idSpeedButton3, 0, {32, 360, 23, 22}, {32, 580, 23, 22}},
    {"SpeedButton4", idSpeedButton4, 0, {64, 360, 23, 22}, {64, 580, 23, 22}},
    {"SpeedButton1", idSpeedButton1, 0, {96, 360, 121, 25}, {96, 580, 121, 25}},
    {"CheckBox1", idCheckBox1, 0, {8, 392, 161, 17}, {8, 610, 161, 17}},
};

class TLayoutTest : public TViewerTest {
protected:
    void ExpectLayout(bool wide) {
        HWND main = StartAndWaitForMainWindow("");
        ASSERT_NE(main, nullptr);
        const TBounds window = wide ? TBounds{15, 45, 940, 660} : TBounds{15, 45, 642, 450};
        EXPECT_EQ(ToString(ScreenBounds(main)), ToString(window)) << "main window";
        for (const TControlPlace& place : kPlaces) {
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
    EXPECT_FALSE(IsWindowVisible(application));
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
