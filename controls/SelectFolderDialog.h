// TSelectFolderDialog: the modal "Select Directory" window built in code. The user picks a drive
// and walks the folder tree; OK returns the folder that is open in the tree. Opening a folder
// makes it the process's current folder, and it stays so after the dialog.
#pragma once
#include <string>
#include <vector>

#include "controls/FolderDialogGlyphs.h"
#include "controls/SelectFolderDialogIds.h"
#include "ui/Form.h"

class TSelectFolderDialog : public TForm {
public:
    // helpContext 0: no Help button, OK and Cancel stand where Cancel and Help would. The window
    // is laid out for dpi pixels per inch, 0 meaning the screen's (96 gives the design sizes).
    explicit TSelectFolderDialog(TComponent* owner, int helpContext = 0, int dpi = 0);
    ~TSelectFolderDialog() override;

    // Builds a dialog, opens it on initialFolder and shows it modally; true when OK closed it,
    // with the open folder in folder (no trailing backslash except at a drive root).
    static bool Run(const std::string& initialFolder, std::string& folder, int helpContext = 0);

    // Opens the initial folder: its full path's folder part on its drive ("\" is the current
    // drive's root). A folder that cannot be opened leaves the process's current folder open.
    void OpenInitialFolder(const std::string& folder);

    // The open folder as the platform reports the current folder.
    const std::string& Directory() const { return m_folder; }
    // Makes folder the current folder and shows it; throws when it cannot be opened.
    void OpenFolder(const std::string& folder);
    // What a double-click on a folder list item does; a failure is reported, the dialog stays.
    void OpenFolderItem(int index);
    // What choosing a drive list item does: opens that drive's current folder.
    void ChooseDrive(int index);

    struct TFolderItem {
        std::string name;
        TFolderDialogGlyph glyph;
        int indent;  // pixels from the item's left edge to its glyph
    };
    const std::vector<TFolderItem>& FolderItems() const { return m_items; }
    std::vector<std::string> DriveItems() const;
    std::vector<std::string> FileItems() const;
    // The path label's text as drawn, shortened to the label's width.
    std::string PathLabelText() const;
    HWND Item(int id) const { return GetDlgItem(Handle(), id); }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct TDriveItem {
        char letter;
        std::string text;
        TFolderDialogGlyph glyph;
    };
    void CreateControls(int helpContext);
    HWND AddControl(const char* className, const char* text, int id, DWORD style, DWORD exStyle, RECT bounds);
    void PlaceWindow();
    void FillDrives();
    void SelectDriveOfFolder();
    void ReadFolder();
    void Command(int id, int code);
    void MeasureItem(MEASUREITEMSTRUCT& item) const;
    void DrawFolderItem(const DRAWITEMSTRUCT& item) const;
    void DrawDriveItem(const DRAWITEMSTRUCT& item) const;
    void DrawPathLabel(const DRAWITEMSTRUCT& item) const;
    void DrawGlyph(HDC dc, TFolderDialogGlyph glyph, int x, int y) const;
    int Scaled(int value) const;

    int m_dpi = 96;
    std::string m_folder;
    std::vector<TFolderItem> m_items;
    std::vector<TDriveItem> m_drives;
    TBitmapHandle m_glyphs[fgGlyphCount];  // owned
};
