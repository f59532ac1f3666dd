// TForm4: the file type registration window (its controls come with the registration work).
#pragma once
#include "ui/Form.h"

class TForm4 : public TForm {
public:
    explicit TForm4(TComponent* owner);
};

extern TForm4* Form4;
