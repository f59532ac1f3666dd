// Finding, reading and answering the message boxes of another process.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// What a user sees of a message box.
struct TMessageBoxView {
    HWND window = nullptr;
    std::string caption;
    std::string text;                  // the message, as the box's text control holds it
    bool hasIcon = false;              // an icon control that is shown and holds an icon
    // The visible push buttons by command identifier (IDOK, IDCANCEL...): their captions follow
    // the user interface language (Wine shows "ОК" under a Russian locale), their identifiers do not.
    std::vector<int> buttons;
    std::vector<std::string> buttonCaptions;  // '&' removed
};

// The first visible dialog-class window ("#32770") among the process's top-level windows.
HWND FindMessageBox(DWORD processId);
TMessageBoxView ReadMessageBox(HWND box);
// Presses the visible button with this command identifier as a click would; false when there is none.
bool PressMessageBoxButton(HWND box, int commandId);
