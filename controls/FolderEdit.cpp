// TFolderEdit: the folder dialog's start and result, and the value of a dropped item.
#include "controls/FolderEdit.h"

#include "controls/FolderEditGlyph.h"
#include "controls/SelectFolderDialog.h"
#include "sys/ErrorModeGuard.h"

bool IsExistingFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TFolderEdit::TFolderEdit(TComponent* owner) : TPathEdit(owner) {
    Button()->SetImage(FolderEditImages(), 0);
}

void TFolderEdit::CreateParams(TCreateParams& params) {
    TPathEdit::CreateParams(params);
    params.ClassName = "TFolderEdit";
    params.BaseClass = "EDIT";
}

bool TFolderEdit::ExecuteDialog(std::string& path) {
    if (path.empty()) path = m_initialDir.empty() ? "\\" : m_initialDir;
    if (!IsExistingFolder(path)) path = "\\";
    // No system boxes about drives that are not ready while the dialog reads them.
    TErrorModeGuard errorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    std::string chosen;
    const bool accepted = TSelectFolderDialog::Run(path, chosen, 0);
    path = chosen;
    return accepted;
}

// The selection goes first (an edit of its own), then the folder is written.
void TFolderEdit::AcceptDialogResult(const std::string& path) {
    if (HandleAllocated()) SendMessageA(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));
    SetOrAppend(path);
    if (!path.empty() && IsExistingFolder(path)) m_initialDir = path;
}

void TFolderEdit::SetOrAppend(const std::string& folder) {
    if (m_multipleDirs && !Text().empty()) SetText(Text() + ";" + folder);
    else SetText(folder);
}

std::string TFolderEdit::DroppedValue(const std::string& name) {
    const DWORD attributes = GetFileAttributesA(name.c_str());
    const bool file = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    std::string value = name;
    if (file) {
        const size_t cut = name.find_last_of("\\:");
        value = cut == std::string::npos ? std::string() : name.substr(0, cut + 1);
    }
    if (m_multipleDirs && !Text().empty()) return Text() + ";" + value;
    return value;
}
