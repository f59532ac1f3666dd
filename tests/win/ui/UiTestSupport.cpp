// Helpers of the component layer tests.
#include "UiTestSupport.h"

#include <memory>

TScratchForm::TScratchForm() : m_form(Application->Create<TForm>("TScratchForm")) {}

TScratchForm::~TScratchForm() {
    // The application destroys its components only at the end; this one goes now.
    Application->RemoveComponent(m_form).reset();
}

namespace {
BOOL CALLBACK CountChild(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}
BOOL CALLBACK CountTopLevel(HWND window, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    EnumChildWindows(window, &CountChild, counter);
    return TRUE;
}
}  // namespace

int CountThreadWindows() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountTopLevel, reinterpret_cast<LPARAM>(&count));
    for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
         window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr))
        if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) ++count;
    return count;
}

std::string WindowClass(HWND window) {
    char buffer[256];
    const int length = GetClassNameA(window, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? length : 0);
}
