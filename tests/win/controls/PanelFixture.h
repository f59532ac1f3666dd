// A shown form holding one scrolling panel of the About window's size and font, whose timer
// never ticks by itself: the tests drive the ticks and read the pixels between them.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ScrollingPanel.h"
#include "tests/win/controls/PanelShot.h"
#include "ui/Form.h"

constexpr COLORREF kRed = RGB(255, 0, 0);
// The text rectangle of a 481 x 297 panel with a 1-pixel bevel.
constexpr RECT kTextRect{4, 4, 477, 293};

class PanelTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Sets the lines, starts the panel and lets the start's painting happen.
    void Start(const std::vector<std::string>& lines);
    void Ticks(int count);
    TPanelShot Shot() const { return TPanelShot(Panel->Handle()); }
    // The red area of the panel now.
    RECT Red() const { return Shot().Extent(kRed); }

    TForm* Form = nullptr;
    TScrollingPanel* Panel = nullptr;
};

// Calls ExitProcess(3) with a message when not disarmed within the time: a hang becomes a failure.
class TDeadlockWatchdog {
public:
    TDeadlockWatchdog(DWORD seconds, const char* what);
    ~TDeadlockWatchdog();

private:
    HANDLE m_disarm;
    HANDLE m_thread;
};
