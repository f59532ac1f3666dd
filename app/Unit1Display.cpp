// TForm1: showing the extracted current file (fitted pictures, then the sound) and replaying it.
#include <windows.h>

#include "app/FitPicture.h"
#include "app/Unit1.h"
#include "sys/mysys.h"
#include "ui/Application.h"

namespace {
const char kPictureFile[] = "Tempsx.jpg";
const char kMakerPictureFile[] = "Tempsxcop.jpg";
const char kSoundFile[] = "Tempsx.wav";
const char kFittedFile[] = "Tempsxconvert.jpg";

// The picture box follows the screen's width at the moment of each display.
bool WideScreenNow() { return GetSystemMetrics(SM_CXSCREEN) >= 1024; }
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
    const std::string fitted = temp + kFittedFile;

    if (WideScreenNow())
        FitPictureFile(temp + kPictureFile, fitted, 680, 500);
    else
        FitPictureFile(temp + kPictureFile, fitted, 400, 300);
    if (FileExists(fitted))
        ShowFittedCopy(*Image1, fitted);
    else
        Image1->Hide();

    // Without a maker's picture Image2 stays as the caller left it (hidden, or the banner).
    if (FileExists(temp + kMakerPictureFile)) {
        FitPictureFile(temp + kMakerPictureFile, fitted, 225, 57);
        if (FileExists(fitted))
            ShowFittedCopy(*Image2, fitted);
        else
            Image2->Hide();
    }

    // The pictures are painted before the sound is opened.
    Application->ProcessMessages();

    const std::string sound = GetTempFolder() + kSoundFile;
    if (CheckBox1->Checked() && FileExists(sound)) PlaySoundFile(sound);
}

void TForm1::PlaySoundFile(const std::string& path) {
    SoundPlayer1->SetFileName(path);
    SoundPlayer1->Open();
    SoundPlayer1->SetNotify(true);
    SoundPlayer1->Play();
}

void TForm1::SpeedButton1Click(TObject*) {
    const std::string sound = GetTempFolder() + kSoundFile;
    if (FileExists(sound)) PlaySoundFile(sound);
}
