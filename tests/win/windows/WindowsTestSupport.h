// Helpers of the secondary window tests: a form of the application for one test, error capture,
// and reading windows the way a user's tools would.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/WindowLayout.h"
#include "ui/Application.h"

// A form made by the application for one test and destroyed at its end.
template <class T>
class TOwnForm {
public:
    TOwnForm() : m_form(Application->Create<T>()) {}
    ~TOwnForm() { Application->RemoveComponent(m_form).reset(); }
    T* operator->() const { return m_form; }
    T* Get() const { return m_form; }

private:
    T* m_form;  // owned through the application's component list until the destructor
};

// A click with the mouse's own messages on the middle of a button, as a user's click arrives.
void ClickButton(HWND button);
