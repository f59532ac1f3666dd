// TForm3: the author details window (its text box, picture and OK button come with its own work).
#pragma once
#include "ui/Form.h"

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);
};

extern TForm3* Form3;
