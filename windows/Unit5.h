// TForm5: the About window (its credits panel and OK button come with the panel work).
#pragma once
#include "ui/Form.h"

class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);
};

extern TForm5* Form5;
