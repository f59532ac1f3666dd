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

void TForm1::ShowFitted(TImage& image, const std::string& picture, int width, int height) {
    const std::string fitted = GetTempFolder() + kTempFittedFile;
    FitPictureFile(picture, fitted, width, height);
    if (FileExists(fitted))
        ShowFittedCopy(image, fitted);
    else
        image.Hide();
}

void TForm1::ShowCurrentFile() {
    const std::string temp = GetTempFolder();
    if (WideScreenNow())
        ShowFitted(*Image1, temp + kTempPictureFile, kWidePictureBoxWidth, kWidePictureBoxHeight);
    else
        ShowFitted(*Image1, temp + kTempPictureFile, kPictureBoxWidth, kPictureBoxHeight);
    // Without a maker's picture Image2 stays as the caller left it (hidden, or the banner).
    if (FileExists(temp + kTempMakerPictureFile))
        ShowFitted(*Image2, temp + kTempMakerPictureFile, kMakerPictureBoxWidth, kMakerPictureBoxHeight);

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

void TForm1::ReplaySound() {
    const std::string sound = GetTempFolder() + kTempSoundFile;
    if (FileExists(sound)) PlaySoundFile(sound);
}

// The author details window shows the maker's text and picture of the file current now; it keeps
// them until the next press, whatever is selected meanwhile.
void TForm1::ShowAuthorDetails() {
    if (!Form3) return;
    Form3->SetMakerText(SonpixMakerText);
    const std::string makerPicture = GetTempFolder() + kTempMakerPictureFile;
    if (FileExists(makerPicture))
        ShowFitted(*Form3->Image1, makerPicture, kDetailsPictureBoxWidth, kDetailsPictureBoxHeight);
    else
        Form3->Image1->Hide();
    Form3->Show();
}

void TForm1::SpeedButton1Click(TObject*) { ReplaySound(); }
void TForm1::Button1Click(TObject*) { ShowAuthorDetails(); }
