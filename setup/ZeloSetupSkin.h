#pragma once

#include "ui/core/KxEmbeddedFiles.h"

// The installer's own files, compiled in under "res/" for the library "setup": the 25 images
// of its windows, and the 4 localised files (the licence text and the three pictures of the
// installing page). The check window registers both before any window loads an image.
extern const KxEmbeddedTable zeloSetupImages;
extern const KxEmbeddedTable zeloSetupLocaleFiles;
