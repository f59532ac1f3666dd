// TRegistry: the registry access object of the file-type registration: keys below one root are
// created, opened, written and closed, and failures become errors with the registry's texts. The
// calls it makes go through a table that tests can replace, since a Wine prefix grants every write.
#pragma once
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>

// A registry failure: "Failed to create key <name>" or "Failed to set data for '<value name>'".
class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The registry calls, each answering a platform error code (ERROR_SUCCESS on success).
struct TRegistryApi {
    // Creates the key with its missing parents, non-volatile, with full access.
    std::function<LONG(HKEY root, const std::string& name, HKEY* key)> CreateKey;
    std::function<LONG(HKEY root, const std::string& name, HKEY* key)> OpenKey;
    // Writes a REG_SZ value: the text's bytes and one zero byte.
    std::function<LONG(HKEY key, const std::string& valueName, const std::string& text)> SetString;
    std::function<LONG(HKEY key)> CloseKey;
};
// The table of the real advapi32 calls.
const TRegistryApi& SystemRegistryApi();

class TRegistry {
public:
    explicit TRegistry(HKEY root, const TRegistryApi& api = SystemRegistryApi()) : m_root(root), m_api(api) {}
    ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Creates the key (and its missing parents) if it is missing and closes it again; raises
    // ERegistryException "Failed to create key <name>" on failure.
    void CreateKey(const std::string& name);
    // Opens the key as the current key (closing one still open); false when it cannot be opened.
    bool OpenKey(const std::string& name);
    // Sets a text value of the current key; raises "Failed to set data for '<valueName>'" on failure.
    void WriteString(const std::string& valueName, const std::string& text);
    // Closes the current key, if one is open.
    void CloseKey();

private:
    HKEY m_root;
    const TRegistryApi& m_api;
    HKEY m_current = nullptr;  // owned: the key OpenKey opened, closed by CloseKey
};
