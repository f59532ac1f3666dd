// A failure during start-up is reported in the standard error box, and the window opens all the same.
#include <gtest/gtest.h>

#include "app/ControlIds.h"
#include "sys/UniqueHandle.h"
#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"
#include "tests/support/TestFiles.h"

namespace {
class TErrorBoxTest : public TViewerTest {};

// The system's text for an error code, without its closing full stop and line break.
std::string SystemReason(DWORD code) {
    char buffer[1024] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                  buffer, sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' || buffer[length - 1] == ' ' ||
                          buffer[length - 1] == '.'))
        --length;
    return std::string(buffer, length);
}

struct TLock {
    const char* what;
    DWORD shareMode;  // how the test holds the file open for writing
};

TEST_F(TErrorBoxTest, CommandLineFileHeldForWritingIsReportedAndTheWindowStillOpens) {
    for (const TLock& lock : {TLock{"shared with writers only", FILE_SHARE_WRITE}, TLock{"not shared", 0}}) {
        SCOPED_TRACE(lock.what);
        const std::string file = m_scratch.Make(std::string("held ") + (lock.shareMode ? "w" : "x") + ".sonpix");
        ASSERT_TRUE(WriteSonpix(file, SampleParts(40, "Занят"))) << file << " error " << GetLastError();
        // A stale picture shows that the start-up got as far as removing the old files.
        ASSERT_TRUE(WriteBytesFile(TempFile("Tempsx.jpg"), BytesOf("stale")));
        UniqueHandle writer(CreateFileA(file.c_str(), GENERIC_WRITE, lock.shareMode, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(writer.Valid()) << "cannot hold " << file << " open, error " << GetLastError();

        TViewerProcess& viewer = Start(Quoted(file));
        ASSERT_TRUE(viewer.Started());
        HWND box = viewer.WaitForMessageBox(kWindowTimeoutMs);
        ASSERT_NE(box, nullptr) << "no error box";
        const TMessageBoxView view = ReadMessageBox(box);
        EXPECT_EQ(view.text, "Cannot open file \"" + file + "\". " + SystemReason(ERROR_SHARING_VIOLATION) + ".");
        EXPECT_EQ(view.caption, "Sonpixviewer");
        EXPECT_TRUE(view.hasIcon) << "the error box shows no stop icon";
        EXPECT_EQ(view.buttons, std::vector<int>{IDOK}) << "not the single button OK";
        EXPECT_FALSE(PathExists(TempFile("Tempsx.jpg"))) << "the old picture was not removed";

        ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
        HWND main = viewer.WaitForVisibleMainWindow(kWindowTimeoutMs);
        ASSERT_NE(main, nullptr) << "the main window did not open after the error";
        if (HWND button = Control(main, idButton1)) {
            EXPECT_FALSE(IsWindowEnabled(button)) << "Больше is enabled";
        }
        if (HWND text = Control(main, idStaticText1)) {
            EXPECT_EQ(TextOf(text), "?");
        }
        EXPECT_EQ(FindMessageBox(viewer.Id()), nullptr) << "a second message appeared";
        writer.Close();
        EXPECT_EQ(viewer.CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
    }
}
}  // namespace
