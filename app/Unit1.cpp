// TForm1: layout of the main window, FormCreate, listing a folder and selecting a file.
#include "app/Unit1.h"

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DecodeAheadPlan.h"
#include "app/ControlIds.h"
#include "app/ViewerArt.h"
#include "app/ViewerInstances.h"
#include "app/ViewerNames.h"
#include "container/sonpix.h"
#include "sys/FileSearch.h"
#include "sys/PathText.h"
#include "sys/ProgramLaunch.h"
#include "sys/mysys.h"
#include "ui/Application.h"
#include "windows/Unit4.h"
#include "windows/Unit5.h"

TForm1* Form1 = nullptr;
bool PendingShow = false;

namespace {
const char kAlreadyRunning[] = "У вас уже запущен Сонпик просмотрщик";
const char kSonpixPattern[] = "*.sonpix";
const char kCreatorNotStarted[] = "Не удалось запустить программу создания Сонпиков";

template <class T>
T* MakeControl(TForm1* form, TWinControl* parent, int id, int left, int top, int width, int height) {
    T* control = form->Create<T>();
    control->SetControlId(id);
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}
}  // namespace

TForm1::TForm1(TComponent* owner)
    : TForm(owner, "TForm1",
            {std::string(kMainCaption) + kMakerCredit, 15, 45, 642, 450, bsSizeable,
             biSystemMenu | biMinimize | biMaximize}) {
    UseProgramIcon();
    CreateControls();
    char noPrepare[8] = {};
    const DWORD length = GetEnvironmentVariableA("SONPIX_NO_PREPARE", noPrepare, sizeof noPrepare);
    m_decodeAhead = std::make_unique<TDecodeAhead>(!(length == 1 && noPrepare[0] == '1'));
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TForm1::CreateControls() {
    DirectoryEdit1 = MakeControl<TFolderEdit>(this, this, idDirectoryEdit1, 8, 0, 209, 21);
    DirectoryEdit1->SetTabOrder(1);
    DirectoryEdit1->Button()->SetControlId(idDirectoryEdit1Button);
    DirectoryEdit1->OnChange = [this](TObject* Sender) { DirectoryEdit1Change(Sender); };

    ListBox1 = Create<TListBox>();
    ListBox1->SetControlId(idListBox1);
    ListBox1->SetSorted(true);
    ListBox1->SetItemHeight(13);
    ListBox1->SetShowHint(true);
    ListBox1->SetBounds(8, 24, 209, 329);
    ListBox1->SetTabOrder(0);
    ListBox1->SetParent(this);
    ListBox1->OnClick = [this](TObject* Sender) { ListBox1Click(Sender); };

    Image1 = MakeControl<TImage>(this, this, idImage1, 224, 0, kPictureBoxWidth, kPictureBoxHeight);
    Image1->SetCenter(true);

    GroupBox1 = Create<TGroupBox>();
    GroupBox1->SetControlId(idGroupBox1);
    GroupBox1->SetCaption("Сонпик создал:");
    GroupBox1->SetBounds(224, 304, 401, 113);
    GroupBox1->SetParent(this);
    TFont groupFont = GroupBox1->Font();
    groupFont.SetColor(clActiveCaption);
    GroupBox1->SetFont(groupFont);
    GroupBox1->SetTabOrder(2);

    StaticText1 = Create<TStaticText>();
    StaticText1->SetControlId(idStaticText1);
    TFont labelFont;
    labelFont.SetStyle(fsBold);
    labelFont.SetColor(clRed);
    StaticText1->SetFont(labelFont);
    StaticText1->SetCaption("?");
    StaticText1->SetLeft(8);
    StaticText1->SetTop(24);
    StaticText1->SetTabOrder(0);
    StaticText1->SetParent(GroupBox1);

    GroupBox2 = MakeControl<TGroupBox>(this, GroupBox1, idGroupBox2, 8, 40, 289, 65);
    GroupBox2->SetTabOrder(2);

    Image2 = MakeControl<TImage>(this, GroupBox2, idImage2, 0, 8, 289, 57);
    Image2->SetBitmap(MakeBanner());

    Button1 = MakeControl<TButton>(this, GroupBox1, idButton1, 336, 80, 51, 25);
    Button1->SetCaption("Больше");
    Button1->SetTabOrder(1);
    Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };

    SpeedButton2 = MakeControl<TSpeedButton>(this, this, idSpeedButton2, 8, 360, 23, 22);
    SpeedButton2->SetGlyph(MakeComputerGlyph());
    SpeedButton2->OnClick = [this](TObject* Sender) { SpeedButton2Click(Sender); };

    SpeedButton3 = MakeControl<TSpeedButton>(this, this, idSpeedButton3, 32, 360, 23, 22);
    SpeedButton3->SetGlyph(MakeQuestionGlyph());
    SpeedButton3->OnClick = [this](TObject* Sender) { SpeedButton3Click(Sender); };

    SpeedButton4 = MakeControl<TSpeedButton>(this, this, idSpeedButton4, 64, 360, 23, 22);
    SpeedButton4->SetGlyph(MakeNotePadGlyph());
    SpeedButton4->SetHint("Запустить программу создания Сонпиков");
    SpeedButton4->SetShowHint(true);
    SpeedButton4->OnClick = [this](TObject* Sender) { SpeedButton4Click(Sender); };

    SpeedButton1 = MakeControl<TSpeedButton>(this, this, idSpeedButton1, 96, 360, 121, 25);
    SpeedButton1->SetGlyph(MakePlayGlyph());
    SpeedButton1->OnClick = [this](TObject* Sender) { SpeedButton1Click(Sender); };

    CheckBox1 = MakeControl<TCheckBox>(this, this, idCheckBox1, 8, 392, 161, 17);
    CheckBox1->SetCaption("Сразу проигрывать звук");
    CheckBox1->SetChecked(true);
    CheckBox1->SetTabOrder(4);

    SoundPlayer1 = std::make_unique<TSoundPlayer>();

    Timer1 = Create<TTimer>();
    Timer1->SetInterval(500);
    Timer1->OnTimer = [this](TObject* Sender) { Timer1Timer(Sender); };
    Timer1->SetEnabled(true);
}

