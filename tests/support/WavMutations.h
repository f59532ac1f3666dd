// Damaged and unusual WAV files made from a synthesized tone, with what the player should do with each.
#pragma once
#include <string>
#include <vector>

#include "SonpixWriter.h"

enum class TWavVerdict {
    plays,             // opens and plays to its end
    refusedByCheck,    // Open refuses it with the header check's error
    rejectedByPlayer,  // MCI itself refuses to open it
};

struct TWavMutation {
    std::string name;
    TBytes bytes;
    TWavVerdict verdict;
};

// A short tone (0.3 s, 16-bit mono 22050 Hz) changed in one way per entry.
std::vector<TWavMutation> WavMutationSet();
