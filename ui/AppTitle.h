// The application title made from the program file's name, and Windows-1251 lower case.
#pragma once
#include <string>

// Windows-1251 lower case, the inverse of UpCaseCyr: Latin A..Z and Cyrillic А..Я only.
char LowCaseCyr(char c);

// The file name without folder, cut before its first full stop, every letter after the first
// in lower case: C:\x\SonpixViewer.exe gives Sonpixviewer.
std::string ApplicationTitleFromFileName(const std::string& path);
