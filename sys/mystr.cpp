// Windows-1251 case: Latin and Cyrillic а..я / А..Я only; ё, Ё and everything else stay as they are.
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

char LowCaseCyr(char c) {
    const unsigned char b = static_cast<unsigned char>(c);
    if ((b >= 0x41 && b <= 0x5A) || (b >= 0xC0 && b <= 0xDF)) return static_cast<char>(b + 0x20);
    return c;
}
