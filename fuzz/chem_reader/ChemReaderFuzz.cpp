// Feeds arbitrary bytes to the .chem reader as the lines of a file, writes the molecule
// back into those lines and reads the result again.
#include "editor/core/Molekula.h"
#include "editor/files/ChemReader.h"
#include "editor/files/ChemWriter.h"
#include "platform/TextFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TMolekula molecule;
    const platform::Lines lines =
        platform::SplitLines(std::string(reinterpret_cast<const char*>(data), size));
    LoadFromStrings(molecule, lines);
    const platform::Lines written = BuildDocument(molecule, lines);
    LoadFromStrings(molecule, written);
    return 0;
}
