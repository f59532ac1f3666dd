// The checks of each part of a new Sonpix file on its own.
#pragma once
#include "authoring/SonpixParts.h"

// Every fault that would make the viewer refuse a part (a picture it cannot show, a sound it will
// not play), all at once, so that the user can mend them in one go.
TAuthoringFaults FindPartFaults(const TSonpixParts& parts);
