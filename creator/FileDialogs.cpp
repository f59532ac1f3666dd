// ChooseFileToOpen and ChooseFileToSave over GetOpenFileNameA and GetSaveFileNameA.
#include "creator/FileDialogs.h"

#include <commdlg.h>

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
}  // namespace

std::string ChooseFileToOpen(HWND owner, TFileFilter filter, const std::string& folder) {
    const std::string filterText = FilterText(filter);
    std::vector<char> name(MAX_PATH * 4, '\0');
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = TitleOf(filter);
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameA(&dialog)) return std::string();
    return name.data();
}

std::string ChooseFileToSave(HWND owner, const std::string& folder, const std::string& suggestedName) {
    const std::string filterText = FilterText(TFileFilter::sonpix);
    std::vector<char> name(MAX_PATH * 4, '\0');
    suggestedName.copy(name.data(), std::min(suggestedName.size(), name.size() - 1));
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterText.c_str();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = "Сохранить Сонпик";
    dialog.lpstrDefExt = "sonpix";
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameA(&dialog)) return std::string();
    return name.data();
}
