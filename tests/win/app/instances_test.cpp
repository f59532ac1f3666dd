// The single-instance test counts unowned top-level windows titled Sonpixviewer in any case.
#include <gtest/gtest.h>

#include <string>

#include "app/ViewerInstances.h"
#include "ui/Application.h"

namespace {
// A hidden top-level window of a plain class, destroyed with the object.
class TProbeWindow {
public:
    TProbeWindow(const std::string& title, HWND owner) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        if (!GetClassInfoExA(GetModuleHandleA(nullptr), "SonpixProbe", &wc)) {
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "SonpixProbe";
            RegisterClassExA(&wc);
        }
        m_window = CreateWindowExA(0, "SonpixProbe", title.c_str(), WS_POPUP | WS_CAPTION, 0, 0, 10, 10, owner, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    }
    ~TProbeWindow() { DestroyWindow(m_window); }
    HWND Get() const { return m_window; }

private:
    HWND m_window;
};
// Counts as a copy started from SonpixViewer.exe does.
int CountSonpixViewers(HWND own = Application->Handle()) { return CountViewerInstances(own, "Sonpixviewer"); }
}  // namespace

TEST(ViewerInstances, CountsUnownedWindowsTitledSonpixviewerInAnyCase) {
    TProbeWindow owner("owner of others", nullptr);
    struct TCase {
        std::string title;
        bool owned;
        int counted;
    } cases[] = {
        {"Sonpixviewer", false, 1},
        {"SONPIXVIEWER", false, 1},
        {"sonpixViewer", false, 1},
        {"Sonpixviewer", true, 0},
        {"", false, 0},
        {"Sonpixviewer ", false, 0},
        {"SonpixViewer.exe", false, 0},
        {"Sonpixviewer" + std::string(188, 'x'), false, 0},
        {std::string(200, 'S'), false, 0},
        {"Сонпик Просмотрщик", false, 0},
    };
    const int baseline = CountSonpixViewers();
    ASSERT_EQ(baseline, 0);
    for (const TCase& c : cases) {
        TProbeWindow probe(c.title, c.owned ? owner.Get() : nullptr);
        ASSERT_TRUE(probe.Get());
        EXPECT_EQ(CountSonpixViewers(), c.counted) << "title \"" << c.title << "\" owned " << c.owned;
    }
    TProbeWindow one("Sonpixviewer", nullptr);
    TProbeWindow two("SonpixVIEWER", nullptr);
    EXPECT_EQ(CountSonpixViewers(), 2);
    EXPECT_EQ(CountSonpixViewers(one.Get()), 1) << "the copy's own application window is not counted";
}

TEST(ViewerInstances, OwnApplicationWindowIsNotCountedEvenWhenTitledSonpixviewer) {
    const std::string title = Application->Title();
    SetWindowTextA(Application->Handle(), "Sonpixviewer");
    const int counted = CountSonpixViewers();
    SetWindowTextA(Application->Handle(), title.c_str());
    EXPECT_EQ(counted, 0);
}

TEST(ViewerInstances, CopyOfAnotherProgramNameCountsOnlyWindowsOfItsOwnTitle) {
    TProbeWindow viewer("Sonpixviewer", nullptr);
    EXPECT_EQ(CountViewerInstances(Application->Handle(), "Other"), 0);
    TProbeWindow other("OTHER", nullptr);
    EXPECT_EQ(CountViewerInstances(Application->Handle(), "Other"), 1);
    EXPECT_EQ(CountSonpixViewers(), 1);
}
