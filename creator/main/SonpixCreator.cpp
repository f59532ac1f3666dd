// Program entry of the creator: the application, its one window, the message loop.
#include <windows.h>

#include "creator/CreatorForm.h"
#include "ui/Application.h"
#include "ui/ExceptionBoundary.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    GuardedRun([] {
        Application->Initialize();
        Application->CreateForm(CreatorForm);
        Application->Run();
    });
    return 0;
}
