// TForm3: the author details window's frame, its memo, picture and OK button.
#include "windows/Unit3.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* owner)
    : TForm(owner, "TForm3", {"Кто Сделал этот Сонпик", 5, 8, 548, 466, bsSizeable, biSystemMenu}) {
    DeferChildHandlesUntilShown();

    Memo1 = Create<TMemo>();
    Memo1->SetBounds(8, 16, 521, 89);
    Memo1->SetReadOnly(true);
    Memo1->SetScrollBars(ssVertical);
    Memo1->SetWordWrap(true);
    Memo1->SetText("Memo1");
    Memo1->SetTabOrder(0);
    Memo1->SetParent(this);

    // 17 pixels high, lower than a usual button.
    Button1 = Create<TButton>();
    Button1->SetBounds(456, 416, 75, 17);
    Button1->SetCaption("OK");
    Button1->SetTabOrder(1);
    Button1->SetParent(this);
    Button1->OnClick = [this](TObject* Sender) { Button1Click(Sender); };

    // The picture stands at its natural size from the top-left corner; none at start.
    Image1 = Create<TImage>();
    Image1->SetBounds(8, 112, 521, 297);
    Image1->SetCenter(false);
    Image1->SetParent(this);
}

void TForm3::SetMakerText(const std::string& text) {
    Memo1->Clear();
    Memo1->AddLine(text);
}

void TForm3::Button1Click(TObject*) { Hide(); }
