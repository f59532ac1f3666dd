// TForm4: the file type registration window's frame: caption, place, size and border.
#include "windows/Unit4.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(TComponent* owner) : TForm(owner, "TForm4") {
    SetCaption("Инсталляция");
    SetBounds(93, 109, 544, 159);
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu);
}
