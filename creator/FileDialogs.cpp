// ChooseFileToOpen and ChooseFileToSave over GetOpenFileNameA and GetSaveFileNameA.
#include "creator/FileDialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace {
// Each filter: pairs of a description and its patterns, each ended by a zero, the whole by two.
std::string FilterText(TFileFilter filter) {
    using namespace std::string_literals;
    switch (filter) {
        case TFileFilter::picture: return "Картинки JPEG (*.jpg, *.jpeg)\0*.jpg;*.jpeg\0Все файлы (*.*)\0*.*\0"s;
        case TFileFilter::sound: return "Звуки WAV (*.wav)\0*.wav\0Все файлы (*.*)\0*.*\0"s;
        case TFileFilter::sonpix: break;
    }
    return "Сонпики (*.sonpix)\0*.sonpix\0Все файлы (*.*)\0*.*\0"s;
}

const char* TitleOf(TFileFilter filter) {
    switch (filter) {
        case TFileFilter::picture: return "Открыть картинку";
        case TFileFilter::sound: return "Открыть звук";
        case TFileFilter::sonpix: break;
    }
    return "Открыть Сонпик";
}


// Runs one dialog over name (the suggested name in, the chosen one out); empty when cancelled.
std::string RunFileDialog(BOOL(WINAPI* run)(LPOPENFILENAMEA), HWND owner, TFileFilter filter, const char* title,
                          const std::string& folder, const std::string& suggestedName, DWORD flags,
                          const char* defaultExtension) {
    const std::string filterText = FilterText(filter);
    std::vector<char> name(MAX_PATH * 4, '\0');
    suggestedName.copy(name.data(), std::min(suggestedName.size(), name.size() - 1));
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | flags;
    if (!run(&dialog)) return std::string();
    return name.data();
}
}  // namespace

std::string ChooseFileToOpen(HWND owner, TFileFilter filter, const std::string& folder) {
    return RunFileDialog(&GetOpenFileNameA, owner, filter, TitleOf(filter), folder, std::string(), OFN_FILEMUSTEXIST,
                         nullptr);
}

std::string ChooseFileToSave(HWND owner, const std::string& folder, const std::string& suggestedName) {
    return RunFileDialog(&GetSaveFileNameA, owner, TFileFilter::sonpix, "Сохранить Сонпик", folder, suggestedName,
                         OFN_OVERWRITEPROMPT, "sonpix");
}
