// Takes a Sonpix file apart into the picture, sound and maker's picture files of a folder.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The maker's text of the most recent extraction; empty when it found none or stopped early.
extern std::string SonpixMakerText;

// What ExtractSonpix appends to the base name for each of its three outputs.
constexpr char kSonpixPictureSuffix[] = ".jpg";
constexpr char kSonpixSoundSuffix[] = ".wav";
constexpr char kSonpixMakerPictureSuffix[] = "cop.jpg";

// Deletes the three outputs TargetFolder+BaseName ".jpg", ".wav" and "cop.jpg", then, for a
// file with a Sonpix header, writes the picture, the sound and (when its marker is there) the
// maker's picture anew, and returns the maker's text. A source that is missing or not a Sonpix
// file leaves no outputs and is not an error. An unreadable source raises EFOpenError; an
// output that cannot be created or written ends the work silently, earlier outputs complete.
void ExtractSonpix(const std::string& SourcePath, const std::string& TargetFolder,
                   const std::string& BaseName, std::string& MakerText);

// Called with each output's path and the bytes just written to it, for outputs written whole.
using TExtractedOutput = std::function<void(const std::string& path, const std::uint8_t* data, std::size_t size)>;

// ExtractSonpix, handing each output written whole to `written` as well (so that a caller can look
// at the bytes without reading the file back). The outputs are the same, byte for byte.
void ExtractSonpix(const std::string& SourcePath, const std::string& TargetFolder, const std::string& BaseName,
                   std::string& MakerText, const TExtractedOutput& written);

// The same, reading the source into `buffer` (the caller's, kept from one extraction to the next,
// so that its memory is used again instead of taken anew for every file). The outputs are the
// same, byte for byte; afterwards the buffer's contents are unspecified.
void ExtractSonpix(const std::string& SourcePath, const std::string& TargetFolder, const std::string& BaseName,
                   std::string& MakerText, const TExtractedOutput& written, std::vector<std::uint8_t>& buffer);
