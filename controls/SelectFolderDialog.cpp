// TSelectFolderDialog: controls and bounds, the modal loop, the folder, file and drive lists,
// the path label, and the network connection button.
#include "controls/SelectFolderDialog.h"

#include <winnetwk.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "controls/FolderPath.h"
#include "controls/ShortenFolderPath.h"
#include "sys/DriveList.h"
#include "sys/FileSearch.h"
#include "sys/PathText.h"
#include "sys/SysError.h"
#include "sys/mystr.h"
#include "sys/mysys.h"
#include "ui/Application.h"
#include "ui/TransparentDraw.h"

namespace {
const int kClientWidth = 424;
const int kClientHeight = 255;
const int kFolderItemHeight = 17;
const int kFileItemHeight = 13;
const int kDriveItemHeight = 16;
const int kDriveFieldHeight = 19;  // the closed drop-down list, outside

// The legacy network-connection dialog is offered only where user32 names a network module
// that has it.
bool NetworkDialogOffered() {
    using TGetCaps = WORD(WINAPI*)(WORD);
    HMODULE user = GetModuleHandleA("user32.dll");
    if (!user) return false;
    auto getCaps = reinterpret_cast<TGetCaps>(reinterpret_cast<void (*)()>(GetProcAddress(user, "WNETGETCAPS")));
    if (!getCaps) return false;
    auto module = reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(getCaps(0xFFFF)));
    return module && GetProcAddress(module, "WNETCONNECTDIALOG") != nullptr;
}

std::string FullPath(const std::string& path) {
    char buffer[MAX_PATH * 2];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer) return path;
    return std::string(buffer, length);
}

