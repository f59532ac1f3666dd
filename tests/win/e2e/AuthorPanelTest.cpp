// The author panel and the windows it opens, driven by real clicks: "Больше" and the author
// details window, the maker's text with ampersands, and the About window's credits.
#include <gtest/gtest.h>

#include <vector>

#include "app/ControlIds.h"
#include "tests/support/JpegCodec.h"
#include "tests/win/e2e/DisplayScreen.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/RealInput.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/ViewerDriving.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {
constexpr int kShowTimeoutMs = 6000;
const TRgb kMakerGreen{40, 180, 60};

HWND ChildOfClass(HWND parent, const std::string& className) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (lstrcmpiA(ClassNameOf(child).c_str(), className.c_str()) == 0) return child;
    return nullptr;
}

// Whether a comes before b in the Z order of the top-level windows (nearer to the user).
bool IsAbove(HWND a, HWND b) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == a) return true;
        if (w == b) return false;
    }
    return false;
}

class TAuthorPanelTest : public TViewerTest {
protected:
    HWND StartWith(const std::vector<std::pair<std::string, TSonpixFileParts>>& files) {
        for (const auto& [name, parts] : files) EXPECT_TRUE(WriteSonpix(m_scratch.Path() + name + ".sonpix", parts)) << name;
        HWND main = StartAndWaitForMainWindow("none");
        if (main) m_list = Control(main, idListBox1);
        return m_list ? main : nullptr;
    }
    // Selects the entry with a real click and waits until the maker's label shows text.
    void Select(HWND main, int index, const std::string& label) {
        ASSERT_TRUE(ClickListEntry(m_list, index));
        ASSERT_TRUE(WaitUntil([&] { return TextOf(Control(main, idStaticText1)) == label; }, kShowTimeoutMs))
            << "the label shows \"" << TextOf(Control(main, idStaticText1)) << "\"";
    }
    HWND m_list = nullptr;
};

TSonpixFileParts Parts(std::optional<std::string> text, std::optional<TBytes> makerPicture) {
    TSonpixFileParts parts = SampleParts(70, "");
    parts.makerText = std::move(text);
    parts.makerPicture = std::move(makerPicture);
    return parts;
}

TEST_F(TAuthorPanelTest, MoreShowsTheTextAndPictureCurrentAtThePressUntilTheNextPress) {
    const TBytes notJpeg = BytesOf("GIF89a: a picture of another kind");
    HWND main = StartWith({{"a full", Parts(std::string("Анна\r\nвторая строка"), FlatJpeg(300, 100, kMakerGreen))},
                           {"b bare", Parts(std::nullopt, std::nullopt)},
                           {"c broken", Parts(std::string("Сломан"), notJpeg)}});
    ASSERT_NE(main, nullptr);
    HWND more = Control(main, idButton1);
    ASSERT_NE(more, nullptr);

    Select(main, 0, "Анна\r\nвторая строка");
    ASSERT_TRUE(ClickControl(more));
    HWND details = WaitForVisibleWindow(Viewer().Id(), "TForm3");
    ASSERT_NE(details, nullptr) << "no author details window";
    HWND memo = ChildOfClass(details, "Edit");
    HWND picture = ChildOfClass(details, "TImage");
    HWND ok = ChildOfClass(details, "Button");
    ASSERT_TRUE(memo && picture && ok);
    const auto showsMakerPicture = [&] {
        return HasVisibleStyle(picture) && NearColour(TScreenPixels(picture).At(100, 30), kMakerGreen, 40);
    };
    EXPECT_EQ(TextOf(memo), "Анна\r\nвторая строка\r\n");
    EXPECT_TRUE(WaitUntil(showsMakerPicture, 3000)) << ToString(TScreenPixels(picture).At(100, 30));

    // The details window stands over the list: a person moves it aside first.
    ASSERT_TRUE(DragByCaption(details, 620, 0)) << "the details window could not be moved";
    Select(main, 1, "?");
    // The click on the list put the main window over part of the details window; a click on the
    // part still in sight brings it back.
    RECT mainBounds{}, detailsBounds{};
    GetWindowRect(main, &mainBounds);
    GetWindowRect(details, &detailsBounds);
    ASSERT_TRUE(RealClickAt(POINT{(mainBounds.right + detailsBounds.right) / 2, detailsBounds.top + 200}));
    ASSERT_TRUE(WaitUntil([&] { return IsAbove(details, main); }, 3000));
    EXPECT_EQ(TextOf(memo), "Анна\r\nвторая строка\r\n") << "the new selection changed the open window";
    EXPECT_TRUE(WaitUntil(showsMakerPicture, 3000)) << "the new selection changed the open window's picture";

    // Without text and maker's picture: one line break, no picture, right after a file with both.
    ASSERT_TRUE(ClickControl(more));
    EXPECT_TRUE(WaitUntil([&] { return TextOf(memo) == "\r\n"; }, kShowTimeoutMs)) << "\"" << TextOf(memo) << "\"";
    EXPECT_TRUE(WaitUntil([&] { return !HasVisibleStyle(picture); }, kShowTimeoutMs)) << "the old picture is still shown";
    ASSERT_TRUE(ClickControl(more));
    PauseMs(300);
    EXPECT_EQ(TextOf(memo), "\r\n") << "a second press changed the content";
    EXPECT_FALSE(HasVisibleStyle(picture));

    // A maker's picture the decoder rejects: the error box at the selection, and again at
    // "Больше", which then shows no window.
    const std::string jpegError = "JPEG error #" + std::to_string(JpegRejectionCode(notJpeg)) + ".";
    ASSERT_TRUE(ClickListEntry(m_list, 2));
    HWND box = Viewer().WaitForMessageBox(kShowTimeoutMs);
    ASSERT_NE(box, nullptr) << "no error box at the selection";
    EXPECT_EQ(ReadMessageBox(box).text, jpegError);
    ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
    ASSERT_TRUE(ClickControl(ok));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(details); }, kShowTimeoutMs)) << "OK did not hide the window";
    ASSERT_TRUE(ClickControl(more));
    box = Viewer().WaitForMessageBox(kShowTimeoutMs);
    ASSERT_NE(box, nullptr) << "no error box at the press";
    const TMessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, jpegError);
    EXPECT_EQ(view.caption, "Sonpixviewer");
    EXPECT_FALSE(IsWindowVisible(details)) << "the details window was shown after the error";
    EXPECT_EQ(TextOf(memo), "Сломан\r\n") << "the memo is filled before the picture";
    ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
    PauseMs(300);
    EXPECT_FALSE(IsWindowVisible(details));
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}

