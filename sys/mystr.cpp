// Windows-1251 upper case: Latin a..z and Cyrillic а..я only; ё and everything else stay as they are.
#include "mystr.h"

char UpCaseCyr(char c) {
    const unsigned char b = static_cast<unsigned char>(c);
    if ((b >= 0x61 && b <= 0x7A) || b >= 0xE0) return static_cast<char>(b - 0x20);
    return c;
}

std::string UpperCaseCyr(const std::string& s) {
    std::string result(s);
    for (char& c : result) c = UpCaseCyr(c);
    return result;
}
