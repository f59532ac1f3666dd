// TCreatorForm: opening parts and Sonpix files, saving, and showing the saved file in the viewer.
#include <stdexcept>

#include "creator/CreatorForm.h"
#include "creator/CreatorNames.h"
#include "creator/CreatorRules.h"
#include "creator/FileDialogs.h"
#include "creator/SonpixFiles.h"
#include "sys/PathText.h"
#include "sys/ProgramLaunch.h"
#include "sys/mysys.h"

namespace {
const char kNotSavedCaption[] = "Сонпик не сохранён";
const char kUnknownKind[] = "Сонпик Создатель берёт картинки JPEG (.jpg), звуки WAV (.wav) и Сонпики (.sonpix), а не \"";
const char kViewerNotStarted[] = "Не удалось запустить просмотрщик";

// All faults in one box: a line for each, the part's label first.
std::string FaultText(const std::vector<TSaveFault>& faults) {
    std::string text = "Сонпик не сохранён, файл на диске не изменился. Исправьте:\r\n";
    for (const TSaveFault& fault : faults) text += "\r\n" + fault.who + ": " + fault.reason;
    return text;
}
}  // namespace

void TCreatorForm::OpenFile(const std::string& path, bool toMaker) {
    switch (KindOfFile(path)) {
        case TFileKind::picture:
            if (toMaker) {
                m_document.SetMakerPicture(ReadPartFile(path));
                ShowMakerPicture();
            } else {
                m_document.SetPicture(ReadPartFile(path));
                ShowPicture();
            }
            break;
        case TFileKind::sound:
            ClosePlayer();
            m_document.SetSound(ReadPartFile(path));
            ShowSound();
            break;
        case TFileKind::sonpix:
            if (!ConfirmDiscard()) return;
            LoadSonpix(path);
            break;
        case TFileKind::other:
            throw std::runtime_error(kUnknownKind + path + "\"");
    }
    Remember(path);
    ShowState();
}

void TCreatorForm::LoadSonpix(const std::string& path) {
    // A file that is no Sonpix file is refused before anything is read over: the document stays.
    CheckSonpixHeader(path);
    StopSound();
    ClosePlayer();
    // The document's memory takes the new file (its contents are saved, or the user let them go).
    // Should reading still fail (a read error, a file cut short meanwhile), the form is left new.
    try {
        TDraftContents contents = SplitSonpixFile(path, m_document.TakeContents());
        m_document.Load(path, std::move(contents));
    } catch (...) {
        ShowDocument();
        throw;
    }
    ShowDocument();
}

void TCreatorForm::ShowDocument() {
    ShowPicture();
    ShowSound();
    ShowMakerPicture();
    ShowMakerText();
    ShowState();
}

void TCreatorForm::OpenSonpix() {
    if (!ConfirmDiscard()) return;
    const std::string path = ChooseFileToOpen(Handle(), TFileFilter::sonpix, m_folder);
    if (path.empty()) return;
    LoadSonpix(path);
    Remember(path);
    ShowState();
}

void TCreatorForm::ChoosePicture() {
    const std::string path = ChooseFileToOpen(Handle(), TFileFilter::picture, m_folder);
    if (!path.empty()) OpenFile(path, false);
}

void TCreatorForm::ChooseMakerPicture() {
    const std::string path = ChooseFileToOpen(Handle(), TFileFilter::picture, m_folder);
    if (!path.empty()) OpenFile(path, true);
}

void TCreatorForm::ClearMakerPicture() {
    m_document.SetMakerPicture(TDraftPart{});
    ShowMakerPicture();
    ShowState();
}

void TCreatorForm::ChooseSound() {
    const std::string path = ChooseFileToOpen(Handle(), TFileFilter::sound, m_folder);
    if (!path.empty()) OpenFile(path, false);
}

bool TCreatorForm::Save() {
    if (m_document.Path().empty()) return SaveAs();
    // The file being edited is replaced without a question: it is the one the user opened.
    return SaveTo(m_document.Path(), true);
}

bool TCreatorForm::SaveAs() {
    const std::string suggested =
        m_document.Path().empty() ? std::string() : m_document.Path().substr(ExtractFilePath(m_document.Path()).size());
    const std::string path = ChooseFileToSave(Handle(), m_folder, suggested);
    if (path.empty()) return false;
    // The dialog has asked before replacing a file that is there.
    return SaveTo(path, true);
}

bool TCreatorForm::SaveTo(const std::string& path, bool replace) {
    FinishRecording();
    // A recording's only other copy is deleted below, so the file holding it goes to disk first.
    const TFlush flush = m_document.Contents().sound.source == kRecordingName ? TFlush::always : TFlush::beforeReplacing;
    const std::vector<TSaveFault> faults = WriteSonpix(m_document, path, replace, flush);
    if (!faults.empty()) {
        MessageBoxA(Handle(), FaultText(faults).c_str(), kNotSavedCaption, MB_OK | MB_ICONERROR);
        return false;
    }
    m_document.MarkSaved(path);
    Remember(path);
    // The recording is in the saved file now; its temporary copy is no longer needed.
    DeleteFileQuietly(m_recordingFile);
    ShowState();
    return true;
}

bool TCreatorForm::ConfirmDiscard() {
    // A recording under way is a change too: it ends and becomes the sound before the question.
    FinishRecording();
    if (!m_document.Modified()) return true;
    const std::string name = m_document.Path().empty() ? std::string(kUntitledName)
                                                       : m_document.Path().substr(ExtractFilePath(m_document.Path()).size());
    const std::string question = "Сохранить изменения в \"" + name + "\"?";
    switch (MessageBoxA(Handle(), question.c_str(), kCreatorTitle, MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES: return Save();
        case IDNO: return true;
        default: return false;
    }
}

void TCreatorForm::ShowInViewer() {
    if (m_document.Path().empty()) return;
    const std::string viewer = AppFolder + kViewerProgram;
    if (!LaunchProgram(viewer, "\"" + m_document.Path() + "\"", ExtractFilePath(m_document.Path()), false, 0))
        throw std::runtime_error(std::string(kViewerNotStarted) + " \"" + viewer + "\"");
}
