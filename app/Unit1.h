// TForm1: the viewer's main window with its controls, start-up, folder listing and selection.
#pragma once
#include <memory>
#include <optional>
#include <vector>

#include "app/DecodeAhead.h"
#include "sound/SoundPlayer.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "controls/FolderEdit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Image.h"
#include "picture/JpegImage.h"
#include "ui/ListBox.h"
#include "ui/SpeedButton.h"
#include "ui/StaticText.h"
#include "ui/Timer.h"

// Set by the command-line open; the next tick of Timer1 shows the extracted file and clears it.
extern bool PendingShow;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);

    // Controls, owned by the form (its component list); these are plain references.
    TFolderEdit* DirectoryEdit1 = nullptr;
    TListBox* ListBox1 = nullptr;
    TImage* Image1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TStaticText* StaticText1 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TImage* Image2 = nullptr;
    TButton* Button1 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TSpeedButton* SpeedButton3 = nullptr;
    TSpeedButton* SpeedButton4 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TTimer* Timer1 = nullptr;
    // The invisible sound player; it owns its own hidden window for the media notices.
    std::unique_ptr<TSoundPlayer> SoundPlayer1;

    // The one JPEG picture object into which every fitted copy is loaded; made by FormCreate.
    std::unique_ptr<TJPEGImage> SharedJpeg;

    void FormCreate(TObject* Sender);
    void DirectoryEdit1Change(TObject* Sender);
    void ListBox1Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);

    // What the handlers above do, by name.
    // Lists the Sonpix files of the folder in the folder field.
    void ListFolder();
    // Extracts the selected entry's file, shows it and plays its sound.
    void OpenSelectedEntry();
    // Shows the file named on the command line, once, after start-up.
    void ShowPendingFile();
    // Shows the window that registers the file type.
    void ShowFileTypeWindow();
    // Shows About and starts its credits.
    void ShowAbout();
    // Starts the creator program and ends the viewer; reports a creator that cannot start.
    void StartCreator();
    // Plays the current file's sound again from its start.
    void ReplaySound();
    // Fills the author details window with the current file's maker and shows it.
    void ShowAuthorDetails();
    // Shows the extracted current file: pictures fitted into Image1 and Image2, then the sound.
    void ShowCurrentFile();
    // The larger layout for screens at least 1024 pixels wide.
    void ApplyWideLayout();

    // The worker that fits the neighbours of the selected entry ahead of time (switched off by
    // the environment variable SONPIX_NO_PREPARE=1); made with the form, ended with it.
    TDecodeAhead& DecodeAhead() { return *m_decodeAhead; }

protected:
    // Close request: removes the current file's temporary files, then closes as any main form.
    void WMClose() override;

private:
    void CreateControls();
    // Loads a fitted copy into SharedJpeg and gives the picture control its own copy of it.
    void ShowFittedCopy(TImage& image, const std::string& fittedPath);
    // Fits the picture file into a box of this size and shows the fitted copy in image; without a
    // copy (no picture, or none that could be fitted) the image is hidden. True when the image got
    // the fitted copy.
    bool ShowFitted(TImage& image, const std::string& picture, int width, int height);
    // Opens the sound file anew and starts it from its beginning; returns at once.
    void PlaySoundFile(const std::string& path);
    // Shows the bitmap prepared for the shown file when it was made from the very bytes of the
    // extracted picture and for this box; false (nothing done) otherwise.
    bool ShowPrepared(TImage& image, const std::string& picture, TPreparedKind kind, TFitBox box);
    // A selection of path begins: the worker starts on the entries next to the selected one, and
    // the pictures shown for the entry being left are held as prepared when it is one of them.
    void PrepareNeighbours(const std::string& path);

    // What the display put into a picture control for m_shownPath, so that the next selection
    // can hold a copy of it as a prepared neighbour instead of fitting that picture again.
    struct TShownPicture {
        bool valid = false;
        TFitBox box;
        TPictureDigest digest;      // of the extracted bytes the bitmap was fitted from
        HBITMAP bitmap = nullptr;   // the control's own (not owned here); null: the file has none
    };
    // Records what image shows now for the kind (bitmap null: the file has no such picture).
    void RememberShown(TPreparedKind kind, TFitBox box, HBITMAP bitmap);
    // Hands copies of the shown pictures to the worker, when the controls still hold them; the
    // copies are made in spare bitmaps of the same size where there are any.
    void KeepShownPictures(std::vector<TBitmapHandle>& spares);
    TShownPicture& Shown(TPreparedKind kind) { return kind == pkPicture ? m_shownPicture : m_shownMakerPicture; }

    std::unique_ptr<TDecodeAhead> m_decodeAhead;  // owned; its thread ends before the form
    std::string m_shownPath;  // the Sonpix file the list selection extracted last; empty for the command line's
    // The digests of the picture and maker's picture the last extraction wrote whole; empty when
    // it wrote none.
    std::optional<TPictureDigest> m_extractedPicture, m_extractedMakerPicture;
    TShownPicture m_shownPicture, m_shownMakerPicture;  // for m_shownPath
    // The selection's extractions read the Sonpix file into this memory, kept from one entry to
    // the next so that a step does not take the file's size in fresh memory again.
    std::vector<std::uint8_t> m_extractBuffer;
};

extern TForm1* Form1;
