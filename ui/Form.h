// TForm: a top-level window owned by the application window, with its border, creation event,
// showing, and the close request (a secondary form hides, the main form ends the program).
#pragma once
#include <string>

#include "ui/WinControl.h"

enum TFormBorderStyle { bsSizeable, bsSingle, bsDialog };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };
enum TModalResult { mrNone, mrOk, mrCancel };

// What a form's window is made with. A top-level window that is made and then titled, moved and
// restyled costs a trip to the window system for each step; made with its frame, it costs one.
struct TFormFrame {
    std::string Caption;
    int Left = 0, Top = 0, Width = 320, Height = 240;
    TFormBorderStyle BorderStyle = bsSizeable;
    unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize;
};

class TForm : public TWinControl {
public:
    // className: the window class of this kind of form (TForm1, TForm2, ...).
    TForm(TComponent* owner, const std::string& className, const TFormFrame& frame = {});
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    unsigned BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(unsigned value);

    // Makes the form visible (not modal) and brings it to the front.
    void Show();
    void BringToFront();
    // Shows the form modally: the thread's other windows are disabled (and enabled again on every
    // way out) and its messages run here until EndModal or the close box (mrCancel). When the
    // program ends meanwhile, the quit message is left for the main loop and the result is
    // mrCancel. focus: the control that gets the focus first. The form is hidden on return and
    // the window active before gets the activation back.
    TModalResult ShowModal(HWND focus = nullptr);
    // Ends a running ShowModal with result; also from a message sent by another thread.
    void EndModal(TModalResult result);
    // Asks the form to close, exactly as its close box does.
    void Close();
    // Gives the window the program's icon (the icon resource MAINICON).
    void UseProgramIcon();

    // Runs OnCreate once the form is built; an error in it is reported and the program goes on.
    void DoCreate();
    TNotifyEvent OnCreate;

protected:
    // The close request. A modal form ends its ShowModal with mrCancel, another secondary form
    // hides, and the main form ends the program.
    virtual void WMClose();
    void CreateParams(TCreateParams& params) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    DWORD WindowStyle() const;
    DWORD WindowExStyle() const;
    void ApplyBorder();

    std::string m_className;
    TFormBorderStyle m_borderStyle;
    unsigned m_borderIcons;
    HWND m_lastFocus = nullptr;  // not owned: the child that had the focus when the form was left
    bool m_modal = false;        // ShowModal is running
    TModalResult m_modalResult = mrNone;
};
