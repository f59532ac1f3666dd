// Picture and sound checks of the parts, with the viewer's own JPEG and WAV checks.
#include "authoring/PartChecks.h"

#include "authoring/WavFacts.h"
#include "picture/JpegHeaderCheck.h"
#include "sound/WavCheck.h"

namespace {
void CheckPicture(const TSonpixPart& part, TAuthoringFaults& faults) {
    const std::string fault = FindJpegFault(part.bytes.data(), part.bytes.size());
    if (!fault.empty()) faults.push_back({part.name, "the viewer cannot show this picture: " + fault});
}
}  // namespace

TAuthoringFaults FindPartFaults(const TSonpixParts& parts) {
    TAuthoringFaults faults;
    CheckPicture(parts.picture, faults);
    TWavFacts wav;
    std::string fault;
    if (!ReadWavFacts(parts.sound.bytes.data(), parts.sound.bytes.size(), wav, fault))
        faults.push_back({parts.sound.name, fault});
    // The sound's bytes are read in place: a 10-minute stereo sound is 100 MB, not to be copied.
    else if (!(fault = FindWavHeaderFault(TWavSpanSource(parts.sound.bytes.data(), parts.sound.bytes.size()))).empty())
        faults.push_back({parts.sound.name, "the viewer refuses to play this sound: " + fault});
    if (parts.makerPicture) CheckPicture(*parts.makerPicture, faults);
    return faults;
}
