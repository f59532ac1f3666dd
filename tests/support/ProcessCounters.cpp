// Live GDI objects through the process's handle table, and committed private memory.
#include "tests/support/ProcessCounters.h"

#include <intrin.h>

#include <cstdint>

DWORD GdiObjectCount() {
    const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (reported != 0) return reported;
    // Wine answers 0 here; it keeps the process's GDI handle table where Windows does, at the
    // PEB's GdiSharedHandleTable (offset 0xF8 on x64): 65536 entries of 24 bytes, a non-zero type
    // byte at offset 14 marking a live object.
    const auto* peb = reinterpret_cast<const std::uint8_t*>(__readgsqword(0x60));
    const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + 0xF8);
    if (!table) return 0;
    DWORD live = 0;
    for (std::size_t i = 0; i < 0x10000; ++i)
        if (table[i * 24 + 14] != 0) ++live;
    return live;
}

std::size_t PrivateBytes() {
    // Committed private memory, summed region by region (Wine reports no PrivateUsage).
    std::size_t committed = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* address = nullptr;
         VirtualQuery(address, &region, sizeof region) == sizeof region;
         address = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) committed += region.RegionSize;
        if (region.RegionSize == 0) break;
    }
    return committed;
}
