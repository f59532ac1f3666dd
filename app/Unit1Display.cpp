// TForm1: showing the extracted current file (fitted pictures, then the sound), replaying it, and
// filling the author details window.
#include <windows.h>

#include <utility>
#include <vector>

#include "app/DecodeAheadPlan.h"
#include "app/Unit1.h"
#include "app/ViewerNames.h"
#include "container/sonpix.h"
#include "picture/FitPicture.h"
#include "sys/GdiObjects.h"
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

bool TForm1::ShowFitted(TImage& image, const std::string& picture, int width, int height) {
    const std::string fitted = GetTempFolder() + kTempFittedFile;
    FitPictureFile(picture, fitted, width, height);
    if (!FileExists(fitted)) {
        image.Hide();
        return false;
    }
    ShowFittedCopy(image, fitted);
    return true;
}

bool TForm1::ShowPrepared(TImage& image, const std::string& picture, TPreparedKind kind, TFitBox box) {
    // The bytes the selection extracted now, not the name or the time: a file changed or replaced
    // after it was prepared gives other bytes and is fitted anew. A picture the extraction did not
    // write whole is left to the fit, which reports what it finds.
    const std::optional<TPictureDigest>& extracted = kind == pkPicture ? m_extractedPicture : m_extractedMakerPicture;
    if (m_shownPath.empty() || !extracted || !m_decodeAhead->Has(m_shownPath, kind, box) || !FileExists(picture))
        return false;
    TBitmapHandle bitmap = m_decodeAhead->Take(m_shownPath, kind, box, *extracted);
    if (!bitmap) return false;
    image.SetBitmap(std::move(bitmap));
    image.Show();
    return true;
}

void TForm1::RememberShown(TPreparedKind kind, TFitBox box, HBITMAP bitmap) {
    const std::optional<TPictureDigest>& extracted = kind == pkPicture ? m_extractedPicture : m_extractedMakerPicture;
    TShownPicture& shown = Shown(kind);
    shown = TShownPicture();
    if (m_shownPath.empty()) return;
    if (bitmap && extracted)
        shown = TShownPicture{true, box, *extracted, bitmap};
    else if (!bitmap && !extracted)
        shown = TShownPicture{true, box, DigestOf(nullptr, 0), nullptr};
}

namespace {

// The DIB section behind a bitmap; false for a device-dependent one.
bool SectionOf(HBITMAP bitmap, DIBSECTION& section) {
    return GetObjectA(bitmap, sizeof section, &section) == sizeof section && section.dsBm.bmBits;
}

// An exact copy of a bitmap, made in one of the spare bitmaps when one has the same size and
// format (its memory is in use already, which a new bitmap's is not), as a new one otherwise.
TBitmapHandle CopyOfBitmap(HBITMAP source, std::vector<TBitmapHandle>& spares) {
    DIBSECTION from{};
    if (SectionOf(source, from) && from.dsBm.bmBitsPixel > 8) {
        for (TBitmapHandle& spare : spares) {
            DIBSECTION to{};
            if (!spare || !SectionOf(spare.Get(), to)) continue;
            if (to.dsBm.bmWidth != from.dsBm.bmWidth || to.dsBm.bmHeight != from.dsBm.bmHeight ||
                to.dsBm.bmBitsPixel != from.dsBm.bmBitsPixel)
                continue;
            // A straight block copy between two bitmaps of one format moves every pixel unchanged,
            // whichever way up each one stores its rows.
            TMemDC fromDc(nullptr), toDc(nullptr);
            if (!fromDc.Get() || !toDc.Get()) break;
            TSelectGuard selectFrom(fromDc.Get(), source), selectTo(toDc.Get(), spare.Get());
            if (!BitBlt(toDc.Get(), 0, 0, from.dsBm.bmWidth, from.dsBm.bmHeight, fromDc.Get(), 0, 0, SRCCOPY)) break;
            return std::move(spare);
        }
    }
    return TBitmapHandle(static_cast<HBITMAP>(CopyImage(source, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace

void TForm1::KeepShownPictures(std::vector<TBitmapHandle>& spares) {
    const std::string& path = m_shownPath;
    for (TPreparedKind kind : {pkPicture, pkMakerPicture}) {
        TShownPicture shown = std::exchange(Shown(kind), TShownPicture());
        TImage& image = kind == pkPicture ? *Image1 : *Image2;
        // Only the very bitmap the display made for this entry: an exact copy of it.
        if (path.empty() || !shown.valid || (shown.bitmap && image.Bitmap() != shown.bitmap)) continue;
        TBitmapHandle copy;
        if (shown.bitmap) {
            copy = CopyOfBitmap(shown.bitmap, spares);
            if (!copy) continue;
        }
        m_decodeAhead->Keep(path, kind, shown.box, shown.digest, std::move(copy));
    }
}

void TForm1::PrepareNeighbours(const std::string& path) {
    if (Application->Terminated() || !m_decodeAhead->Enabled()) return;
    const std::string folder = IncludeTrailingBackslash(DirectoryEdit1->Text());
    std::vector<std::string> paths;
    for (int entry : EntriesToPrepare(ListBox1->ItemIndex(), ListBox1->ItemCount()))
        paths.push_back(folder + ListBox1->Item(entry) + ".sonpix");
    // The bitmaps dropped now lend their memory to the copies of the pictures being left.
    std::vector<TBitmapHandle> spares;
    m_decodeAhead->Select(path, paths, PictureBoxNow(), kMakerPictureBox, &spares);
    KeepShownPictures(spares);
}

void TForm1::ShowCurrentFile() {
    const std::string temp = GetTempFolder();
    const TFitBox box = PictureBoxNow();
    if (ShowPrepared(*Image1, temp + kTempPictureFile, pkPicture, box) ||
        ShowFitted(*Image1, temp + kTempPictureFile, box.width, box.height))
        RememberShown(pkPicture, box, Image1->Bitmap());
    // Without a maker's picture Image2 stays as the caller left it (hidden, or the banner).
    if (!FileExists(temp + kTempMakerPictureFile))
        RememberShown(pkMakerPicture, kMakerPictureBox, nullptr);
    else if (ShowPrepared(*Image2, temp + kTempMakerPictureFile, pkMakerPicture, kMakerPictureBox) ||
             ShowFitted(*Image2, temp + kTempMakerPictureFile, kMakerPictureBoxWidth, kMakerPictureBoxHeight))
        RememberShown(pkMakerPicture, kMakerPictureBox, Image2->Bitmap());

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
