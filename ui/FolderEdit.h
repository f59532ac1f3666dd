// TFolderEdit (first version): the main window's folder field as a one-line edit of window class
// TFolderEdit, with Text and OnChange. The browse button and the drop target come with the full
// control.
#pragma once
#include "ui/Edit.h"

class TFolderEdit : public TEdit {
public:
    explicit TFolderEdit(TComponent* owner);

protected:
    void CreateParams(TCreateParams& params) override;
};
