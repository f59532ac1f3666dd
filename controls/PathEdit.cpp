// TPathEdit: drop registration and handling, and the browse sequence with its hooks.
#include "controls/PathEdit.h"

#include <shellapi.h>

#include <vector>

namespace {
// DragFinish is called on every way out of a drop, an exception included.
class TDropRelease {
public:
    explicit TDropRelease(HDROP drop) : m_drop(drop) {}
    ~TDropRelease() { DragFinish(m_drop); }
    TDropRelease(const TDropRelease&) = delete;
    TDropRelease& operator=(const TDropRelease&) = delete;

private:
    HDROP m_drop;  // owned by the platform until DragFinish
};
}  // namespace

TPathEdit::TPathEdit(TComponent* owner) : TCustomButtonEdit(owner) {}

TPathEdit::~TPathEdit() {
    // The registration goes before the window; the base destroys the window after this.
    ApplyAcceptFiles(false);
}

void TPathEdit::SetAcceptFiles(bool value) {
    if (value == m_acceptFiles) return;
    m_acceptFiles = value;
    ApplyAcceptFiles(value);
}

void TPathEdit::ApplyAcceptFiles(bool accept) {
    if (HandleAllocated()) DragAcceptFiles(Handle(), accept ? TRUE : FALSE);
}

void TPathEdit::InitializeHandle() {
    TCustomButtonEdit::InitializeHandle();
    ApplyAcceptFiles(m_acceptFiles);
}

LRESULT TPathEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            ApplyAcceptFiles(false);
            break;
        case WM_DROPFILES:
            DropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        default:
            break;
    }
    return TCustomButtonEdit::WndProc(message, wParam, lParam);
}

void TPathEdit::DropFiles(HDROP drop) {
    TDropRelease release(drop);
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    if (count == 0) return;
    // Only the first item counts. A name that does not fit the buffer would be cut into a path
    // the user never dropped, so it is left alone.
    const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
    if (length == 0 || length > kDropNameLimit) return;
    std::vector<char> name(kDropNameLimit + 1);
    const UINT read = DragQueryFileA(drop, 0, name.data(), static_cast<UINT>(name.size()));
    if (read == 0) return;
    SetText(DroppedValue(std::string(name.data(), read)));
    if (OnDropFiles) OnDropFiles(this);
}

// The browse sequence. Focus on a left press was given by the button already.
void TPathEdit::ButtonClick() {
    if (ReadOnly()) return;
    TCustomButtonEdit::ButtonClick();
    std::string path = Text();
    bool proceed = true;
    if (OnBeforeDialog) OnBeforeDialog(this, path, proceed);
    if (!proceed) return;
    bool accepted = ExecuteDialog(path);
    if (CanFocus()) SetFocus();
    if (OnAfterDialog) OnAfterDialog(this, path, accepted);
    if (accepted) AcceptDialogResult(path);
}
