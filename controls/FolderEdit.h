// TFolderEdit: the folder field. Its button (and ClickKey) opens the folder browse dialog and
// writes the chosen folder into the field; a dropped file gives its folder, a dropped folder
// itself.
#pragma once
#include <string>

#include "controls/PathEdit.h"

class TFolderEdit : public TPathEdit {
public:
    explicit TFolderEdit(TComponent* owner);

    // Where the dialog opens when the field is empty; follows each accepted dialog.
    const std::string& InitialDir() const { return m_initialDir; }
    void SetInitialDir(const std::string& value) { m_initialDir = value; }
    // The text holds several folders separated by ";": results are appended.
    bool MultipleDirs() const { return m_multipleDirs; }
    void SetMultipleDirs(bool value) { m_multipleDirs = value; }

protected:
    void CreateParams(TCreateParams& params) override;
    bool ExecuteDialog(std::string& path) override;
    void AcceptDialogResult(const std::string& path) override;
    std::string DroppedValue(const std::string& name) override;

private:
    void SetOrAppend(const std::string& folder);

    std::string m_initialDir;
    bool m_multipleDirs = false;
};

// True when path names an existing folder.
bool IsExistingFolder(const std::string& path);
