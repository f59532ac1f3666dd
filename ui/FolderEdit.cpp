// TFolderEdit: an EDIT registered again under the class name TFolderEdit.
#include "ui/FolderEdit.h"

TFolderEdit::TFolderEdit(TComponent* owner) : TEdit(owner) {}

void TFolderEdit::CreateParams(TCreateParams& params) {
    TEdit::CreateParams(params);
    params.ClassName = "TFolderEdit";
    params.BaseClass = "EDIT";
}
