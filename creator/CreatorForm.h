// TCreatorForm: the creator's one window: the four parts of the file being made, opening and
// saving, playing and recording the sound, and showing the saved file in the viewer.
#pragma once
#include <memory>
#include <string>

#include "creator/ShortcutHook.h"
#include "creator/SonpixDocument.h"
#include "sound/SoundPlayer.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Image.h"
#include "ui/Memo.h"
#include "ui/StaticText.h"
#include "ui/Timer.h"

class TSoundRecorder;

class TCreatorForm : public TForm {
public:
    explicit TCreatorForm(TComponent* owner);
    ~TCreatorForm() override;

    // Controls, owned by the form (its component list); these are plain references.
    TGroupBox* GroupBox1 = nullptr;  // the picture
    TImage* Image1 = nullptr;
    TStaticText* StaticText1 = nullptr;
    TButton* Button1 = nullptr;      // open a picture
    TGroupBox* GroupBox2 = nullptr;  // the sound
    TStaticText* StaticText2 = nullptr;
    TButton* Button2 = nullptr;      // open a sound
    TButton* Button3 = nullptr;      // play
    TButton* Button4 = nullptr;      // stop
    TButton* Button5 = nullptr;      // record, and end the recording
    TGroupBox* GroupBox3 = nullptr;  // the maker's picture
    TImage* Image2 = nullptr;
    TStaticText* StaticText3 = nullptr;
    TButton* Button6 = nullptr;      // open the maker's picture
    TButton* Button7 = nullptr;      // clear it
    TGroupBox* GroupBox4 = nullptr;  // the maker's text
    TMemo* Memo1 = nullptr;
    TButton* Button8 = nullptr;      // open a Sonpix file
    TButton* Button9 = nullptr;      // save
    TButton* Button10 = nullptr;     // save as
    TButton* Button11 = nullptr;     // show in the viewer
    TTimer* Timer1 = nullptr;        // the recording's length while it records
    std::unique_ptr<TSoundPlayer> SoundPlayer1;
    std::unique_ptr<TSoundRecorder> SoundRecorder1;

    const TSonpixDocument& Document() const { return m_document; }

    // The commands, by name.
    void FormCreate(TObject* Sender);
    // Asks for a Sonpix file and opens it; unsaved changes are asked about first.
    void OpenSonpix();
    // Puts a file into the form by its kind: a picture (or the maker's picture with toMaker), a
    // sound, or a whole Sonpix file.
    void OpenFile(const std::string& path, bool toMaker);
    void ChoosePicture();
    void ChooseMakerPicture();
    void ClearMakerPicture();
    void ChooseSound();
    void PlaySound();
    // Ends playing and recording (a recording becomes the sound).
    void StopSound();
    void ToggleRecording();
    // Saves under the file's name (asking for one when it has none); true when saved.
    bool Save();
    bool SaveAs();
    void ShowInViewer();

protected:
    // Asks about unsaved changes, then stops the sound and removes the temporary files.
    void WMClose() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void RunShortcut(WPARAM shortcut);
    void DropFiles(HDROP drop);
    void LoadSonpix(const std::string& path);
    // Writes the document to path; shows the faults in one box and keeps every part on refusal.
    bool SaveTo(const std::string& path, bool replace);
    // Asks whether unsaved changes are to be saved; false when the user cancels (or the save fails).
    bool ConfirmDiscard();
    void RecordingTick();
    void FinishRecording();
    void ClosePlayer();
    void RemoveTemporaryFiles();
    // Brings the controls in line with the document.
    // Every part and the title, after the document changed as a whole.
    void ShowDocument();
    void ShowPicture();
    void ShowSound();
    void ShowMakerPicture();
    void ShowMakerText();
    void ShowState();
    void Remember(const std::string& path);

    TSonpixDocument m_document;
    std::string m_folder;         // where the dialogs start: the working folder, then the last file's
    std::string m_playCopy;       // the sound as the player plays it (temporary)
    std::string m_recordingFile;  // the last recording (temporary), until the file holding it is saved
    bool m_showingText = false;   // the form is filling the memo: no change of the document
    std::unique_ptr<TShortcutHook> m_shortcuts;  // made with the window
};

extern TCreatorForm* CreatorForm;