// The order of the steps matters: the single-instance test comes after the folder is listed and
// before anything of the temporary folder is touched.
void TForm1::FormCreate(TObject*) {
    InitAppFolder();

    DirectoryEdit1->SetText(GetCurrentFolder());

    const std::string argument = FirstCommandLineArgument();
    if (argument.empty()) DirectoryEdit1->SetText(AppFolder);

    if (CountViewerInstances() > 0) {
        // No owner: the box stands centred on the screen; then the process ends before showing.
        MessageBoxA(nullptr, kAlreadyRunning, Application->Title().c_str(), MB_OK | MB_TASKMODAL);
        ExitProcess(0);
    }

    PendingShow = false;
    SharedJpeg = std::make_unique<TJPEGImage>();

    const std::string temp = GetTempFolder();
    DeleteFileQuietly(temp + kTempPictureFile);
    DeleteFileQuietly(temp + kTempSoundFile);
    DeleteFileQuietly(temp + kTempMakerTextFile);

    Button1->SetEnabled(false);

    if (GetSystemMetrics(SM_CXSCREEN) >= kWideScreenWidth) ApplyWideLayout();

    if (!argument.empty() && IsSonpixPath(argument)) {
        std::string makerText;
        ExtractSonpix(argument, GetTempFolder(), kTempBaseName, makerText);
        StaticText1->SetCaption(makerText.empty() ? "?" : makerText);
        PendingShow = true;
        Button1->SetEnabled(true);
    }
}

// Each control that changes two values moves once: moving a window is a trip to the window system.
void TForm1::ApplyWideLayout() {
    SetBounds(Left(), Top(), 940, 660);
    GroupBox1->SetBounds(360, 512, GroupBox1->Width(), GroupBox1->Height());
    Image1->SetBounds(Image1->Left(), Image1->Top(), kWidePictureBoxWidth, kWidePictureBoxHeight);
    for (TSpeedButton* button : {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4}) button->SetTop(580);
    CheckBox1->SetTop(610);
    ListBox1->SetHeight(540);
}

void TForm1::ListFolder() {
    // Another folder: whatever was prepared belongs to the old one.
    m_decodeAhead->Stop();
    m_shownPath.clear();
    m_shownPicture = m_shownMakerPicture = TShownPicture();
    const std::string folder = IncludeTrailingBackslash(DirectoryEdit1->Text());
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    TFileSearch search(folder + kSonpixPattern, found);
    if (search.Found()) {
        do {
            names.push_back(FileNameWithoutExt(found.cFileName));
        } while (search.Next(found));
    }
    // The old entries go and the new ones come in one step, so the list is drawn once.
    ListBox1->ReplaceItems(names);
}

