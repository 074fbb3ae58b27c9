// Any text converts without crashing or hanging; a successful conversion loads into the
// molecule model as opening the file would.
#include "editor/core/Molekula.h"
#include "editor/files/ChemReader.h"
#include "editor/files/MolConverter.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const platform::Lines input =
        platform::SplitLines(std::string(reinterpret_cast<const char*>(data), size));
    platform::Lines chem;
    if (ConvertMol(input, chem) == MolOk) {
        static TMolekula molecule;
        LoadFromStrings(molecule, chem);
    }
    return 0;
}
