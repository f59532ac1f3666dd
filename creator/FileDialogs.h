// The standard open and save dialogs for the creator's files.
#pragma once
#include <windows.h>

#include <string>

enum class TFileFilter { picture, sound, sonpix };

// The file the user chose to open (full ANSI path), or empty when the dialog was cancelled.
// folder: where the dialog starts.
std::string ChooseFileToOpen(HWND owner, TFileFilter filter, const std::string& folder);
// The name to save a Sonpix file under, ".sonpix" added when the user typed no extension; the
// dialog asks before an existing file is replaced. Empty when cancelled.
std::string ChooseFileToSave(HWND owner, const std::string& folder, const std::string& suggestedName);
