// Windows-1251 letter case and backslash path text helpers.
#include <gtest/gtest.h>

#include "sys/PathText.h"
#include "sys/mystr.h"

namespace {

// "абвгд xyz ё" and friends in Windows-1251 bytes, so the test does not depend on the source charset.
const std::string kLower = "\xE0\xE1\xE2\xE3\xE4 xyz \xB8";
const std::string kUpper = "\xC0\xC1\xC2\xC3\xC4 XYZ \xB8";

TEST(UpperCaseCyr, TurnsLatinAndCyrillicLowerCaseOnly) {
    EXPECT_EQ(UpperCaseCyr(kLower), kUpper);
    EXPECT_EQ(UpperCaseCyr("0123456789 .,;!? ABC \xC0\xDF"), "0123456789 .,;!? ABC \xC0\xDF");
    EXPECT_EQ(UpperCaseCyr("\xFF"), "\xDF");  // я -> Я
    EXPECT_EQ(UpperCaseCyr(std::string("a\0b", 3)), std::string("A\0B", 3));
    EXPECT_EQ(UpperCaseCyr("Sonpixviewer"), "SONPIXVIEWER");
}

// Letters by hand, in Windows-1251 bytes: Latin ends and middle, Cyrillic а/А, п/П, р/Р, я/Я.
TEST(CyrillicCase, TurnsEachLetterOfTheTableBothWays) {
    const struct {
        unsigned char lower, upper;
    } letters[] = {{'a', 'A'}, {'m', 'M'}, {'z', 'Z'}, {0xE0, 0xC0}, {0xEF, 0xCF}, {0xF0, 0xD0}, {0xFF, 0xDF}};
    for (const auto& letter : letters) {
        const char lower = static_cast<char>(letter.lower), upper = static_cast<char>(letter.upper);
        EXPECT_EQ(UpCaseCyr(lower), upper) << int(letter.lower);
        EXPECT_EQ(UpCaseCyr(upper), upper) << int(letter.upper);
        EXPECT_EQ(LowCaseCyr(upper), lower) << int(letter.upper);
        EXPECT_EQ(LowCaseCyr(lower), lower) << int(letter.lower);
    }
}

// Ё/ё, every byte from 0x80 to 0xBF, and the neighbours of the letter ranges stay as they are.
TEST(CyrillicCase, LeavesEverythingOutsideTheLetterRanges) {
    std::string unchanged = std::string("\0\x7F@[`{0129 .,", 14) + "\xA8\xB8";
    for (int b = 0x80; b <= 0xBF; ++b) unchanged += static_cast<char>(b);
    for (char c : unchanged) {
        EXPECT_EQ(UpCaseCyr(c), c) << int(static_cast<unsigned char>(c));
        EXPECT_EQ(LowCaseCyr(c), c) << int(static_cast<unsigned char>(c));
    }
}

// Upper then lower gives every changed letter back, and exactly 26 + 32 letters change each way.
TEST(CyrillicCase, RoundTripsAndChangesOnlyFiftyEightLetters) {
    int raised = 0, lowered = 0;
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        if (UpCaseCyr(c) != c) {
            ++raised;
            EXPECT_EQ(LowCaseCyr(UpCaseCyr(c)), c) << b;
        }
        if (LowCaseCyr(c) != c) {
            ++lowered;
            EXPECT_EQ(UpCaseCyr(LowCaseCyr(c)), c) << b;
        }
    }
    EXPECT_EQ(raised, 58);
    EXPECT_EQ(lowered, 58);
}

TEST(PathText, TrailingBackslashes) {
    EXPECT_EQ(WithTrailingBackslash("C:\\A\\\\\\"), "C:\\A\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\A"), "C:\\A\\");
    EXPECT_EQ(WithTrailingBackslash(""), "");
    EXPECT_EQ(WithTrailingBackslash("\\\\"), "\\");
    EXPECT_EQ(StripTrailingBackslashes("\\\\\\"), "");
    EXPECT_EQ(StripTrailingBackslashes("C:\\Users\\a\\Temp\\"), "C:\\Users\\a\\Temp");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\S"), "C:\\S\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\S\\"), "C:\\S\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\S\\\\"), "C:\\S\\\\");  // a join: nothing is taken away
    EXPECT_EQ(IncludeTrailingBackslash(""), "");
}

TEST(PathText, FileNameWithoutExt) {
    EXPECT_EQ(FileNameWithoutExt("C:\\a\\b.c.sonpix"), "b.c");
    EXPECT_EQ(FileNameWithoutExt("C:\\a\\.sonpix"), "");
    EXPECT_EQ(FileNameWithoutExt("C:\\a\\b"), "b");
    EXPECT_EQ(FileNameWithoutExt("C:x.y"), "x");
    EXPECT_EQ(FileNameWithoutExt("X.SONPIX"), "X");
    EXPECT_EQ(FileNameWithoutExt("C:\\d.sonpix\\f"), "f");
}

TEST(PathText, ExtensionOfTheLastElementOnly) {
    EXPECT_EQ(ExtractFileExt("C:\\a\\b.SonPix"), ".SonPix");
    EXPECT_EQ(ExtractFileExt("x.sonpix.bak"), ".bak");
    EXPECT_EQ(ExtractFileExt("C:\\d.sonpix\\f"), "");
    EXPECT_EQ(ExtractFileExt("C:.x"), ".x");
    EXPECT_EQ(ExtractFileExt("d.e:f"), "");
    EXPECT_EQ(ExtractFileExt(""), "");
}

TEST(PathText, FolderOfAFile) {
    EXPECT_EQ(ExtractFileFolder("C:\\Programs\\Viewer\\SonpixViewer.exe"), "C:\\Programs\\Viewer");
    EXPECT_EQ(ExtractFileFolder("C:\\SonpixViewer.exe"), "C:\\");
    EXPECT_EQ(ExtractFileFolder("C:x.exe"), "C:");
    EXPECT_EQ(ExtractFileFolder("x.exe"), "");
}

TEST(ExtractFilePath, KeepsEverythingUpToTheLastBackslashOrColon) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Program Files\\Sonpix\\SonpixCreator.exe", "C:\\Program Files\\Sonpix\\"},
        {"C:\\SonpixCreator.exe", "C:\\"},
        {"C:SonpixCreator.exe", "C:"},
        {"SonpixCreator.exe", ""},
        {"C:\\Tools\\", "C:\\Tools\\"},
    };
    for (const auto& c : cases) EXPECT_EQ(ExtractFilePath(c.first), c.second) << c.first;
}

}  // namespace
