// TRegistry over RegCreateKeyExA, RegOpenKeyExA, RegSetValueExA and RegCloseKey.
#include "sys/Registry.h"

const TRegistryApi& SystemRegistryApi() {
    static const TRegistryApi api{
        [](HKEY root, const std::string& name, HKEY* key) {
            return RegCreateKeyExA(root, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, key,
                                   nullptr);
        },
        [](HKEY root, const std::string& name, HKEY* key) { return RegOpenKeyExA(root, name.c_str(), 0, KEY_ALL_ACCESS, key); },
        [](HKEY key, const std::string& valueName, const std::string& text) {
            return RegSetValueExA(key, valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                  static_cast<DWORD>(text.size() + 1));
        },
        [](HKEY key) { return RegCloseKey(key); },
    };
    return api;
}

void TRegistry::CreateKey(const std::string& name) {
    HKEY created = nullptr;
    if (m_api.CreateKey(m_root, name, &created) != ERROR_SUCCESS) throw ERegistryException("Failed to create key " + name);
    m_api.CloseKey(created);
}

bool TRegistry::OpenKey(const std::string& name) {
    CloseKey();
    HKEY opened = nullptr;
    if (m_api.OpenKey(m_root, name, &opened) != ERROR_SUCCESS) return false;
    m_current = opened;
    return true;
}

void TRegistry::WriteString(const std::string& valueName, const std::string& text) {
    if (!m_current || m_api.SetString(m_current, valueName, text) != ERROR_SUCCESS)
        throw ERegistryException("Failed to set data for '" + valueName + "'");
}

void TRegistry::CloseKey() {
    if (!m_current) return;
    m_api.CloseKey(m_current);
    m_current = nullptr;
}