// Sorts names by their Windows-1251 upper case, each upper-cased once (a folder may hold
// thousands of sub-folders).
void SortIgnoringCase(std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names) keyed.emplace_back(UpperCaseCyr(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (size_t i = 0; i < keyed.size(); ++i) names[i] = std::move(keyed[i].second);
}

// Turns off a list's redrawing while it is refilled, and repaints it once afterwards.
class TRedrawOff {
public:
    explicit TRedrawOff(HWND window) : m_window(window) { SendMessageA(window, WM_SETREDRAW, FALSE, 0); }
    ~TRedrawOff() {
        SendMessageA(m_window, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(m_window, nullptr, TRUE);
    }
    TRedrawOff(const TRedrawOff&) = delete;
    TRedrawOff& operator=(const TRedrawOff&) = delete;

private:
    HWND m_window;  // not owned
};

TFolderDialogGlyph DriveGlyph(TDriveKind kind) {
    switch (kind) {
        case TDriveKind::removable: return fgFloppy;
        case TDriveKind::remote: return fgNetwork;
        case TDriveKind::cdRom: return fgCdRom;
        case TDriveKind::ramDisk: return fgRam;
        case TDriveKind::fixed: break;
    }
    return fgHard;
}

struct TControlPlace {
    const char* className;
    const char* text;
    int id;
    DWORD style;
    DWORD exStyle;
    RECT bounds;  // left, top, width, height
};
}  // namespace

TSelectFolderDialog::TSelectFolderDialog(TComponent* owner, int helpContext, int dpi)
    : TForm(owner, kSelectFolderDialogClass, {"Select Directory", 0, 0, 320, 240, bsDialog, biSystemMenu}),
      m_dpi(dpi) {
    if (m_dpi <= 0) {
        TClientDC screen(nullptr);
        m_dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    }
    if (m_dpi <= 0) m_dpi = 96;
    if (m_dpi != 96) {
        TFont font = Font();
        font.SetHeight(Scaled(font.Height()));
        SetFont(font);
    }
    for (int glyph = 0; glyph < fgGlyphCount; ++glyph)
        m_glyphs[glyph] = MakeFolderDialogGlyph(static_cast<TFolderDialogGlyph>(glyph));
    CreateControls(helpContext);
    PlaceWindow();
    FillDrives();
}

TSelectFolderDialog::~TSelectFolderDialog() = default;

int TSelectFolderDialog::Scaled(int value) const { return MulDiv(value, m_dpi, 96); }

HWND TSelectFolderDialog::AddControl(const char* className, const char* text, int id, DWORD style, DWORD exStyle,
                                     RECT bounds) {
    // The window is a child of the dialog and is destroyed with it.
    HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | style, Scaled(bounds.left), Scaled(bounds.top),
                                   Scaled(bounds.right), Scaled(bounds.bottom), Handle(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!control) throw std::runtime_error(std::string("Error creating window ") + className);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    return control;
}

// Creation order is window order: each label stands just before its control so that its
// accelerator reaches it, and the tab stops come in the order folder list, name field, drive
// list, network button, OK, Cancel, (Help), file list.
void TSelectFolderDialog::CreateControls(int helpContext) {
    const DWORD label = WS_VISIBLE | SS_LEFT;
    const DWORD tab = WS_VISIBLE | WS_TABSTOP;
    const bool help = helpContext != 0;
    const TControlPlace places[] = {
        {"STATIC", "&Directories:", idFolderLabel, label, 0, {8, 56, 66, 13}},
        {"LISTBOX", "", idFolderList,
         tab | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY, WS_EX_CLIENTEDGE, {8, 72, 213, 138}},
        {"STATIC", "Directory &Name:", idNameLabel, label, 0, {8, 8, 92, 13}},
        {"EDIT", "", idNameEdit, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {8, 24, 313, 20}},
        {"STATIC", "", idPathLabel, WS_VISIBLE | SS_OWNERDRAW | SS_NOPREFIX, 0, {8, 24, 313, 20}},
        {"STATIC", "D&rives:", idDriveLabel, label, 0, {232, 176, 41, 13}},
        {"COMBOBOX", "", idDriveList,
         tab | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 0, {232, 192, 185, 190}},
        {"BUTTON", "Ne&twork...", idNetworkButton, WS_TABSTOP | BS_PUSHBUTTON, 0, {8, 224, 77, 27}},
        {"BUTTON", "OK", idOkButton, tab | BS_DEFPUSHBUTTON, 0, {help ? 172 : 256, 224, 77, 27}},
        {"BUTTON", "Cancel", idCancelButton, tab | BS_PUSHBUTTON, 0, {help ? 256 : 340, 224, 77, 27}},
        {"BUTTON", "&Help", idHelpButton, (help ? tab : WS_TABSTOP) | BS_PUSHBUTTON, 0, {340, 224, 77, 27}},
        {"STATIC", "&Files: (*.*)", idFileLabel, label, 0, {232, 56, 57, 13}},
        {"LISTBOX", "", idFileList, tab | WS_VSCROLL | LBS_SORT | LBS_HASSTRINGS, WS_EX_CLIENTEDGE, {232, 72, 185, 93}},
    };
    for (const TControlPlace& place : places) {
        if (place.id == idHelpButton && !help) continue;
        AddControl(place.className, place.text, place.id, place.style, place.exStyle, place.bounds);
    }
    // The file list's items are 13 high; sizing it again cuts it to whole items of that height.
    SendMessageA(Item(idFileList), LB_SETITEMHEIGHT, 0, Scaled(kFileItemHeight));
    SetWindowPos(Item(idFileList), nullptr, 0, 0, Scaled(185), Scaled(93), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // The closed drop-down list is made exactly as high as its place.
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT drive;
        GetWindowRect(Item(idDriveList), &drive);
        const int difference = Scaled(kDriveFieldHeight) - (drive.bottom - drive.top);
        if (difference == 0) break;
        const LRESULT field = SendMessageA(Item(idDriveList), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
        if (field + difference <= 0) break;
        SendMessageA(Item(idDriveList), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field + difference);
    }
    if (NetworkDialogOffered()) ShowWindow(Item(idNetworkButton), SW_SHOWNA);
}

// The client area is 424 x 255 (scaled), centred on the screen.
void TSelectFolderDialog::PlaceWindow() {
    RECT frame{0, 0, Scaled(kClientWidth), Scaled(kClientHeight)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(Handle(), GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetBounds((GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height);
}

void TSelectFolderDialog::FillDrives() {
    m_drives.clear();
    for (const TDrive& drive : ListDrives()) m_drives.push_back({drive.letter, drive.text, DriveGlyph(drive.kind)});
    HWND list = Item(idDriveList);
    SendMessageA(list, CB_RESETCONTENT, 0, 0);
    for (const TDriveItem& item : m_drives) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
    SelectDriveOfFolder();
}

void TSelectFolderDialog::SelectDriveOfFolder() {
    int index = -1;
    if (m_folder.size() >= 2 && m_folder[1] == ':') {
        const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(m_folder[0])));
        for (size_t i = 0; i < m_drives.size(); ++i)
            if (m_drives[i].letter == letter) index = static_cast<int>(i);
    }
    SendMessageA(Item(idDriveList), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TSelectFolderDialog::OpenInitialFolder(const std::string& folder) {
    std::string target = GetCurrentFolder();
    if (!folder.empty()) {
        const std::string parent = FolderOfPattern(FullPath(IncludeTrailingBackslash(folder) + "*.*"));
        if (!parent.empty()) target = parent;
    }
    try {
        OpenFolder(target);
    } catch (const std::exception&) {
        // The folder went away meanwhile: the process's current folder is shown instead.
        OpenFolder(GetCurrentFolder());
    }
}

void TSelectFolderDialog::OpenFolder(const std::string& folder) {
    if (folder.empty() || !SetCurrentDirectoryA(folder.c_str())) {
        const DWORD error = GetLastError();
        throw std::runtime_error("Cannot open folder \"" + folder + "\". " + SysErrorMessage(error));
    }
    const std::string current = GetCurrentFolder();
    m_folder = current.empty() ? folder : current;
    ReadFolder();
}

// The folder list (the root, the way down, the open folder, its sorted sub-folders), the file
// list, the path label and the drive of the open folder.
void TSelectFolderDialog::ReadFolder() {
    const bool lower = VolumeIgnoresCase(m_folder);
    auto shown = [lower](const std::string& name) { return lower ? LowerCaseText(name) : name; };
    std::vector<std::string> folders, files;
    WIN32_FIND_DATAA found{};
    TFileSearch search(IncludeTrailingBackslash(m_folder) + "*.*", found);
    if (search.Found()) {
        do {
            const std::string name = found.cFileName;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (name != "." && name != "..") folders.push_back(name);
            } else {
                files.push_back(name);
            }
        } while (search.Next(found));
    }
    SortIgnoringCase(folders);

    m_items.clear();
    for (const std::string& level : FolderLevels(m_folder)) {
        const int index = static_cast<int>(m_items.size());
        m_items.push_back({shown(level), fgOpenFolder, 4 * index + 2});
    }
    const int current = static_cast<int>(m_items.size()) - 1;
    m_items[current].glyph = fgCurrentFolder;
    const int subIndent = 4 * (static_cast<int>(std::count(m_folder.begin(), m_folder.end(), '\\')) + 1) + 2;
    for (const std::string& name : folders) m_items.push_back({shown(name), fgClosedFolder, subIndent});

    HWND list = Item(idFolderList);
    {
        TRedrawOff redraw(list);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        SendMessageA(list, LB_INITSTORAGE, m_items.size(), m_items.size() * 16);
        for (const TFolderItem& item : m_items) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.name.c_str()));
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    }
    HWND fileList = Item(idFileList);
    {
        TRedrawOff redraw(fileList);
        SendMessageA(fileList, LB_RESETCONTENT, 0, 0);
        SendMessageA(fileList, LB_INITSTORAGE, files.size(), files.size() * 16);
        for (const std::string& name : files) SendMessageA(fileList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown(name).c_str()));
    }
    SetWindowTextA(Item(idPathLabel), m_folder.c_str());
    InvalidateRect(Item(idPathLabel), nullptr, TRUE);
    SelectDriveOfFolder();
}

void TSelectFolderDialog::OpenFolderItem(int index) {
    if (index < 0 || index >= static_cast<int>(m_items.size())) return;
    const int current = static_cast<int>(std::find_if(m_items.begin(), m_items.end(),
                                                      [](const TFolderItem& item) { return item.glyph == fgCurrentFolder; }) -
                                         m_items.begin());
    // A sub-folder below the open one, or the root or a folder on the way down.
    const std::string folder =
        index > current ? IncludeTrailingBackslash(m_folder) + m_items[index].name : FolderAtLevel(m_folder, index);
    try {
        OpenFolder(folder);
    } catch (const std::exception& error) {
        TApplication::ReportException(error);
        // What is left of the open folder is shown again, so the list stays usable.
        try {
            OpenFolder(m_folder);
        } catch (const std::exception&) {
            ReadFolder();
        }
    }
}

void TSelectFolderDialog::ChooseDrive(int index) {
    if (index < 0 || index >= static_cast<int>(m_drives.size())) return;
    // The drive's own current folder, as the platform keeps one per drive.
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(m_drives[index].letter)));
    const std::string folder = FullPath(std::string(1, letter) + ":");
    try {
        OpenFolder(folder);
    } catch (const std::exception& error) {
        TApplication::ReportException(error);
        SelectDriveOfFolder();
    }
}

