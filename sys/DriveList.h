// The drives of the system as a folder browser lists them, and what their volumes do with case.
#pragma once
#include <string>
#include <vector>

enum class TDriveKind { removable, fixed, remote, cdRom, ramDisk };

struct TDrive {
    char letter;       // lower case
    std::string text;  // "c: [label]" as listed: the letter, then the volume label or the share
    TDriveKind kind;
};

// The drives present, a: to z:; drives of unknown or unreadable type are left out. Reading a
// label never brings up the system's "insert a disk" box.
std::vector<TDrive> ListDrives();
// True when the volume of a folder on a drive letter neither keeps nor tells apart letter case,
// so that names on it are best shown in lower case.
bool VolumeIgnoresCase(const std::string& folder);
// The text in lower case by the system's rules for the program's code page.
std::string LowerCaseText(std::string text);
