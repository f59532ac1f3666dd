// The program file's version resource, read back as Explorer's properties page reads it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/win/e2e/ViewerProcess.h"

namespace {
// The text of one version string in the Russian, Windows-1251 table; empty when it is missing.
std::string VersionText(const std::vector<char>& info, const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    const std::string path = "\\StringFileInfo\\041904E3\\" + name;
    if (!VerQueryValueA(info.data(), path.c_str(), &value, &length) || !value || length == 0) return "";
    return std::string(static_cast<const char*>(value));
}
}  // namespace

TEST(VersionResource, ProgramFileCarriesItsVersionAndRussianTexts) {
    const std::string exe = ViewerExePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << exe;
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_TRUE(fixed);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010002u);  // 1.2
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0419);  // Russian
    EXPECT_EQ(translation[1], 1251);

    const struct {
        const char* name;
        const char* text;
    } expected[] = {
        {"FileVersion", "1.2.0.0"},
        {"ProductName", "Сонпик Просмотрщик"},
        {"FileDescription", "Сонпик Просмотрщик: просмотр Сонпиков с картинкой и звуком"},
        {"LegalCopyright", "© Мастерская Сонпик"},
        {"OriginalFilename", "SonpixViewer.exe"},
    };
    for (const auto& entry : expected) EXPECT_EQ(VersionText(info, entry.name), entry.text) << entry.name;
}