// Ink of text: a mask of the pixels that carry it, cut to their bounding box.
struct TInk {
    int width = 0, height = 0;
    std::vector<bool> dots;
    bool At(int x, int y) const { return x < width && y < height && dots[static_cast<size_t>(y) * width + x]; }
};

template <class IsInk>
TInk CutInk(int width, int height, IsInk isInk) {
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (isInk(x, y)) left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    TInk ink;
    if (right < 0) return ink;
    ink.width = right - left + 1;
    ink.height = bottom - top + 1;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) ink.dots.push_back(isInk(x, y));
    return ink;
}

// A white 400 x 40 canvas in memory; its GDI objects are released in reverse order.
struct TTextCanvas {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 400, 40);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MS Sans Serif");
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HGDIOBJ oldFont = SelectObject(dc, font);
    ~TTextCanvas() {
        SelectObject(dc, oldFont);
        SelectObject(dc, oldBitmap);
        DeleteObject(font);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
};

// The text as the label's font (bold MS Sans Serif, 8 points) draws it with every character
// literal, '&' included.
TInk LiteralInk(const std::string& text) {
    TTextCanvas canvas;
    RECT all{0, 0, 400, 40};
    FillRect(canvas.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(canvas.dc, RGB(0, 0, 0));
    SetBkMode(canvas.dc, TRANSPARENT);
    DrawTextA(canvas.dc, text.c_str(), static_cast<int>(text.size()), &all, DT_LEFT | DT_NOPREFIX | DT_SINGLELINE);
    return CutInk(400, 40, [&](int x, int y) { return GetPixel(canvas.dc, x, y) == RGB(0, 0, 0); });
}

// Whether the top rows of two inks of the same width match dot for dot.
bool SameTopRows(const TInk& a, const TInk& b, int rows) {
    if (a.width != b.width || a.height < rows || b.height < rows) return false;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.At(x, y) != b.At(x, y)) return false;
    return true;
}

