#pragma once

#include "KxResourceMapping.h"

// The "dll" scheme: files compiled into the program, entered by registerEmbedded.
class KxResourceMappingDLL : public KxResourceMapping {
  KX_CLASS(KxResourceMappingDLL)
};
