// The browse dialog's model of a full folder path: its root, its levels, and the path of each.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The length of the root: 3 for C:\a\b ("C:\"), 2 for C:a, the length of \\server\share\ for a
// network path, 1 for \a, 0 for a relative path.
std::size_t FolderRootLength(const std::string& folder);
// What the folder list shows above the sub-folders: the root, then each folder on the way down
// to the folder itself ("C:\a\b" gives "C:\", "a", "b"). Empty names between backslashes are left out.
std::vector<std::string> FolderLevels(const std::string& folder);
// The path of one level: 0 the root, 1 the first folder below it, and so on ("C:\a\b" at 1 gives
// "C:\a").
std::string FolderAtLevel(const std::string& folder, int level);
// The folder part of a full pattern such as "C:\a\*.*": "C:\a", and "C:\" at a root.
std::string FolderOfPattern(const std::string& fullPattern);
