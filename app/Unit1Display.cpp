// TForm1: showing the extracted current file (fitted pictures, then the sound) and replaying it.
#include <windows.h>

#include "app/Unit1.h"
#include "app/ViewerNames.h"
#include "picture/FitPicture.h"
#include "sys/mysys.h"
#include "ui/Application.h"

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

    // The pictures are painted before the sound is opened.
    Application->ProcessMessages();

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
