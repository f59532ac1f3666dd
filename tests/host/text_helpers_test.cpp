// Windows-1251 upper case and backslash path text helpers.
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

TEST(UpCaseCyr, EveryByteValue) {
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b);
        const int expected = (b >= 0x61 && b <= 0x7A) || b >= 0xE0 ? b - 0x20 : b;
        EXPECT_EQ(static_cast<unsigned char>(UpCaseCyr(c)), expected) << b;
    }
}

TEST(PathText, TrailingBackslashes) {
    EXPECT_EQ(WithTrailingBackslash("C:\\A\\\\\\"), "C:\\A\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\A"), "C:\\A\\");
    EXPECT_EQ(WithTrailingBackslash(""), "");
    EXPECT_EQ(WithTrailingBackslash("\\\\"), "\\");
    EXPECT_EQ(StripTrailingBackslashes("\\\\\\"), "");
    EXPECT_EQ(StripTrailingBackslashes("C:\\Users\\a\\Temp\\"), "C:\\Users\\a\\Temp");
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

}  // namespace
