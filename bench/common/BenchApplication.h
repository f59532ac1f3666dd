// The application and the viewer's main window as the Windows benchmarks run them in their own
// process.
#pragma once
#include <cstdio>
#include <exception>

#include "app/Unit1.h"
#include "ui/Application.h"

// Initialises the application (a TApplication must live in the caller), its errors printed
// instead of shown in a box, which would stop the run.
inline void InitializeBenchApplication() {
    Application->Initialize();
    Application->OnException = [](const std::exception& error) { std::printf("error: %s\n", error.what()); };
}

// Creates and shows the viewer's main window with its sound off: only pictures are timed.
inline void ShowSilentViewer() {
    Application->CreateForm(Form1);
    Form1->CheckBox1->SetChecked(false);
    Form1->Show();
}
