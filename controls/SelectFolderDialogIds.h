// Window identifiers of the folder browse dialog's controls, fixed so that it can be driven
// from outside.
#pragma once
#include <windows.h>

constexpr char kSelectFolderDialogClass[] = "TSelectFolderDialog";

enum TSelectFolderDialogId : int {
    idFolderList = 101,
    idNameEdit = 102,
    idPathLabel = 103,
    idFileList = 104,
    idDriveList = 105,
    idNetworkButton = 106,
    idHelpButton = 107,
    idNameLabel = 111,
    idFolderLabel = 112,
    idFileLabel = 113,
    idDriveLabel = 114,
    idOkButton = IDOK,
    idCancelButton = IDCANCEL,
};
