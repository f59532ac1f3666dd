// Shortening a folder path to fit a width: leading folders give way to "...\", then the drive.
#pragma once
#include <functional>
#include <string>

// fits says whether a text fits. C:\a\b\c shrinks step by step to C:\...\b\c, C:\...\c, ...\c
// and c; the name itself is never cut.
std::string ShortenFolderPath(const std::string& path, const std::function<bool(const std::string&)>& fits);
