// Program entry of the creator: the application, its one window, the message loop.
#include <windows.h>

#include "creator/CommandLine.h"
#include "creator/CreatorForm.h"
#include "ui/Application.h"
#include "ui/ExceptionBoundary.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    GuardedRun([] {
        Application->Initialize();
        Application->CreateForm(CreatorForm);
        // A file named on the command line comes into the shown form; one that cannot be opened
        // is reported, and the form starts empty.
        const std::string file = CommandLineFile();
        CreatorForm->Show();
        if (!file.empty()) GuardedRun([&file] { CreatorForm->OpenFile(file, false); });
        Application->Run();
    });
    return 0;
}
