// --info FILE...: opens each file as the editor does and prints what it holds.
#include "CommandLine.h"

#include "editor/core/Molekula.h"
#include "editor/files/Document.h"

#include <iostream>

namespace {

int RunInfo(const CommandParameters& parameters) {
    if (parameters.Files.empty()) {
        std::cerr << ProgramName << ": --info needs at least one file\n";
        return 2;
    }
    int failures = 0;
    for (const std::string& file : parameters.Files) {
        TMolekula molecule;
        TDocument document;
        TFileError error;
        if (!OpenFile(molecule, document, file, &error)) {
            std::cerr << ProgramName << ": " << error.Describe() << '\n';
            ++failures;
            continue;
        }
        std::cout << file << ": " << molecule.AtomCount() << " atoms, " << molecule.Wires.size()
                  << " wires, title \"" << molecule.Title << "\"\n";
    }
    return failures == 0 ? 0 : 1;
}

const RegisteredCommand command{
    {"--info", "FILE...", "prints the number of atoms and wires and the title", RunInfo}};

} // namespace
