// Registry reads and removals for tests.
#include "tests/support/RegistryValues.h"

#include <vector>

std::optional<std::string> ReadStringValue(HKEY root, const std::string& key, const std::string& name) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<std::string> result;
    if (RegQueryValueExA(opened, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ &&
        size > 0) {
        std::vector<char> data(size);
        if (RegQueryValueExA(opened, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
                ERROR_SUCCESS &&
            size > 0 && data[size - 1] == '\0')
            result = std::string(data.data(), size - 1);
    }
    RegCloseKey(opened);
    return result;
}

bool KeyExists(HKEY root, const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

void DeleteKeyTree(HKEY root, const std::string& key) { RegDeleteTreeA(root, key.c_str()); RegDeleteKeyA(root, key.c_str()); }

void DeleteSonpixAssociation() {
    DeleteKeyTree(HKEY_CLASSES_ROOT, ".Sonpix");
    DeleteKeyTree(HKEY_CLASSES_ROOT, "SonpixFile");
}
