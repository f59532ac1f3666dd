// TCreatorForm: the window's layout, start-up, shortcuts and dropped files, closing, and bringing
// the controls in line with the document.
#include "creator/CreatorForm.h"

#include <shellapi.h>

#include <vector>

#include "creator/CreatorNames.h"
#include "creator/CreatorRules.h"
#include "creator/PartDescriptions.h"
#include "creator/PicturePreview.h"
#include "sound/SoundRecorder.h"
#include "sys/mysys.h"
#include "ui/Application.h"

TCreatorForm* CreatorForm = nullptr;

namespace {
// The message the shortcut hook sends the form.
constexpr UINT kShortcutMessage = WM_APP + 1;

template <class T>
T* MakeControl(TCreatorForm* form, TWinControl* parent, int left, int top, int width, int height) {
    T* control = form->Create<T>();
    control->SetBounds(left, top, width, height);
    control->SetParent(parent);
    return control;
}

TButton* MakeButton(TCreatorForm* form, TWinControl* parent, const char* caption, int left, int top, int width,
                    std::function<void()> command) {
    TButton* button = MakeControl<TButton>(form, parent, left, top, width, 25);
    button->SetCaption(caption);
    button->OnClick = [command](TObject*) { command(); };
    return button;
}

TStaticText* MakeLabel(TCreatorForm* form, TWinControl* parent, int left, int top) {
    TStaticText* label = form->Create<TStaticText>();
    label->SetLeft(left);
    label->SetTop(top);
    label->SetParent(parent);
    return label;
}

std::string DroppedName(HDROP drop, UINT index) {
    const UINT length = DragQueryFileA(drop, index, nullptr, 0);
    std::vector<char> name(length + 1, '\0');
    DragQueryFileA(drop, index, name.data(), length + 1);
    return name.data();
}

// Frees a drop block on every way out of its handling.
struct TDropRelease {
    HDROP drop;
    ~TDropRelease() { DragFinish(drop); }
};
}  // namespace

TCreatorForm::TCreatorForm(TComponent* owner)
    : TForm(owner, "TCreatorForm",
            {CreatorCaption("", false), 15, 45, 790, 452, bsSingle, biSystemMenu | biMinimize}) {
    UseProgramIcon();
    CreateControls();
    DragAcceptFiles(Handle(), TRUE);
    m_shortcuts = std::make_unique<TShortcutHook>(Handle(), kShortcutMessage);
    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

TCreatorForm::~TCreatorForm() {
    m_shortcuts.reset();
    SoundRecorder1.reset();
    ClosePlayer();
    RemoveTemporaryFiles();
}

void TCreatorForm::CreateControls() {
    GroupBox1 = MakeControl<TGroupBox>(this, this, 8, 4, 417, 372);
    GroupBox1->SetCaption("Картинка");
    Image1 = MakeControl<TImage>(this, GroupBox1, 8, 18, kPreviewWidth, kPreviewHeight);
    Image1->SetCenter(true);
    StaticText1 = MakeLabel(this, GroupBox1, 8, 322);
    Button1 = MakeButton(this, GroupBox1, "Открыть картинку...", 8, 340, 140, [this] { ChoosePicture(); });

    GroupBox2 = MakeControl<TGroupBox>(this, this, 432, 4, 342, 128);
    GroupBox2->SetCaption("Звук");
    StaticText2 = MakeLabel(this, GroupBox2, 8, 18);
    Button2 = MakeButton(this, GroupBox2, "Открыть звук...", 8, 94, 104, [this] { ChooseSound(); });
    Button3 = MakeButton(this, GroupBox2, "Играть", 116, 94, 66, [this] { PlaySound(); });
    Button4 = MakeButton(this, GroupBox2, "Стоп", 186, 94, 60, [this] { StopSound(); });
    Button5 = MakeButton(this, GroupBox2, "Записать", 250, 94, 84, [this] { ToggleRecording(); });

    GroupBox3 = MakeControl<TGroupBox>(this, this, 432, 136, 342, 118);
    GroupBox3->SetCaption("Картинка автора (можно без неё)");
    Image2 = MakeControl<TImage>(this, GroupBox3, 8, 18, kMakerPreviewWidth, kMakerPreviewHeight);
    Image2->SetCenter(true);
    StaticText3 = MakeLabel(this, GroupBox3, 8, 78);
    Button6 = MakeButton(this, GroupBox3, "Открыть...", 240, 18, 94, [this] { ChooseMakerPicture(); });
    Button7 = MakeButton(this, GroupBox3, "Убрать", 240, 48, 94, [this] { ClearMakerPicture(); });

    GroupBox4 = MakeControl<TGroupBox>(this, this, 432, 258, 342, 118);
    GroupBox4->SetCaption("Текст автора (можно без него)");
    Memo1 = MakeControl<TMemo>(this, GroupBox4, 8, 18, 326, 92);
    Memo1->SetScrollBars(ssVertical);
    Memo1->OnChange = [this](TObject*) {
        if (m_showingText) return;
        m_document.SetMakerText(Memo1->Text());
        ShowState();
    };

    Button8 = MakeButton(this, this, "Открыть Сонпик...", 8, 384, 130, [this] { OpenSonpix(); });
    Button9 = MakeButton(this, this, "Сохранить", 144, 384, 100, [this] { Save(); });
    Button10 = MakeButton(this, this, "Сохранить как...", 250, 384, 120, [this] { SaveAs(); });
    Button11 = MakeButton(this, this, "Показать в просмотрщике", 594, 384, 180, [this] { ShowInViewer(); });

    int order = 0;
    const std::initializer_list<TWinControl*> tabOrder = {Button1, Button2, Button3, Button4, Button5, Button6,
                                                           Button7, Memo1,   Button8, Button9, Button10, Button11};
    for (TWinControl* control : tabOrder)
        control->SetTabOrder(order++);

    SoundPlayer1 = std::make_unique<TSoundPlayer>();
    Timer1 = Create<TTimer>();
    Timer1->SetEnabled(false);
    Timer1->SetInterval(200);
    Timer1->OnTimer = [this](TObject*) { RecordingTick(); };
}

void TCreatorForm::FormCreate(TObject*) {
    InitAppFolder();
    m_folder = GetCurrentFolder();
    const std::string id = std::to_string(GetCurrentProcessId());
    m_playCopy = GetTempFolder() + kPlayCopyPrefix + id + kWavExtension;
    m_recordingFile = GetTempFolder() + kRecordingPrefix + id + kWavExtension;
    ShowPicture();
    ShowSound();
    ShowMakerPicture();
    ShowMakerText();
    ShowState();
}

LRESULT TCreatorForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DROPFILES:
            DropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case kShortcutMessage:
            RunShortcut(wParam);
            return 0;
        default:
            break;
    }
    return TForm::WndProc(message, wParam, lParam);
}

