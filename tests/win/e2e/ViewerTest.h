// The fixture of the black-box tests: a scratch folder, clean temporary files, and the copies of
// the viewer a test starts (all ended when the test ends).
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/ScratchFolder.h"
#include "tests/win/e2e/ViewerProcess.h"

// The fixed names of the viewer's temporary files.
extern const char* const kTemporaryFileNames[5];

class TViewerTest : public testing::Test {
protected:
    void SetUp() override;

    // Starts a copy (the program under test unless exePath is given) with the command-line tail
    // arguments in workFolder (the scratch folder when empty).
    TViewerProcess& Start(const std::string& arguments, const std::string& workFolder = "",
                          const std::string& exePath = "");
    // Starts a copy and waits for its main window to be on the screen; null (with a test failure
    // recorded) when a message box comes instead, the process ends, or the deadline passes.
    HWND StartAndWaitForMainWindow(const std::string& arguments, const std::string& workFolder = "",
                                   const std::string& exePath = "");
    // A control of the main window by its fixed identifier; records a failure when it is missing.
    HWND Control(HWND main, int id);

    // The last copy that Start began.
    TViewerProcess& Viewer() { return *m_viewers.back(); }

    TScratchFolder m_scratch;
    // Declared after the scratch folder so that the copies end before their folder is removed.
    std::vector<std::unique_ptr<TViewerProcess>> m_viewers;
};

// The command-line form of a path: quoted when it holds a blank.
std::string Quoted(const std::string& path);
std::string WithoutTrailingBackslash(const std::string& folder);
// The text in upper case by the platform's rules for the ANSI code page: paths compare this way.
std::string PlatformUpper(std::string text);
