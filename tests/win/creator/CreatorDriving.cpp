// The creator's black-box fixture: starting it, finding its controls, answering its dialogs.
#include "tests/win/creator/CreatorDriving.h"

#include "tests/support/TestFiles.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {
// The file name field of the standard file dialogs: a combo box in the explorer-style dialog
// (cmb13), a plain edit in the old one (edt1).
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

struct TChildSearch {
    std::string className;
    std::string caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<TChildSearch*>(data);
    if (lstrcmpiA(ClassNameOf(child).c_str(), search->className.c_str()) == 0 && TextOf(child) == search->caption) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

std::string CreatorExePath() { return FileBesideProgram("SonpixCreator.exe"); }

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

void TCreatorTest::SetUp() {
    ASSERT_NE(GetFileAttributesA(CreatorExePath().c_str()), INVALID_FILE_ATTRIBUTES) << "no " << CreatorExePath();
}

HWND TCreatorTest::StartCreator(const std::string& arguments) {
    m_creators.push_back(std::make_unique<TViewerProcess>(
        TViewerProcess::Start(TLaunch{CreatorExePath(), arguments, m_scratch.Path()})));
    TViewerProcess& creator = Creator();
    if (!creator.Started()) {
        ADD_FAILURE() << creator.Error();
        return nullptr;
    }
    HWND window = nullptr;
    WaitUntil(
        [&] {
            window = FindTopLevelWindow(creator.Id(), kCreatorWindowClass);
            return (window && IsWindowVisible(window)) || !creator.Running();
        },
        kWindowTimeoutMs);
    if (window && IsWindowVisible(window)) return window;
    ADD_FAILURE() << "the creator's window did not appear:\n" << DescribeTopLevelWindows(creator.Id());
    return nullptr;
}

HWND TCreatorTest::Child(HWND window, const std::string& className, const std::string& caption) {
    TChildSearch search{className, caption};
    EnumChildWindows(window, MatchChild, reinterpret_cast<LPARAM>(&search));
    if (!search.found) ADD_FAILURE() << "no " << className << " \"" << caption << "\"";
    return search.found;
}

bool TCreatorTest::AnswerSaveDialog(const std::string& path) {
    HWND dialog = WaitForBoxWithButton(IDOK);
    if (!dialog) return false;
    HWND name = nullptr;
    WaitUntil([&] { return (name = GetDlgItem(dialog, kFileNameCombo)) || (name = GetDlgItem(dialog, kFileNameEdit)); },
              kWindowTimeoutMs);
    if (!name) return false;
    SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    return PressMessageBoxButton(dialog, IDOK);
}

HWND TCreatorTest::WaitForBoxWithButton(int commandId, const std::string& caption) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : TopLevelWindowsOf(Creator().Id())) {
                if (ClassNameOf(window) != "#32770" || !IsWindowVisible(window)) continue;
                if (!caption.empty() && TitleOf(window) != caption) continue;
                for (int id : ReadMessageBox(window).buttons)
                    if (id == commandId) return (found = window) != nullptr;
            }
            return false;
        },
        kWindowTimeoutMs);
    return found;
}
