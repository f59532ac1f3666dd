// RegisterFileType: three keys, each created, opened, set and closed through TRegistry.
#include "sys/FileTypeRegistration.h"

#include <windows.h>

namespace {
const char kOpenCommandKey[] = "\\shell\\open\\command";

// The key is created (when missing) and closed, then opened again to set its unnamed value;
// a key that will not open is passed over without an error.
void WriteDefaultValue(TRegistry& registry, const std::string& key, const std::string& text) {
    registry.CreateKey(key);
    if (!registry.OpenKey(key)) return;
    registry.WriteString("", text);
    registry.CloseKey();
}
}  // namespace

std::string OpenCommandText(const std::string& ProgramPath) { return "\"" + ProgramPath + "\" \"%1\""; }

void RegisterFileType(const std::string& Ext, const std::string& FileType, const std::string& Description,
                      const std::string& ProgramPath, const TRegistryApi& api) {
    if (Ext.empty() || FileType.empty() || ProgramPath.empty()) return;
    const std::string extKey = Ext[0] == '.' ? Ext : "." + Ext;
    const std::string description = Description.empty() ? FileType : Description;
    // The registry object closes whatever it holds open, also when an error escapes.
    TRegistry registry(HKEY_CLASSES_ROOT, api);
    WriteDefaultValue(registry, extKey, FileType);
    WriteDefaultValue(registry, FileType, description);
    WriteDefaultValue(registry, FileType + kOpenCommandKey, OpenCommandText(ProgramPath));
}
