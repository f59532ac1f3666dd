// Listing drives with their labels or network shares, and the case rule of a volume.
#include "sys/DriveList.h"

#include <windows.h>
#include <winnetwk.h>

#include "sys/ErrorModeGuard.h"

namespace {
// The volume label in square brackets, "[]" when it cannot be read; no system error box.
std::string BracketedLabel(const std::string& root) {
    TErrorModeGuard errorMode(SEM_FAILCRITICALERRORS);
    char label[MAX_PATH + 1] = "";
    if (!GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0)) label[0] = 0;
    return "[" + std::string(label) + "]";
}
}  // namespace

std::string LowerCaseText(std::string text) {
    if (!text.empty()) CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

bool VolumeIgnoresCase(const std::string& folder) {
    if (folder.size() < 2 || folder[1] != ':') return false;
    TErrorModeGuard errorMode(SEM_FAILCRITICALERRORS);
    DWORD flags = 0;
    const std::string root = folder.substr(0, 2) + "\\";
    if (!GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0)) return false;
    return !(flags & (FS_CASE_IS_PRESERVED | FS_CASE_SENSITIVE));
}

std::vector<TDrive> ListDrives() {
    std::vector<TDrive> drives;
    const DWORD mask = GetLogicalDrives();
    for (int bit = 0; bit < 26; ++bit) {
        if (!(mask & (1u << bit))) continue;
        const char letter = static_cast<char>('a' + bit);
        const std::string drive = std::string(1, letter) + ":";
        const std::string root = drive + "\\";
        TDrive item{letter, drive, TDriveKind::fixed};
        switch (GetDriveTypeA(root.c_str())) {
            case DRIVE_REMOVABLE:
                item.kind = TDriveKind::removable;
                break;
            case DRIVE_FIXED:
                item.text = drive + " " + LowerCaseText(BracketedLabel(root));
                break;
            case DRIVE_REMOTE: {
                char name[MAX_PATH + 1] = "";
                DWORD size = sizeof name;
                const bool connected = WNetGetConnectionA(drive.c_str(), name, &size) == NO_ERROR && name[0];
                item.text = drive + " " + (connected ? LowerCaseText(name) : BracketedLabel(root));
                item.kind = TDriveKind::remote;
                break;
            }
            case DRIVE_CDROM:
                item.text = drive + " " + BracketedLabel(root);
                item.kind = TDriveKind::cdRom;
                break;
            case DRIVE_RAMDISK:
                item.text = drive + " " + BracketedLabel(root);
                item.kind = TDriveKind::ramDisk;
                break;
            default:
                continue;
        }
        drives.push_back(item);
    }
    return drives;
}
