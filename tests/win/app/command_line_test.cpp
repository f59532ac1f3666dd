// Reading the first command-line argument and deciding whether it names a Sonpix file.
#include <gtest/gtest.h>

#include "app/CommandLine.h"

TEST(CommandLine, FirstArgumentFollowsBlankAndQuoteRules) {
    struct TCase {
        const char* commandLine;
        const char* first;
    } cases[] = {
        {"SonpixViewer.exe", ""},
        {"\"C:\\Program Files\\SonpixViewer.exe\"", ""},
        {"SonpixViewer.exe    ", ""},
        {"SonpixViewer.exe C:\\a.sonpix", "C:\\a.sonpix"},
        {"SonpixViewer.exe C:\\a.sonpix second", "C:\\a.sonpix"},
        {"\"C:\\Program Files\\SonpixViewer.exe\" \"C:\\My Files\\b.sonpix\"", "C:\\My Files\\b.sonpix"},
        {"v.exe\t  \"D:\\x y\\z.sonpix\"  more", "D:\\x y\\z.sonpix"},
        {"v.exe a\"b c\"d e", "ab cd"},
        {"v.exe \"\" second", ""},
        {"v.exe C:\\Сонпики\\Файл.sonpix", "C:\\Сонпики\\Файл.sonpix"},
    };
    for (const TCase& c : cases) EXPECT_EQ(FirstArgument(c.commandLine), c.first) << c.commandLine;
}

TEST(CommandLine, SonpixExtensionIsTestedWithoutLetterCaseOnTheLastNameOnly) {
    struct TCase {
        const char* path;
        bool sonpix;
    } cases[] = {
        {"C:\\a\\b.SonPix", true},
        {"C:\\a\\b.sonpix", true},
        {"b.SONPIX", true},
        {"C:\\Папка\\Файл.sonpix", true},
        {"x.sonpix.bak", false},
        {"C:\\d.sonpix\\f", false},
        {"C:\\d.sonpix\\f.jpg", false},
        {"C:\\a\\b.sonpi", false},
        {"C:\\a\\b.sonpixx", false},
        {"C:sonpix", false},
        {"", false},
    };
    for (const TCase& c : cases) EXPECT_EQ(IsSonpixPath(c.path), c.sonpix) << c.path;
}