TEST_F(TAuthorPanelTest, LabelTakesAmpersandsAsAccessMarksAndTheMemoShowsThemAsTheyAre) {
    HWND main = StartWith({{"double", Parts(std::string("Tom&&Co"), std::nullopt)},
                           {"single", Parts(std::string("Tom&Co"), std::nullopt)}});
    ASSERT_NE(main, nullptr);
    HWND label = Control(main, idStaticText1);
    ASSERT_NE(label, nullptr);
    const auto labelInk = [&] {
        const TScreenPixels pixels(label);
        return CutInk(pixels.Width(), pixels.Height(), [&](int x, int y) {
            const TRgb c = pixels.At(x, y);
            return c.r >= 150 && c.g <= 100 && c.b <= 100;  // the label's red
        });
    };
    const TInk withAmpersand = LiteralInk("Tom&Co"), withoutAmpersand = LiteralInk("TomCo");
    ASSERT_GT(withAmpersand.width, withoutAmpersand.width);

    Select(main, 0, "Tom&&Co");
    PauseMs(300);
    const TInk doubled = labelInk();
    EXPECT_TRUE(SameTopRows(doubled, withAmpersand, withAmpersand.height))
        << "\"Tom&&Co\" is not drawn as Tom&Co: " << doubled.width << " x " << doubled.height << " against "
        << withAmpersand.width << " x " << withAmpersand.height;
    ASSERT_TRUE(ClickControl(Control(main, idButton1)));
    HWND details = WaitForVisibleWindow(Viewer().Id(), "TForm3");
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(TextOf(ChildOfClass(details, "Edit")), "Tom&&Co\r\n");
    ASSERT_TRUE(ClickControl(ChildOfClass(details, "Button")));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(details); }, kShowTimeoutMs));

    // A single ampersand is not drawn; the letter after it is underlined, below the letters.
    Select(main, 1, "Tom&Co");
    PauseMs(300);
    const TInk single = labelInk();
    EXPECT_TRUE(SameTopRows(single, withoutAmpersand, withoutAmpersand.height))
        << "\"Tom&Co\" is not drawn as TomCo: " << single.width << " x " << single.height << " against "
        << withoutAmpersand.width << " x " << withoutAmpersand.height;
    EXPECT_GT(single.height, withoutAmpersand.height) << "no underline below the letters";
    ASSERT_TRUE(ClickControl(Control(main, idButton1)));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(ChildOfClass(details, "Edit")) == "Tom&Co\r\n"; }, kShowTimeoutMs))
        << TextOf(ChildOfClass(details, "Edit"));
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}

// The top-most row of the panel that holds the credits' red ink: where the first line stands.
int TopInkRow(HWND panel) {
    const TScreenPixels pixels(panel);
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const TRgb c = pixels.At(x, y);
            if (c.r >= 150 && c.g <= 100 && c.b <= 100) return y;
        }
    return pixels.Height();
}

bool SamePixels(const TScreenPixels& a, const TScreenPixels& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!NearColour(a.At(x, y), b.At(x, y), 0)) return false;
    return true;
}

TEST_F(TAuthorPanelTest, AboutShowsScrollingCreditsAndASecondPressOnlyBringsItToTheFront) {
    HWND main = StartWith({});
    ASSERT_NE(main, nullptr);
    HWND about = Control(main, idSpeedButton3);
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(ClickControl(about));
    HWND form5 = WaitForVisibleWindow(Viewer().Id(), "TForm5");
    ASSERT_NE(form5, nullptr) << "no About window";
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == form5; }, 3000)) << "the About window is not in front";
    HWND panel = nullptr;
    for (HWND child = GetWindow(form5, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (lstrcmpiA(ClassNameOf(child).c_str(), "Button") != 0) panel = child;
    ASSERT_NE(panel, nullptr);

    const TScreenPixels first(panel);
    PauseMs(600);
    const TScreenPixels later(panel);
    EXPECT_FALSE(SamePixels(first, later)) << "the credits do not move";

    // Let the credits come well into view, then put the main window in front by a click on it.
    ASSERT_TRUE(WaitUntil([&] { return TopInkRow(panel) < TScreenPixels(panel).Height() - 60; }, 8000))
        << "the credits did not come into view";
    // Measured while the panel is in sight: the main window will cover it.
    const int beforeSecondPress = TopInkRow(panel);
    RECT mainBounds{};
    GetWindowRect(main, &mainBounds);
    ASSERT_TRUE(RealClickAt(POINT{mainBounds.right - 40, mainBounds.bottom - 40}));
    ASSERT_TRUE(WaitUntil([&] { return IsAbove(main, form5); }, 3000)) << "the main window did not come to the front";

    ASSERT_TRUE(ClickControl(about));
    EXPECT_TRUE(WaitUntil([&] { return IsAbove(form5, main) && GetForegroundWindow() == form5; }, 3000))
        << "the second press did not bring the About window to the front";
    PauseMs(200);
    // A restarted run would begin again below, where the credits first came in.
    const int afterSecondPress = TopInkRow(panel);
    EXPECT_LT(afterSecondPress, beforeSecondPress) << "the credits started again from the beginning";
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}
}  // namespace
