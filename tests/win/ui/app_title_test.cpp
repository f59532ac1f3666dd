// The application window's title comes from the program file's name.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/AppTitle.h"

TEST(ApplicationTitle, IsFileNameCutAtFirstFullStopWithLaterLettersLowerCase) {
    struct TCase {
        const char* path;
        const char* title;
    } cases[] = {
        {"C:\\Program Files\\Viewer\\SonpixViewer.exe", "Sonpixviewer"},
        {"SONPIXVIEWER.EXE", "Sonpixviewer"},
        {"Z:\\dir.with.dots\\Prog", "Prog"},
        {"C:\\a\\my.tool.exe", "my"},
        {"sonpix.exe", "sonpix"},
        {"C:\\x\\ПРОСМОТР.exe", "Просмотр"},
        {"C:\\x\\ЁЛКА.exe", "Ёлка"},
        {"C:\\x\\ЛЁД.exe", "ЛЁд"},  // Ё lies outside А..Я and keeps its case, as in the upper-case rule
        {"C:\\x\\.hidden", ""},
    };
    for (const TCase& c : cases) EXPECT_EQ(ApplicationTitleFromFileName(c.path), c.title) << c.path;
}

TEST(ApplicationWindow, IsHiddenUnownedAndTitledAfterThisProgram) {
    HWND window = Application->Handle();
    ASSERT_TRUE(IsWindow(window));
    char path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    EXPECT_EQ(Application->Title(), ApplicationTitleFromFileName(std::string(path, length)));
    EXPECT_EQ(WindowText(window), Application->Title());
    EXPECT_EQ(WindowClass(window), "TApplication");
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
    EXPECT_FALSE(IsWindowVisible(window));
}
