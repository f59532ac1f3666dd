// TForm2: the empty window that nothing ever shows.
#pragma once
#include "ui/Form.h"

class TForm2 : public TForm {
public:
    explicit TForm2(TComponent* owner);
};

extern TForm2* Form2;
