// Conversion of a Protein Data Bank coordinate file into .chem lines.
//
// ATOM and HETATM records become atoms placed by their serial numbers, CONECT records
// become wires (each bonded pair once, without a type), and a few header records are
// copied into elements of their own that the .chem reader ignores. Reading stops after
// the first END record.
#pragma once

#include "platform/TextFile.h"

// Result codes of ConvertPdb.
constexpr int PdbOk = 0;
// No ATOM or HETATM record with readable coordinates: nothing to show.
constexpr int PdbNoAtoms = -1;

// Clears output and, on PdbOk, fills it with the .chem document; on any other result the
// output stays empty.
int ConvertPdb(const platform::Lines& input, platform::Lines& output);
