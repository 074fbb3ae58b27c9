// Reading a .chem document into the molecule model.
//
// The reader is tolerant: it reports no errors, skips what it does not know and defaults
// what it cannot read, so every text gives some molecule (possibly an empty one). It
// lives here rather than in the model because the model knows nothing of file formats.
#pragma once

#include "platform/TextFile.h"

class TMolekula;

// Replaces the whole molecule by the one the lines describe and fits it to the view.
// Always returns true; only running out of memory escapes as an exception.
bool LoadFromStrings(TMolekula& molecule, const platform::Lines& lines);
