// libFuzzer target: the WAV header check on any bytes: no read outside the file, the same answer
// from an owned copy and from the bytes read in place, and a reason a user can read.
#include <cstdlib>
#include <cstring>

#include "sound/WavCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string inMemory = FindWavHeaderFault(TWavBytesSource(std::vector<std::uint8_t>(data, data + size)));
    const std::string pieces = FindWavHeaderFault(TWavSpanSource(data, size));
    if (inMemory != pieces) std::abort();
    // A reason is one line of printable text.
    for (const char c : inMemory)
        if (c < 0x20 || c > 0x7E) std::abort();
    return 0;
}