void TCreatorForm::RunShortcut(WPARAM shortcut) {
    switch (shortcut) {
        case scOpen: OpenSonpix(); break;
        case scSave: Save(); break;
        case scSaveAs: SaveAs(); break;
        case scShowInViewer: ShowInViewer(); break;
        case scStop: StopSound(); break;
        default: break;
    }
}

// A file dropped on the maker's picture box goes there; every other dropped file goes where its
// kind belongs. Each file of a drop is taken in turn.
void TCreatorForm::DropFiles(HDROP drop) {
    TDropRelease release{drop};
    POINT at{};
    DragQueryPoint(drop, &at);
    const bool toMaker = at.x >= GroupBox3->Left() && at.x < GroupBox3->Left() + GroupBox3->Width() &&
                         at.y >= GroupBox3->Top() && at.y < GroupBox3->Top() + GroupBox3->Height();
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) OpenFile(DroppedName(drop, i), toMaker);
}

void TCreatorForm::WMClose() {
    if (!ConfirmDiscard()) return;
    SoundRecorder1.reset();
    Timer1->SetEnabled(false);
    ClosePlayer();
    RemoveTemporaryFiles();
    TForm::WMClose();
}

void TCreatorForm::RemoveTemporaryFiles() {
    if (!m_playCopy.empty()) DeleteFileQuietly(m_playCopy);
    if (!m_recordingFile.empty()) DeleteFileQuietly(m_recordingFile);
}

void TCreatorForm::ShowPicture() {
    const TDraftPart& part = m_document.Contents().picture;
    Image1->Clear();
    if (part.Empty()) {
        StaticText1->SetCaption("Нет картинки: откройте JPEG или перетащите его сюда");
        return;
    }
    std::string text = DescribePicture(part);
    try {
        Image1->SetBitmap(FittedPreview(part.bytes, kPreviewWidth, kPreviewHeight));
    } catch (const std::exception& error) {
        text += " - не показывается: " + std::string(error.what());
    }
    StaticText1->SetCaption(text);
}

void TCreatorForm::ShowMakerPicture() {
    const TDraftPart& part = m_document.Contents().makerPicture;
    Image2->Clear();
    Button7->SetEnabled(!part.Empty());
    if (part.Empty()) {
        StaticText3->SetCaption("Нет картинки автора");
        return;
    }
    std::string text = DescribePicture(part);
    try {
        Image2->SetBitmap(FittedPreview(part.bytes, kMakerPreviewWidth, kMakerPreviewHeight));
    } catch (const std::exception& error) {
        text += " - не показывается: " + std::string(error.what());
    }
    StaticText3->SetCaption(text);
}

void TCreatorForm::ShowSound() {
    const TDraftPart& part = m_document.Contents().sound;
    StaticText2->SetCaption(part.Empty() ? "Нет звука: откройте WAV, перетащите его сюда\r\nили запишите с микрофона"
                                         : DescribeSound(part));
    Button3->SetEnabled(!part.Empty());
}

void TCreatorForm::ShowMakerText() {
    m_showingText = true;
    Memo1->SetText(m_document.Contents().makerText);
    m_showingText = false;
}

void TCreatorForm::ShowState() {
    SetCaption(CreatorCaption(m_document.Path(), m_document.Modified()));
    Button11->SetEnabled(!m_document.Path().empty());
}

void TCreatorForm::Remember(const std::string& path) {
    const std::string::size_type slash = path.find_last_of("\\/:");
    if (slash != std::string::npos) m_folder = path.substr(0, slash + 1);
}