void TForm1::OpenSelectedEntry() {
    // A new selection: the worker lets go of the file it prepares.
    m_decodeAhead->Pause();
    Button1->SetEnabled(true);
    Image1->Hide();
    Image2->Hide();
    StaticText1->SetCaption("?");
    if (ListBox1->ItemCount() == 0 || ListBox1->ItemIndex() < 0) {
        m_shownPath.clear();
        m_shownPicture = m_shownMakerPicture = TShownPicture();
        return;
    }
    const std::string folder = IncludeTrailingBackslash(DirectoryEdit1->Text());
    const std::string name = ListBox1->Item(ListBox1->ItemIndex());
    ListBox1->SetHint(name);
    const std::string path = folder + name + ".sonpix";
    // The worker starts on the neighbours now, beside this selection's own display, and the
    // pictures of the entry being left (m_shownPath still) are held when it is one of them.
    PrepareNeighbours(path);
    m_shownPath = path;
    m_shownPicture = m_shownMakerPicture = TShownPicture();
    // The previous sound stops and its file is released before the extraction rewrites it.
    SoundPlayer1->Close();
    std::string makerText;
    const std::string temp = GetTempFolder();
    m_extractedPicture.reset();
    m_extractedMakerPicture.reset();
    // The digests of the pictures as written, to match prepared bitmaps without reading them back.
    const auto written = [this, &temp](const std::string& output, const std::uint8_t* data, std::size_t size) {
        if (output == temp + kTempPictureFile) m_extractedPicture = DigestOf(data, size);
        if (output == temp + kTempMakerPictureFile) m_extractedMakerPicture = DigestOf(data, size);
    };
    // What was held for the selected entry and not used goes once it is shown, or has failed.
    try {
        ExtractSonpix(path, temp, kTempBaseName, makerText, written, m_extractBuffer);
        StaticText1->SetCaption(makerText.empty() ? "?" : makerText);
        ShowCurrentFile();
    } catch (...) {
        m_decodeAhead->Settle();
        throw;
    }
    m_decodeAhead->Settle();
}

void TForm1::ShowPendingFile() {
    if (!PendingShow) return;
    PendingShow = false;
    // The command line's file is no list entry: nothing prepared belongs to it.
    m_shownPath.clear();
    m_extractedPicture.reset();
    m_extractedMakerPicture.reset();
    m_shownPicture = m_shownMakerPicture = TShownPicture();
    ShowCurrentFile();
}

void TForm1::ShowFileTypeWindow() {
    if (Form4) Form4->Show();
}

void TForm1::ShowAbout() {
    if (!Form5) return;
    // Shown (not modal) and brought to the front first; then the credits start to scroll, or go
    // on where they are when they still scroll.
    Form5->Show();
    Form5->ScrollingPanel1->SetActive(true);
}

void TForm1::StartCreator() {
    const std::string creator = AppFolder + kCreatorProgram;
    // A creator that cannot be started is named in the error box, and the viewer goes on as it
    // was, its sound still playing.
    if (!LaunchProgram(creator, "", GetCurrentFolder(), false, 0))
        throw std::runtime_error(std::string(kCreatorNotStarted) + " \"" + creator + "\"");
    // The creator runs: the viewer ends now, past WMClose, so the temporary files stay for the
    // next start-up to clear. The sound stops with the player.
    SoundPlayer1->Close();
    ExitProcess(0);
}

void TForm1::WMClose() {
    // A decode in progress stops within a few rows; the thread itself ends with the form.
    m_decodeAhead->Stop();
    const std::string temp = GetTempFolder();
    if (FileExists(temp + kTempPictureFile)) DeleteFileQuietly(temp + kTempPictureFile);
    if (FileExists(temp + kTempMakerPictureFile)) DeleteFileQuietly(temp + kTempMakerPictureFile);
    if (FileExists(temp + kTempSoundFile)) {
        // The sound player must release the sound file before it can go.
        SoundPlayer1->Close();
        DeleteFileQuietly(temp + kTempSoundFile);
    }
    TForm::WMClose();
}

void TForm1::DirectoryEdit1Change(TObject*) { ListFolder(); }
void TForm1::ListBox1Click(TObject*) { OpenSelectedEntry(); }
void TForm1::Timer1Timer(TObject*) { ShowPendingFile(); }
void TForm1::SpeedButton2Click(TObject*) { ShowFileTypeWindow(); }
void TForm1::SpeedButton3Click(TObject*) { ShowAbout(); }
void TForm1::SpeedButton4Click(TObject*) { StartCreator(); }
