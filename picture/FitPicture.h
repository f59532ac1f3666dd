// FitPictureFile and FitPictureBytes: a JPEG copy of a picture scaled to fit a box.
#pragma once
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Makes Target a JPEG copy of the JPEG picture Source at the size FitScale gives for the
// MaxWidth x MaxHeight box, scaled with the platform's plain stretch copy (no smoothing) and saved
// at quality 90, progressive exactly when Source is. A missing Source leaves Target untouched;
// otherwise Target is deleted first and no new one is written when Source is empty (0 x 0) or the
// box has no area. The codec's errors (EJPEG, EFOpenError) pass to the caller; every bitmap,
// device context and picture is released on every way out.
void FitPictureFile(const std::string& Source, const std::string& Target, int MaxWidth, int MaxHeight);

// The same fit in memory: the bytes FitPictureFile would write for a Source file holding these
// bytes, or nothing where it would write no file. EJPEG as FitPictureFile, and also when the
// cancel flag (not owned; null for none) turns true during the decode. Safe on any thread.
std::optional<std::vector<std::uint8_t>> FitPictureBytes(std::vector<std::uint8_t> Source, int MaxWidth, int MaxHeight,
                                                         const std::atomic<bool>* cancel = nullptr);

class TDecodeScratch;
// The same fit, the same bytes, for a caller that fits picture after picture: the full-size decode
// goes into the scratch's memory, and Source's memory is handed back in Source (its contents then
// unspecified), so that neither is taken anew for the next picture.
std::optional<std::vector<std::uint8_t>> FitPictureBytes(std::vector<std::uint8_t>& Source, int MaxWidth, int MaxHeight,
                                                         const std::atomic<bool>* cancel, TDecodeScratch& scratch);
