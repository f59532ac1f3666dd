// Helpers of the component layer tests: a scratch form, error capture, window counting.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/WindowLayout.h"
#include "tests/support/application/ErrorCapture.h"
#include "ui/Application.h"
#include "ui/Form.h"

// A form owned by the application for one test, destroyed at the end of it.
class TScratchForm {
public:
    TScratchForm();
    ~TScratchForm();
    TForm* operator->() const { return m_form; }
    TForm* Get() const { return m_form; }

private:
    TForm* m_form;
};


// Every window of this thread: top-level ones, their children, and message-only ones.
int CountThreadWindows();
std::string WindowClass(HWND window);
