// Watches libjpeg take in a picture's scans and stops it at too many scans or too much work.
#pragma once
#include <cstdio>  // jpeglib.h needs size_t and FILE declared first

#include <jpeglib.h>

#include <atomic>
#include <optional>

#include "picture/JpegLimits.h"

// A progress monitor for a decompressor: install it as its `progress`. libjpeg reports progress
// before each step of taking in the file; a new scan number means that the scan's header, with
// its components and band, has just been read. Too many scans or too much work raise EJPEG.
// libjpeg also reports before every row group it decodes, so a raised cancel flag stops the
// decode within a few rows (EJPEG as well); a decode ahead of the user's choice is cancelled so.
struct TJpegScanCounter : jpeg_progress_mgr {
    TJpegScanCounter();
    int lastScan = 0;
    std::optional<TJpegScanWork> work;  // from the first scan on, when the size is known
    const std::atomic<bool>* cancel = nullptr;  // not owned; null: never cancelled
};
