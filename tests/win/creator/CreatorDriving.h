// Driving the real SonpixCreator.exe from outside: its window, its buttons by caption, and the
// standard save dialog and message boxes it opens.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/TestFolder.h"
#include "tests/win/e2e/Deadline.h"
#include "tests/win/e2e/ViewerProcess.h"

// The creator's window class.
constexpr char kCreatorWindowClass[] = "TCreatorForm";

// SonpixCreator.exe beside this test program.
std::string CreatorExePath();

// The command-line form of a path: between double quotes.
std::string Quoted(const std::string& path);

// The black-box fixture: a scratch folder, and the copies of the creator a test starts (all ended
// when the test ends, before the folder goes).
class TCreatorTest : public testing::Test {
protected:
    void SetUp() override;
    // The last copy that StartCreator began.
    TViewerProcess& Creator() { return *m_creators.back(); }
    // Starts the creator with the command-line tail in the scratch folder and waits for its
    // window; null (with a failure recorded) when it does not appear.
    HWND StartCreator(const std::string& arguments);
    // The creator's child control with this class and caption; null (with a failure) when missing.
    HWND Child(HWND window, const std::string& className, const std::string& caption);
    // Answers the save dialog that is open or opens now: types path as the file name and presses
    // the dialog's OK; false when no dialog came.
    bool AnswerSaveDialog(const std::string& path);
    // The first visible dialog-class window of the creator that has a button with this
    // identifier (and this caption, unless empty), waited for; null at the deadline.
    HWND WaitForBoxWithButton(int commandId, const std::string& caption = "");

    TTestFolder m_scratch{"creator"};
    std::vector<std::unique_ptr<TViewerProcess>> m_creators;
};
