// Program entry: the application, the five windows in their fixed order, the message loop.
#include <windows.h>

#include "app/Unit1.h"
#include "ui/Application.h"
#include "ui/ExceptionBoundary.h"
#include "windows/Unit2.h"
#include "windows/Unit3.h"
#include "windows/Unit4.h"
#include "windows/Unit5.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    GuardedRun([] {
        Application->Initialize();
        // Form1 first: its creation handler runs before the other windows exist.
        Application->CreateForm(Form1);
        Application->CreateForm(Form2);
        Application->CreateForm(Form3);
        Application->CreateForm(Form4);
        Application->CreateForm(Form5);
        Application->Run();
    });
    return 0;
}
