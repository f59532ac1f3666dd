// The creator's own rules: the maker's text as stored, the title, the preview size, file kinds.
#include <gtest/gtest.h>

#include "creator/CreatorRules.h"

// Whatever line breaks the field gives, the file gets CR LF, and nothing trails the last line.
TEST(CreatorRules, MakerTextIsStoredWithCrLfAndNothingTrailing) {
    const struct {
        const char* field;
        const char* stored;
    } cases[] = {
        {"Иван\r\nПетров", "Иван\r\nПетров"},
        {"Иван\nПетров\nКарелия", "Иван\r\nПетров\r\nКарелия"},
        {"Иван\rПетров", "Иван\r\nПетров"},
        {"Иван\n\r\nПетров", "Иван\r\n\r\nПетров"},
        {"Иван Петров\r\n\r\n  \t", "Иван Петров"},
        {"  Иван", "  Иван"},
        {"\r\n \r\n", ""},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(StoredMakerText(c.field), c.stored) << c.field;
}

TEST(CreatorRules, TitleNamesTheFileAndMarksUnsavedChanges) {
    EXPECT_EQ(CreatorCaption("", false), "Новый Сонпик - Сонпик Создатель");
    EXPECT_EQ(CreatorCaption("", true), "Новый Сонпик* - Сонпик Создатель");
    EXPECT_EQ(CreatorCaption("C:\\Фото\\Закат.sonpix", false), "Закат.sonpix - Сонпик Создатель");
    EXPECT_EQ(CreatorCaption("C:\\Фото\\Закат.sonpix", true), "Закат.sonpix* - Сонпик Создатель");
}

// The preview fits large pictures into the box as the viewer does and never enlarges small ones;
// the picture is decoded reduced as far as that size allows, never below it (the decoder rounds
// a reduced side up: 1599 / 4 gives 400).
TEST(CreatorRules, PreviewIsFittedButNeverEnlarged) {
    const struct {
        int width, height, boxWidth, boxHeight, fittedWidth, fittedHeight;
        unsigned reduction;
    } cases[] = {
        {1600, 1000, 400, 300, 400, 250, 4}, {1000, 1600, 400, 300, 188, 300, 4}, {200, 50, 225, 57, 200, 50, 1},
        {100, 80, 400, 300, 100, 80, 1},     {400, 300, 400, 300, 400, 300, 1},  {900, 30, 225, 57, 225, 8, 4},
        {6000, 4000, 400, 300, 400, 267, 8}, {1599, 999, 400, 300, 400, 250, 4}, {0, 10, 400, 300, 0, 0, 8},
    };
    for (const auto& c : cases) {
        const TFitSize size = PreviewSize(c.width, c.height, c.boxWidth, c.boxHeight);
        EXPECT_EQ(size.width, c.fittedWidth) << c.width << " x " << c.height;
        EXPECT_EQ(size.height, c.fittedHeight) << c.width << " x " << c.height;
        EXPECT_EQ(PreviewReduction(c.width, c.height, size), c.reduction) << c.width << " x " << c.height;
    }
}

TEST(CreatorRules, FilesAreTakenByTheirExtensionInAnyCase) {
    EXPECT_EQ(KindOfFile("C:\\a\\Закат.JPG"), TFileKind::picture);
    EXPECT_EQ(KindOfFile("C:\\a\\b.jpeg"), TFileKind::picture);
    EXPECT_EQ(KindOfFile("C:\\a\\b.Wav"), TFileKind::sound);
    EXPECT_EQ(KindOfFile("C:\\a\\b.SONPIX"), TFileKind::sonpix);
    EXPECT_EQ(KindOfFile("C:\\a.jpg\\b.txt"), TFileKind::other);
    EXPECT_EQ(KindOfFile("C:\\a\\jpg"), TFileKind::other);
}
