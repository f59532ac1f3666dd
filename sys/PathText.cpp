// Backslash path text helpers.
#include "PathText.h"

namespace {
// Index of the last backslash or colon, or npos.
std::string::size_type LastDelimiter(const std::string& path) {
    return path.find_last_of("\\:");
}
}  // namespace

std::string StripTrailingBackslashes(const std::string& s) {
    std::string::size_type end = s.size();
    while (end > 0 && s[end - 1] == '\\') --end;
    return s.substr(0, end);
}

std::string WithTrailingBackslash(const std::string& s) {
    if (s.empty()) return s;
    return StripTrailingBackslashes(s) + '\\';
}

std::string IncludeTrailingBackslash(const std::string& s) {
    if (s.empty() || s.back() == '\\') return s;
    return s + '\\';
}

std::string ExtractFileExt(const std::string& path) {
    const std::string::size_type dot = path.find_last_of('.');
    if (dot == std::string::npos) return std::string();
    const std::string::size_type delimiter = LastDelimiter(path);
    if (delimiter != std::string::npos && delimiter > dot) return std::string();
    return path.substr(dot);
}

std::string FileNameWithoutExt(const std::string& path) {
    const std::string::size_type delimiter = LastDelimiter(path);
    const std::string name = delimiter == std::string::npos ? path : path.substr(delimiter + 1);
    const std::string::size_type dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ExtractFileFolder(const std::string& path) {
    const std::string::size_type delimiter = LastDelimiter(path);
    if (delimiter == std::string::npos) return std::string();
    const bool isColon = path[delimiter] == ':';
    const bool isDriveRoot = delimiter == 2 && path[1] == ':';
    return path.substr(0, (isColon || isDriveRoot) ? delimiter + 1 : delimiter);
}

std::string ExtractFilePath(const std::string& path) {
    const std::string::size_type delimiter = LastDelimiter(path);
    return delimiter == std::string::npos ? std::string() : path.substr(0, delimiter + 1);
}
