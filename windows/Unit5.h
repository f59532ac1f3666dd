// TForm5: the About window: a usage hint and the credits scrolling through a panel, and OK.
#pragma once
#include "controls/ScrollingPanel.h"
#include "ui/Button.h"
#include "ui/Form.h"

class TForm5 : public TForm {
public:
    explicit TForm5(TComponent* owner);

    // Controls, owned by the form (its component list); these are plain references.
    TScrollingPanel* ScrollingPanel1 = nullptr;
    TButton* Button1 = nullptr;

    // Fills the panel's lines once; the panel stays still until the main window starts it.
    void FormCreate(TObject* Sender);
    // Hides the window; the panel goes on (or stays stopped) as it is.
    void Button1Click(TObject* Sender);
};

extern TForm5* Form5;
