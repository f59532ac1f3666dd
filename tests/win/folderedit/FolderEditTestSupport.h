// Helpers of the folder field tests: a shown form, a script that drives the modal browse dialog
// from a timer on this thread.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/SelectFolderDialog.h"
#include "ui/Form.h"

// A visible form owned by the application for one test.
class TShownForm {
public:
    TShownForm();
    ~TShownForm();
    TForm* operator->() const { return m_form; }
    TForm* Get() const { return m_form; }

private:
    TForm* m_form;
};

// The shown folder dialog of this thread, or null.
TSelectFolderDialog* ShownFolderDialog();

// Steps run one per timer tick on whichever folder dialog this thread shows; the last step
// should close it. A dialog still open when the steps are used up is cancelled and counted.
class TDialogScript {
public:
    using TStep = std::function<void(TSelectFolderDialog& dialog)>;
    explicit TDialogScript(std::vector<TStep> steps);
    ~TDialogScript();
    TDialogScript(const TDialogScript&) = delete;
    TDialogScript& operator=(const TDialogScript&) = delete;

    int StepsRun() const { return m_next; }
    int LeftOpen() const { return m_leftOpen; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    std::vector<TStep> m_steps;
    int m_next = 0;
    int m_leftOpen = 0;
    UINT_PTR m_timer = 0;
};

// Steps that end the dialog as a user would: its buttons and its close box.
void PressOk(TSelectFolderDialog& dialog);
void PressCancel(TSelectFolderDialog& dialog);
void PressCloseBox(TSelectFolderDialog& dialog);
// Double-clicks the folder list item that shows name (fails the test when there is none).
void DoubleClickFolder(TSelectFolderDialog& dialog, const std::string& name);


// The process's current folder, and a guard that puts it back at the end of a test.
std::string CurrentFolderNow();
class TCurrentFolderKept {
public:
    TCurrentFolderKept() : m_folder(CurrentFolderNow()) {}
    ~TCurrentFolderKept() { SetCurrentDirectoryA(m_folder.c_str()); }

private:
    std::string m_folder;
};
