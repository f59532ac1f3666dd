// Locale-independent Windows-1251 upper and lower case; upper case serves every case-insensitive comparison.
#pragma once
#include <string>

char UpCaseCyr(char c);
std::string UpperCaseCyr(const std::string& s);

// The inverse of UpCaseCyr on letters: Latin A..Z and Cyrillic А..Я only; Ё and all else unchanged.
char LowCaseCyr(char c);