std::vector<std::string> TSelectFolderDialog::DriveItems() const {
    std::vector<std::string> items;
    for (const TDriveItem& item : m_drives) items.push_back(item.text);
    return items;
}

std::vector<std::string> TSelectFolderDialog::FileItems() const {
    std::vector<std::string> items;
    HWND list = Item(idFileList);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)) + 1, '\0');
        const LRESULT length = SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(length > 0 ? static_cast<size_t>(length) : 0);
        items.push_back(text);
    }
    return items;
}

std::string TSelectFolderDialog::PathLabelText() const {
    RECT client;
    GetClientRect(Item(idPathLabel), &client);
    TClientDC dc(Item(idPathLabel));
    TSelectGuard font(dc.Get(), Font().Handle());
    return ShortenFolderPath(m_folder, [&](const std::string& text) {
        SIZE size{};
        GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx <= client.right;
    });
}

bool TSelectFolderDialog::Run(const std::string& initialFolder, std::string& folder, int helpContext) {
    TSelectFolderDialog dialog(Application, helpContext);
    dialog.OpenInitialFolder(initialFolder);
    const bool accepted = dialog.ShowModal(dialog.Item(idFolderList)) == mrOk;
    if (accepted) folder = dialog.Directory();
    return accepted;
}

void TSelectFolderDialog::Command(int id, int code) {
    switch (id) {
        case idOkButton:
            if (code == BN_CLICKED) EndModal(mrOk);
            break;
        case idCancelButton:
            if (code == BN_CLICKED) EndModal(mrCancel);
            break;
        case idFolderList:
            if (code == LBN_DBLCLK)
                OpenFolderItem(static_cast<int>(SendMessageA(Item(idFolderList), LB_GETCURSEL, 0, 0)));
            break;
        case idDriveList:
            if (code == CBN_SELCHANGE)
                ChooseDrive(static_cast<int>(SendMessageA(Item(idDriveList), CB_GETCURSEL, 0, 0)));
            break;
        case idNetworkButton:
            if (code == BN_CLICKED && WNetConnectionDialog(Handle(), RESOURCETYPE_DISK) == NO_ERROR) FillDrives();
            break;
        default:
            break;
    }
}

