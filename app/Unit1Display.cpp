// TForm1: showing the extracted current file (fitted pictures, then the sound), replaying it, and
// filling the author details window.
#include <windows.h>

#include "app/DecodeAheadPlan.h"
#include "app/Unit1.h"
#include "app/ViewerNames.h"
#include "container/sonpix.h"
#include "picture/FitPicture.h"
#include "sys/FileBytes.h"
#include "sys/PathText.h"
#include "sys/mysys.h"
#include "ui/Application.h"
#include "windows/Unit3.h"

namespace {
// The picture box follows the screen's width at the moment of each display.
bool WideScreenNow() { return GetSystemMetrics(SM_CXSCREEN) >= kWideScreenWidth; }

TFitBox PictureBoxNow() {
    return WideScreenNow() ? TFitBox{kWidePictureBoxWidth, kWidePictureBoxHeight}
                           : TFitBox{kPictureBoxWidth, kPictureBoxHeight};
}
constexpr TFitBox kMakerPictureBox{kMakerPictureBoxWidth, kMakerPictureBoxHeight};
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

bool TForm1::ShowPrepared(TImage& image, const std::string& picture, TPreparedKind kind, TFitBox box) {
    if (m_shownPath.empty() || !m_decodeAhead->Has(m_shownPath, kind, box) || !FileExists(picture)) return false;
    // The bytes the selection extracted now, not the name or the time: a file changed or replaced
    // after it was prepared gives other bytes and is fitted anew. A picture that cannot be read
    // here is left to the fit, which reports it.
    std::vector<std::uint8_t> bytes;
    try {
        bytes = ReadFileBytes(picture);
    } catch (const std::exception&) {
        return false;
    }
    TBitmapHandle bitmap = m_decodeAhead->Take(m_shownPath, kind, box, DigestOf(bytes.data(), bytes.size()));
    if (!bitmap) return false;
    image.SetBitmap(std::move(bitmap));
    image.Show();
    return true;
}

void TForm1::PrepareNeighbours() {
    if (Application->Terminated() || !m_decodeAhead->Enabled()) return;
    const std::string folder = IncludeTrailingBackslash(DirectoryEdit1->Text());
    std::vector<std::string> paths;
    for (int entry : EntriesToPrepare(ListBox1->ItemIndex(), ListBox1->ItemCount()))
        paths.push_back(folder + ListBox1->Item(entry) + ".sonpix");
    m_decodeAhead->Prepare(paths, PictureBoxNow(), kMakerPictureBox);
}

void TForm1::ShowCurrentFile() {
    const std::string temp = GetTempFolder();
    const TFitBox box = PictureBoxNow();
    if (!ShowPrepared(*Image1, temp + kTempPictureFile, pkPicture, box))
        ShowFitted(*Image1, temp + kTempPictureFile, box.width, box.height);
    // Without a maker's picture Image2 stays as the caller left it (hidden, or the banner).
    if (FileExists(temp + kTempMakerPictureFile) &&
        !ShowPrepared(*Image2, temp + kTempMakerPictureFile, pkMakerPicture, kMakerPictureBox))
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
