// TForm5: the About window's frame: caption, place, size and border.
#include "windows/Unit5.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(TComponent* owner) : TForm(owner, "TForm5") {
    SetCaption("About & Help");
    SetBounds(179, 27, 508, 375);
    SetBorderStyle(bsSizeable);
    SetBorderIcons(biSystemMenu);
}
