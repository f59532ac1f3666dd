// TForm4: the file type registration window: a short notice and the button that associates the
// Sonpix extension with the viewer, then hides the window.
#pragma once
#include "sys/Registry.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/StaticText.h"

class TForm4 : public TForm {
public:
    explicit TForm4(TComponent* owner);

    // Controls, owned by the form (its component list); these are plain references.
    TGroupBox* GroupBox1 = nullptr;
    TStaticText* StaticText1 = nullptr;
    TStaticText* StaticText2 = nullptr;
    TButton* Button1 = nullptr;

    // Registers the extension for the running program and hides the window; a registry error
    // escapes before the window is hidden, so that it stays open with the error shown.
    void Button1Click(TObject* Sender);

    // The registry calls the button makes: the system's, or a replacement a test installs.
    const TRegistryApi* RegistryApi = &SystemRegistryApi();
};

extern TForm4* Form4;
