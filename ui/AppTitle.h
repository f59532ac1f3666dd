// The application title made from the program file's name.
#pragma once
#include <string>

// The file name without folder, cut before its first full stop, every letter after the first
// in lower case: C:\x\SonpixViewer.exe gives Sonpixviewer.
std::string ApplicationTitleFromFileName(const std::string& path);
