// TForm3: the author details window: the maker's text in a read-only memo, the maker's picture
// below it, and an OK button that hides the window. The main window fills and shows it.
#pragma once
#include <string>

#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Memo.h"

class TForm3 : public TForm {
public:
    explicit TForm3(TComponent* owner);

    // Controls, owned by the form (its component list); these are plain references.
    TMemo* Memo1 = nullptr;
    TButton* Button1 = nullptr;
    TImage* Image1 = nullptr;

    // Puts the maker's text into the memo as one line: the text with its line breaks, then one
    // line break of its own (an empty text leaves only that).
    void SetMakerText(const std::string& text);

    // Hides the window; it keeps its content for the next showing.
    void Button1Click(TObject* Sender);
};

extern TForm3* Form3;
