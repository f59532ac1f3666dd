// TWinControl: a control that owns a window. One static window procedure for the layer's own
// window classes, one subclass procedure for standard controls; parents reflect notifications.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "sys/UniqueWindow.h"
#include "ui/Control.h"

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    HWND Handle() const { return m_handle.Get(); }
    bool HandleAllocated() const { return static_cast<bool>(m_handle); }
    // Creates the window now if it can be created: a top-level control, or a parent with a window
    // that does not hold its controls' windows back until its first show.
    void HandleNeeded();

    // The object bound to a window of this layer, or null for any other window.
    static TWinControl* FromHandle(HWND window);

    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int index) const { return m_controls[index]; }

    void Invalidate();
    void Repaint();
    void SetFocus();
    bool Focused() const;

protected:
    struct TCreateParams {
        std::string ClassName;     // window class to create
        std::string BaseClass;     // when set: ClassName is registered as a copy of this standard class
        bool OwnClass = true;      // a class of this layer (static window procedure) or a standard one
        UINT ClassStyle = CS_DBLCLKS;
        DWORD Style = WS_CHILD | WS_CLIPSIBLINGS;
        DWORD ExStyle = 0;
        HWND ParentWindow = nullptr;
    };
    virtual void CreateParams(TCreateParams& params);
    // Pushes the state of the derived control into a freshly made window.
    virtual void InitializeHandle() {}
    // The object's message handler; what it does not handle goes to DefaultHandler.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification the parent received from this control (WM_COMMAND, WM_NOTIFY,
    // WM_CTLCOLOR*, WM_DRAWITEM); true when handled, with the message result.
    virtual bool Reflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Changed(TChange change) override;
    void CreateHandle();
    void DestroyHandle();
    // A window that starts hidden calls this before it makes its controls: their windows are then
    // made when it is first shown, so a window that is never opened costs no child windows.
    void DeferChildHandlesUntilShown() { m_childHandlesDeferred = !Visible(); }

private:
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void ApplyToolTip();
    void CreateToolTip();
    void RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam);
    std::vector<TWinControl*> ChildrenInTabOrder() const;
    void RestackChildren();
    void PlaceChild(TWinControl* child);
    void CreateChildHandles();

    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    bool m_childHandlesDeferred = false;
    UniqueWindow m_handle;      // destroyed by DestroyHandle, or with the parent window (then given up)
    // A standard control hooked by SubclassProc: the class's own procedure, called for what the
    // object leaves to it; null for the layer's own windows.
    WNDPROC m_standardProc = nullptr;
    UniqueWindow m_toolTip;     // this control's tool tip window, while ShowHint is set
    std::vector<TControl*> m_controls;  // not owned: children in the window tree
};
