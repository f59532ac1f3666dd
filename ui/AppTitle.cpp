// Application title from the program file name (Windows-1251 lower case, no locale).
#include "ui/AppTitle.h"

#include "sys/mystr.h"

std::string ApplicationTitleFromFileName(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string::size_type dot = name.find('.');
    if (dot != std::string::npos) name.erase(dot);
    for (std::string::size_type i = 1; i < name.size(); ++i) name[i] = LowCaseCyr(name[i]);
    return name;
}
