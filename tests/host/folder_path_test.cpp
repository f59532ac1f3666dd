// The browse dialog's folder path model: roots, levels and the path of each level.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/FolderPath.h"

using TLevels = std::vector<std::string>;

TEST(FolderPathTest, RootsLevelsAndTheFolderOfEachLevel) {
    const struct {
        const char* folder;
        TLevels levels;
        TLevels atLevel;  // FolderAtLevel for 0, 1, ...
    } cases[] = {
        {"C:\\", {"C:\\"}, {"C:\\"}},
        {"C:\\a\\b", {"C:\\", "a", "b"}, {"C:\\", "C:\\a", "C:\\a\\b"}},
        {"C:\\Музыка\\Рок", {"C:\\", "Музыка", "Рок"}, {"C:\\", "C:\\Музыка", "C:\\Музыка\\Рок"}},
        {"\\\\server\\share\\x\\y", {"\\\\server\\share\\", "x", "y"},
         {"\\\\server\\share\\", "\\\\server\\share\\x", "\\\\server\\share\\x\\y"}},
        {"\\\\server\\share", {"\\\\server\\share"}, {"\\\\server\\share"}},
        {"C:a", {"C:", "a"}, {"C:", "C:a"}},
        {"\\a", {"\\", "a"}, {"\\", "\\a"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FolderLevels(c.folder), c.levels) << c.folder;
        for (size_t level = 0; level < c.atLevel.size(); ++level)
            EXPECT_EQ(FolderAtLevel(c.folder, static_cast<int>(level)), c.atLevel[level]) << c.folder << " at " << level;
    }
    EXPECT_EQ(FolderOfPattern("C:\\a\\b\\*.*"), "C:\\a\\b");
    EXPECT_EQ(FolderOfPattern("C:\\*.*"), "C:\\");
    EXPECT_EQ(FolderOfPattern("\\\\server\\share\\*.*"), "\\\\server\\share\\");
    EXPECT_EQ(FolderOfPattern("*.*"), "");
}
