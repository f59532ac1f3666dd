// Locale-independent Windows-1251 upper case, used for every case-insensitive comparison.
#pragma once
#include <string>

char UpCaseCyr(char c);
std::string UpperCaseCyr(const std::string& s);
