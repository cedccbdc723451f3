#pragma once

#include "KxEmbeddedFiles.h"

// The framework's skin: the images of the "kxgui" library, compiled in under "theme/gui/".
extern const KxEmbeddedTable kxSkinTable;

// Registers the skin table on the first call in the process.
void kxRegisterSkinOnce();
