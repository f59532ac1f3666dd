// A folder of thousands of Sonpix files in the shown main window: every entry, in order, none
// selected, and the list drawn as it now is.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdint>
#include <string>
#include <vector>

#include "app/Unit1.h"
#include "tests/support/MessagePump.h"
#include "tests/support/Pixels.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestFolder.h"
#include "ui/Application.h"

namespace {
constexpr int kEntries = 3000;

// How many dark (text) pixels each entry's row of the list shows on the screen, for the rows
// that fit in the list's client area.
std::vector<int> DarkPixelsPerRow(HWND list, int rowHeight) {
    const TPixels pixels = TPixels::OfScreen(list);
    std::vector<int> rows(static_cast<size_t>(pixels.Height() / rowHeight), 0);
    for (int y = 0; y < static_cast<int>(rows.size()) * rowHeight; ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const TRgb p = pixels.RgbAt(x, y);
            if (p.r + p.g + p.b < 300) ++rows[static_cast<size_t>(y / rowHeight)];
        }
    return rows;
}

std::string ListText(HWND list, int index) {
    char text[256] = "";
    SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    return text;
}
}  // namespace

TEST(BigListing, ThousandsOfFilesAreListedCompleteSortedUnselectedAndDrawn) {
    TTestFolder big("big-listing");
    TTestFolder small("small-listing");
    // Numbered names written in a scrambled order, every other one in capitals, some with the
    // extension in capitals, among other files: the list holds them in the numbers' order.
    std::vector<std::string> expected;
    for (int i = 0; i < kEntries; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "%s%04d", i % 2 ? "n" : "N", i);
        expected.push_back(name);
    }
    for (int k = 0; k < kEntries; ++k) {
        const int i = (k * 1237) % kEntries;
        ASSERT_TRUE(WriteBytesFile(big / (expected[i] + (i % 3 ? ".sonpix" : ".SONPIX")), {}));
        if (k % 10 == 0) ASSERT_TRUE(WriteBytesFile(big / (expected[i] + ".txt"), {}));
    }
    ASSERT_TRUE(WriteBytesFile(small / "solo.sonpix", {}));

    TForm1* form = Application->Create<TForm1>();
    form->Show();
    PumpMessagesFor(200);
    HWND list = form->ListBox1->Handle();
    const int rowHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    ASSERT_EQ(rowHeight, 13);

    // A selection made in the first listing is gone after the next one.
    form->DirectoryEdit1->SetText(big.Path());
    form->ListBox1->SetItemIndex(7);
    ASSERT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 7);
    form->DirectoryEdit1->SetText(big.Path().substr(0, big.Path().size() - 1));
    EXPECT_EQ(form->ListBox1->Items(), expected);
    EXPECT_EQ(form->ListBox1->ItemIndex(), -1);
    EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), kEntries);
    for (int index : {0, 1, 1500, kEntries - 1}) EXPECT_EQ(ListText(list, index), expected[index]) << index;

    // Drawn: every row in view shows its text, and the scroll bar is there.
    PumpMessagesFor(200);
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    const std::vector<int> full = DarkPixelsPerRow(list, rowHeight);
    ASSERT_GE(full.size(), 20u);
    for (size_t row = 0; row < full.size(); ++row) EXPECT_GT(full[row], 10) << "row " << row;

    // A folder of one file: one row of text, the rows below it blank, the scroll bar gone.
    form->DirectoryEdit1->SetText(small.Path());
    EXPECT_EQ(form->ListBox1->Items(), std::vector<std::string>{"solo"});
    PumpMessagesFor(200);
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    const std::vector<int> one = DarkPixelsPerRow(list, rowHeight);
    ASSERT_FALSE(one.empty());
    EXPECT_GT(one[0], 10);
    for (size_t row = 1; row < one.size(); ++row) EXPECT_EQ(one[row], 0) << "row " << row;

    Application->RemoveComponent(form).reset();
}
