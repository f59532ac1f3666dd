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
    else if (!(fault = FindWavHeaderFault(TWavBytesSource(parts.sound.bytes))).empty())
        faults.push_back({parts.sound.name, "the viewer refuses to play this sound: " + fault});
    if (parts.makerPicture) CheckPicture(*parts.makerPicture, faults);
    return faults;
}
