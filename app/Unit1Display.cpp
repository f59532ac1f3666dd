// TForm1: showing the extracted current file (fitted pictures, then the sound), replaying it, and
// filling the author details window.
#include <windows.h>

#include "app/Unit1.h"
#include "app/ViewerNames.h"
#include "container/sonpix.h"
#include "picture/FitPicture.h"
#include "sys/mysys.h"
#include "ui/Application.h"
#include "windows/Unit3.h"

namespace {
// The picture box follows the screen's width at the moment of each display.
bool WideScreenNow() { return GetSystemMetrics(SM_CXSCREEN) >= kWideScreenWidth; }
}  // namespace

void TForm1::ShowFittedCopy(TImage& image, const std::string& fittedPath) {
    // A copy that cannot be loaded leaves the control as it was and the copy on disk.
    SharedJpeg->LoadFromFile(fittedPath);
    struct TShowAndDelete {
        TImage& image;
        const std::string& path;
        ~TShowAndDelete() {
            image.Show();
            DeleteFileQuietly(path);
        }
    } showAndDelete{image, fittedPath};
    image.SetBitmap(SharedJpeg->ToBitmap());
}

void TForm1::ShowCurrentFile() {
    const std::string temp = GetTempFolder();
    const std::string fitted = temp + kTempFittedFile;

    if (WideScreenNow())
        FitPictureFile(temp + kTempPictureFile, fitted, kWidePictureBoxWidth, kWidePictureBoxHeight);
    else
        FitPictureFile(temp + kTempPictureFile, fitted, kPictureBoxWidth, kPictureBoxHeight);
    if (FileExists(fitted))
        ShowFittedCopy(*Image1, fitted);
    else
        Image1->Hide();

    // Without a maker's picture Image2 stays as the caller left it (hidden, or the banner).
    if (FileExists(temp + kTempMakerPictureFile)) {
        FitPictureFile(temp + kTempMakerPictureFile, fitted, kMakerPictureBoxWidth, kMakerPictureBoxHeight);
        if (FileExists(fitted))
            ShowFittedCopy(*Image2, fitted);
        else
            Image2->Hide();
    }

    // The pictures are painted before the sound is opened. A close request handled in this pass
    // has removed the temporary files and ends the program once this returns: no sound then.
    Application->ProcessMessages();
    if (Application->Terminated()) return;

    const std::string sound = GetTempFolder() + kTempSoundFile;
    if (CheckBox1->Checked() && FileExists(sound)) PlaySoundFile(sound);
}

void TForm1::PlaySoundFile(const std::string& path) {
    SoundPlayer1->SetFileName(path);
    SoundPlayer1->Open();
    SoundPlayer1->SetNotify(true);
    SoundPlayer1->Play();
}

void TForm1::SpeedButton1Click(TObject*) {
    const std::string sound = GetTempFolder() + kTempSoundFile;
    if (FileExists(sound)) PlaySoundFile(sound);
}

// The author details window shows the maker's text and picture of the file current now; it keeps
// them until the next press, whatever is selected meanwhile.
void TForm1::Button1Click(TObject*) {
    if (!Form3) return;
    Form3->Memo1->Clear();
    Form3->Memo1->AddLine(SonpixMakerText);
    const std::string temp = GetTempFolder();
    const std::string makerPicture = temp + kTempMakerPictureFile;
    const std::string fitted = temp + kTempFittedFile;
    if (FileExists(makerPicture)) {
        FitPictureFile(makerPicture, fitted, kDetailsPictureBoxWidth, kDetailsPictureBoxHeight);
        if (FileExists(fitted))
            ShowFittedCopy(*Form3->Image1, fitted);
        else
            Form3->Image1->Hide();
    } else {
        Form3->Image1->Hide();
    }
    Form3->Show();
}
