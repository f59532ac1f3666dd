// The scan and work count of a picture while libjpeg takes it in.
#include "picture/JpegScanCounter.h"

#include <string>

#include "picture/JpegError.h"

namespace {

void CountScan(j_common_ptr common) {
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    auto* counter = static_cast<TJpegScanCounter*>(info->progress);
    if (counter->cancel && counter->cancel->load(std::memory_order_relaxed)) throw EJPEG("JPEG decoding cancelled");
    if (info->input_scan_number == counter->lastScan || info->comps_in_scan <= 0) return;
    counter->lastScan = info->input_scan_number;
    if (info->input_scan_number > kMaxJpegScans)
        throw EJPEG("JPEG picture has more than " + std::to_string(kMaxJpegScans) + " scans");
    std::uint64_t blocks = 0;
    for (int i = 0; i < info->comps_in_scan && i < MAX_COMPS_IN_SCAN; ++i) {
        const jpeg_component_info* component = info->cur_comp_info[i];
        if (component) blocks += static_cast<std::uint64_t>(component->width_in_blocks) * component->height_in_blocks;
    }
    if (!counter->work) counter->work.emplace(static_cast<std::uint64_t>(info->image_width) * info->image_height);
    // Sequential scans carry the whole band; progressive ones name theirs.
    const bool progressive = info->progressive_mode != FALSE;
    counter->work->AddScan(blocks, progressive ? info->Ss : 0, progressive ? info->Se : 63);
}

}  // namespace

TJpegScanCounter::TJpegScanCounter() : jpeg_progress_mgr{} { progress_monitor = CountScan; }
