// TForm3: the author details window's frame: caption, place, size and border.
#include "windows/Unit3.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* owner) : TForm(owner, "TForm3") {
    SetCaption("Кто Сделал этот Сонпик");
    SetBounds(5, 8, 548, 466);
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu);
}
