// Conversion of an MDL molfile (connection table V2000) into .chem lines.
//
// The three header lines, the counts line, the atom block and the bond block are read by
// fixed columns; everything after the bond block is ignored. Header line 3 becomes the
// title. Bond types are copied unchanged and become the wire types.
#pragma once

#include "platform/TextFile.h"

// Result codes of ConvertMol.
constexpr int MolOk = 0;
constexpr int MolNoLines = -1;
// No counts line, or one whose columns 1-3 and 4-6 are not two integers.
constexpr int MolBadCounts = -2;
// A V3000 connection table: its atoms are not in the columns this reader knows.
constexpr int MolV3000 = -3;

// Clears output and, on MolOk, fills it with the .chem document; on any other result the
// output stays empty.
int ConvertMol(const platform::Lines& input, platform::Lines& output);
