// The tool's text conversion, output names and command line, case by case.
#include <gtest/gtest.h>

#include "authoring/Cp1251.h"
#include "cli/CliArgs.h"
#include "cli/Json.h"
#include "cli/OutputNames.h"

namespace {

TEST(Cp1251, EveryShowableByteComesBackThroughUtf8AndKnownLettersHaveTheirCodePoints) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1251ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    // Fixed letters, written out as UTF-8 here rather than derived from the table.
    const struct {
        unsigned char byte;
        const char* utf8;
    } letters[] = {{0xC0, "А"}, {0xFF, "я"}, {0xA8, "Ё"}, {0xB8, "ё"}, {0xB9, "№"}, {0x88, "€"},
                   {0x96, "–"}, {0xAB, "«"}, {0x80, "Ђ"}, {0xA5, "Ґ"}, {'A', "A"}};
    for (const auto& l : letters) {
        EXPECT_EQ(Cp1251ToUtf8(std::string(1, static_cast<char>(l.byte))), l.utf8) << int(l.byte);
        const TUtf8Conversion back = Utf8ToCp1251(l.utf8);
        ASSERT_TRUE(back.ok) << l.utf8;
        EXPECT_EQ(back.cp1251, std::string(1, static_cast<char>(l.byte)));
    }
    // Every showable byte survives the round trip.
    std::string showable;
    for (int b = 0; b < 256; ++b)
        if (IsShowableCp1251(static_cast<std::uint8_t>(b))) showable += static_cast<char>(b);
    EXPECT_EQ(showable.size(), 256u - 32u + 3u - 2u);  // controls out except tab/LF/CR; DEL and 98 out
    const TUtf8Conversion round = Utf8ToCp1251(Cp1251ToUtf8(showable));
    ASSERT_TRUE(round.ok) << round.reason;
    EXPECT_EQ(round.cp1251, showable);
}

TEST(Cp1251, Utf8ThatWindows1251CannotHoldIsRefusedAtItsOffset) {
    const struct {
        std::string utf8;
        std::size_t offset;
        const char* reason;
    } cases[] = {
        {"Привет 日本", 13, "U+65E5"},       // CJK has no form
        {"ab\xC3\x28", 2, "invalid UTF-8"},  // broken sequence
        {"\xC0\xAF", 0, "invalid UTF-8"},    // overlong '/'
        {"\xED\xA0\x80", 0, "invalid UTF-8"},  // surrogate
        {"x\xE2\x82", 1, "invalid UTF-8"},   // cut short
        {std::string("a\0b", 3), 1, "U+0000"},  // control byte the viewer cannot show
        {"\xC2\x98", 0, "U+0098"},           // the byte without a character
        {"smile \xF0\x9F\x98\x80", 6, "U+01F600"},
    };
    for (const auto& c : cases) {
        const TUtf8Conversion result = Utf8ToCp1251(c.utf8);
        EXPECT_FALSE(result.ok) << c.reason;
        EXPECT_EQ(result.badOffset, c.offset) << c.reason;
        EXPECT_NE(result.reason.find(c.reason), std::string::npos) << result.reason;
    }
    EXPECT_EQ(Utf8ToCp1251("\xEF\xBB\xBFЯ").cp1251, "\xDF");  // a leading byte-order mark is dropped
}

TEST(OutputNames, NamesThatLeaveTheFolderAreRefusedAndTheStemDropsOnlyTheSonpixEnd) {
    const struct {
        const char* name;
        bool safe;
    } names[] = {{"Закат", true},     {"a.b", true},  {"...", true}, {"..", false}, {".", false},
                 {"", false},         {"a/b", false}, {"..\\x", false}, {"c:x", false}, {"a\nb", false}};
    for (const auto& n : names) EXPECT_EQ(UnsafeNameReason(n.name).empty(), n.safe) << n.name;
    EXPECT_EQ(SonpixStem("Закат.sonpix"), "Закат");
    EXPECT_EQ(SonpixStem("x.SONPIX"), "x");
    EXPECT_EQ(SonpixStem("x.jpg"), "x.jpg");
    EXPECT_EQ(SonpixStem("...sonpix"), "..");
    EXPECT_EQ(SonpixStem(".sonpix"), ".sonpix");
}

TEST(CliArgs, WrongCommandLinesAreRefusedWithAReason) {
    const struct {
        std::vector<std::string> args;
        const char* error;  // nullptr: accepted
    } cases[] = {
        {{}, "no command"},
        {{"frobnicate"}, "unknown command"},
        {{"info"}, "at least one FILE"},
        {{"info", "--json", "a"}, nullptr},
        {{"check", "--json", "a"}, "unknown option"},
        {{"extract", "a", "b"}, "exactly one FILE"},
        {{"extract", "a", "-o"}, "needs a value"},
        {{"extract", "a", "-o", "d", "--force"}, nullptr},
        {{"create", "-p", "a.jpg", "-s", "b.wav"}, "-o OUT.sonpix"},
        {{"create", "-p", "a", "-p", "b", "-s", "c", "-o", "d"}, "given twice"},
        {{"create", "-p", "a", "-s", "c", "-o", "d", "stray"}, "no file names"},
        {{"check", "--", "-odd-name"}, nullptr},
    };
    for (const auto& c : cases) {
        const TCliArgs parsed = ParseCliArgs(c.args);
        if (c.error) EXPECT_NE(parsed.error.find(c.error), std::string::npos) << parsed.error;
        else EXPECT_EQ(parsed.error, "");
    }
    EXPECT_EQ(ParseCliArgs({"check", "--", "-odd-name"}).files, std::vector<std::string>{"-odd-name"});
}

TEST(Json, StringsAreEscapedAndBrokenUtf8Replaced) {
    EXPECT_EQ(JsonQuoted("a\"b\\c\r\n\t\x01Я"), "\"a\\\"b\\\\c\\r\\n\\t\\u0001Я\"");
    EXPECT_EQ(JsonQuoted("x\xFFy"), "\"x\xEF\xBF\xBDy\"");
}

}  // namespace
