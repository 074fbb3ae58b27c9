// Building the .chem text of the current molecule.
//
// A molecule that came from a .chem file is written into the lines of that file: only the
// settings line and the atoms and wires blocks are replaced, so a title, comments and
// elements of other programs survive a save.
#pragma once

#include "platform/TextFile.h"

class TMolekula;

// The .chem lines of the molecule, built into keptLines (the lines of the file it was
// opened from) or into a new document when there are none. Settings are written with a
// decimal point; coordinates in the general number format with the locale's separator.
platform::Lines BuildDocument(const TMolekula& molecule, const platform::Lines& keptLines);
