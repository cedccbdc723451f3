#pragma once

// Writes how this process was started, "<command line>\n<working folder>\n" in UTF-16, into the
// file named by its own path followed by ".record", replacing an older record.
void recordStart();
