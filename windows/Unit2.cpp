// TForm2: caption, place and size only; it has no controls and no code.
#include "windows/Unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(TComponent* owner) : TForm(owner, "TForm2", {"Form2", 192, 107, 544, 375}) {}
