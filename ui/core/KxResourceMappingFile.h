#pragma once

#include "KxResourceMapping.h"

// The "file" scheme: entries of the table first, then the whole file at the URL's path.
class KxResourceMappingFile : public KxResourceMapping {
  KX_CLASS(KxResourceMappingFile)

 public:
  // The raw bytes of the file; empty when it cannot be opened or read.
  KxByteArray get(const KxUrl& url) const override;
};
