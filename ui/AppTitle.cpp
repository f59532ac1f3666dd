// Application title from the program file name (Windows-1251 lower case done here, no locale).
#include "ui/AppTitle.h"

char LowCaseCyr(char c) {
    const unsigned char b = static_cast<unsigned char>(c);
    if ((b >= 0x41 && b <= 0x5A) || (b >= 0xC0 && b <= 0xDF)) return static_cast<char>(b + 0x20);
    return c;
}

std::string ApplicationTitleFromFileName(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string::size_type dot = name.find('.');
    if (dot != std::string::npos) name.erase(dot);
    for (std::string::size_type i = 1; i < name.size(); ++i) name[i] = LowCaseCyr(name[i]);
    return name;
}
