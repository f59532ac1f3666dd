// TForm4: the file type registration window's frame, its notice and its button.
#include "windows/Unit4.h"

#include "sys/FileTypeRegistration.h"
#include "sys/mysys.h"

TForm4* Form4 = nullptr;

namespace {
// The window's own texts, kept exactly as they have always read (spelling and blanks included).
const char kGroupCaption[] = "Зарегестрировать расширение Sonpix в системе ";
const char kNoticeFirstLine[] = "Если вы зарегестрируйте расширение Sonpix ,то открывать эти файлы вы будете  ";
const char kNoticeSecondLine[] = "просто кликнув в проводнике по файлу  (должны быть права Администратора)";
const char kRegisterCaption[] = "Зарегестрировать";

TStaticText* MakeNoticeLine(TForm4* form, TWinControl* parent, const char* text, int top, int width) {
    TStaticText* line = form->Create<TStaticText>();
    TFont red;
    red.SetColor(clRed);
    line->SetFont(red);
    line->SetAutoSize(false);
    line->SetCaption(text);
    line->SetBounds(16, top, width, 17);
    line->SetParent(parent);
    return line;
}
}  // namespace

TForm4::TForm4(TComponent* owner)
    : TForm(owner, "TForm4", {"Инсталляция", 93, 109, 544, 159, bsSizeable, biSystemMenu}) {
    DeferChildHandlesUntilShown();

    GroupBox1 = Create<TGroupBox>();
    GroupBox1->SetCaption(kGroupCaption);
    GroupBox1->SetBounds(8, 16, 505, 105);
    TFont captionFont = GroupBox1->Font();
    captionFont.SetColor(clActiveCaption);
    GroupBox1->SetFont(captionFont);
    GroupBox1->SetParent(this);

    // The two lines read as one sentence.
    StaticText1 = MakeNoticeLine(this, GroupBox1, kNoticeFirstLine, 24, 434);
    StaticText2 = MakeNoticeLine(this, GroupBox1, kNoticeSecondLine, 40, 405);

    Button1 = Create<TButton>();
    Button1->SetCaption(kRegisterCaption);
    Button1->SetBounds(384, 72, 107, 25);
    Button1->SetTabOrder(0);
    Button1->SetParent(GroupBox1);
    Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };
}

void TForm4::Button1Click(TObject*) {
    RegisterFileType("Sonpix", "SonpixFile", "Sonpix Data", ProgramFilePath(), *RegistryApi);
    Hide();
}
