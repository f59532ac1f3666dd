// Shortening the browse dialog's folder path to the width of its label.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ShortenFolderPath.h"

TEST(ShortenFolderPathTest, LeadingFoldersGiveWayThenTheDrive) {
    std::vector<std::string> tried;
    const std::string last = ShortenFolderPath("C:\\a\\b\\c", [&](const std::string& text) {
        tried.push_back(text);
        return false;
    });
    EXPECT_EQ(tried, (std::vector<std::string>{"C:\\a\\b\\c", "C:\\...\\b\\c", "C:\\...\\c", "...\\c", "c"}));
    EXPECT_EQ(last, "c");
    const struct {
        const char* path;
        size_t width;
        const char* shown;
    } cases[] = {
        {"C:\\a\\b\\c", 8, "C:\\a\\b\\c"}, {"C:\\a\\b\\c", 9, "C:\\a\\b\\c"}, {"C:\\a\\b\\c", 7, "...\\c"},
        {"C:\\Music\\Rock\\Old", 12, "C:\\...\\Old"}, {"C:\\", 1, ""},        {"verylongname", 3, "verylongname"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortenFolderPath(c.path, [&](const std::string& text) { return text.size() <= c.width; }), c.shown)
            << c.path << " in " << c.width;
    }
}