void TSelectFolderDialog::MeasureItem(MEASUREITEMSTRUCT& item) const {
    if (item.CtlID == idFolderList) item.itemHeight = Scaled(kFolderItemHeight);
    else if (item.CtlID == idDriveList && item.itemID != static_cast<UINT>(-1)) item.itemHeight = Scaled(kDriveItemHeight);
    // The selection field: with its 3-pixel frame the closed list is 19 high.
    else if (item.CtlID == idDriveList) item.itemHeight = Scaled(kDriveFieldHeight) - 6;
}

void TSelectFolderDialog::DrawGlyph(HDC dc, TFolderDialogGlyph glyph, int x, int y) const {
    TMemDC source(dc);
    TSelectGuard select(source.Get(), m_glyphs[glyph].Get());
    const COLORREF transparent = GetPixel(source.Get(), 0, kDialogGlyphHeight - 1);
    DrawWithoutColour(dc, x, y, kDialogGlyphWidth, kDialogGlyphHeight, source.Get(), transparent);
}

void TSelectFolderDialog::DrawFolderItem(const DRAWITEMSTRUCT& item) const {
    if (item.itemID >= m_items.size()) return;
    TSavedDCState saved(item.hDC);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const TFolderItem& folder = m_items[item.itemID];
    const int x = item.rcItem.left + Scaled(folder.indent);
    const int height = item.rcItem.bottom - item.rcItem.top;
    DrawGlyph(item.hDC, folder.glyph, x, item.rcItem.top + (height - kDialogGlyphHeight) / 2);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    TextOutA(item.hDC, x + kDialogGlyphWidth + 4, item.rcItem.top, folder.name.c_str(), static_cast<int>(folder.name.size()));
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

void TSelectFolderDialog::DrawDriveItem(const DRAWITEMSTRUCT& item) const {
    TSavedDCState saved(item.hDC);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID >= m_drives.size()) return;
    const TDriveItem& drive = m_drives[item.itemID];
    const int height = item.rcItem.bottom - item.rcItem.top;
    DrawGlyph(item.hDC, drive.glyph, item.rcItem.left + 2, item.rcItem.top + (height - kDialogGlyphHeight) / 2);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    text.left += 2 + kDialogGlyphWidth + 4;
    DrawTextA(item.hDC, drive.text.c_str(), static_cast<int>(drive.text.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

void TSelectFolderDialog::DrawPathLabel(const DRAWITEMSTRUCT& item) const {
    TSavedDCState saved(item.hDC);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(item.hDC, Font().Handle());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_WINDOWTEXT));
    const std::string text = PathLabelText();
    RECT area = item.rcItem;
    DrawTextA(item.hDC, text.c_str(), static_cast<int>(text.size()), &area, DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT TSelectFolderDialog::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (lParam && GetParent(reinterpret_cast<HWND>(lParam)) == Handle()) {
                Command(LOWORD(wParam), HIWORD(wParam));
                return 0;
            }
            if (!lParam && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
                Command(LOWORD(wParam), BN_CLICKED);
                return 0;
            }
            break;
        case WM_MEASUREITEM:
            MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlID == idFolderList) DrawFolderItem(item);
            else if (item.CtlID == idDriveList) DrawDriveItem(item);
            else if (item.CtlID == idPathLabel) DrawPathLabel(item);
            else break;
            return TRUE;
        }
        case WM_CTLCOLORLISTBOX:
            if (reinterpret_cast<HWND>(lParam) == Item(idFileList)) {
                // The file list is for information only: grey text.
                SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_GRAYTEXT));
                SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
            }
            break;
        case WM_CTLCOLORSTATIC:
            SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        default:
            break;
    }
    return TForm::WndProc(message, wParam, lParam);
}
