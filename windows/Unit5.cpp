// TForm5: the About window's frame, its credits panel, its OK button and the credit lines.
#include "windows/Unit5.h"

TForm5* Form5 = nullptr;

namespace {
const char kRule[] = "------------------------------------------------------";  // 54 hyphens

// The credits, top to bottom; empty strings are the blank lines between the groups.
const char* const kCredits[] = {
    "Небольшая подсказка :",
    "После Запуска программы выберите папку , где находятся Сонпики",
    "(Сонпики имеют расширение sonpix)",
    "",
    kRule,
    "",
    "Сонпик Просмотрщик 1.1",
    "",
    "Большое спасибо :",
    "",
    "Форуму программистов за ответы и терпение : http://forum.programmistov.example",
    "Сайту вопросов и ответов по программированию и его автору : http://voprosy.programmistov.example",
    "",
    "",
    "       Мастерская Сонпик   2006 - 2008",
    "",
    "Сайт : http://www.sonpix.example",
    "E-mail : master@sonpix.example",
    "",
    "p.s.Заходите на мой сайт и качайте примеры Сонпиков",
    "Там же для программистов есть исходный модуль, который извлекает Сонпики",
    "(можете использовать Сонпики в своих программах)",
    kRule,
};
}  // namespace

TForm5::TForm5(TComponent* owner)
    : TForm(owner, "TForm5", {"About & Help", 179, 27, 508, 375, bsSizeable, biSystemMenu}) {
    DeferChildHandlesUntilShown();

    ScrollingPanel1 = Create<TScrollingPanel>();
    TFont font;
    font.SetName("MS Sans Serif");
    font.SetHeight(-11);
    font.SetColor(clRed);
    font.SetStyle(fsBold);
    ScrollingPanel1->SetParentFont(false);
    ScrollingPanel1->SetFont(font);
    ScrollingPanel1->SetBounds(8, 8, 481, 297);
    ScrollingPanel1->SetTabOrder(0);
    ScrollingPanel1->SetParent(this);

    Button1 = Create<TButton>();
    Button1->SetCaption("OK");
    Button1->SetBounds(216, 312, 75, 25);
    Button1->SetTabOrder(1);
    Button1->SetParent(this);
    Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };

    OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
}

void TForm5::FormCreate(TObject*) {
    for (const char* line : kCredits) ScrollingPanel1->Lines().Add(line);
}

void TForm5::Button1Click(TObject*) { Hide(); }
