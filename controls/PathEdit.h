// TPathEdit: a button field for paths. It accepts files dropped from the shell and runs the
// browse sequence around a dialog that derived fields supply, with its hooks.
#pragma once
#include <functional>
#include <string>

#include "controls/CustomButtonEdit.h"

// Before the dialog: the start folder and whether to go on, both changeable.
using TBeforeDialogEvent = std::function<void(TObject* Sender, std::string& start, bool& proceed)>;
// After the dialog: the folder it gave and whether it was accepted, both changeable.
using TAfterDialogEvent = std::function<void(TObject* Sender, std::string& folder, bool& accepted)>;

class TPathEdit : public TCustomButtonEdit {
public:
    explicit TPathEdit(TComponent* owner);
    ~TPathEdit() override;

    // While the window exists and this is set, the field is a drop target.
    bool AcceptFiles() const { return m_acceptFiles; }
    void SetAcceptFiles(bool value);

    TBeforeDialogEvent OnBeforeDialog;
    TAfterDialogEvent OnAfterDialog;
    TNotifyEvent OnDropFiles;

    // The longest dropped name that is taken; a longer one is ignored rather than cut short.
    static constexpr unsigned kDropNameLimit = 255;

protected:
    void InitializeHandle() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ButtonClick() override;
    // Runs the dialog on start; true when accepted, with the chosen path in start.
    virtual bool ExecuteDialog(std::string& path) = 0;
    // Writes an accepted dialog result into the field.
    virtual void AcceptDialogResult(const std::string& path) = 0;
    // The text a dropped item gives.
    virtual std::string DroppedValue(const std::string& name) = 0;

private:
    void ApplyAcceptFiles(bool accept);
    void DropFiles(HDROP drop);

    bool m_acceptFiles = true;
};
