// --convert FILE...: opens each file as the editor does and saves it beside itself as a
// .chem file, as the editor's batch conversion does. One line per file; the exit code is
// 0 only when every file was converted.
#include "CommandLine.h"

#include "editor/core/Molekula.h"
#include "editor/files/Document.h"

#include <iostream>

namespace {

int RunConvert(const CommandParameters& parameters) {
    if (parameters.Files.empty()) {
        std::cerr << ProgramName << ": --convert needs at least one file\n";
        return 2;
    }
    // One model for the whole run, like the editor's window: settings a file leaves out
    // keep the values of the file before it.
    TMolekula molecule;
    TDocument document;
    int failures = 0;
    for (const std::string& file : parameters.Files) {
        TFileError error;
        if (!OpenFile(molecule, document, file, &error) ||
            !SaveFile(molecule, document, file, &error)) {
            std::cerr << ProgramName << ": " << error.Describe() << '\n';
            ++failures;
            continue;
        }
        std::cout << "converted " << file << " -> " << document.FileName << '\n';
    }
    return failures == 0 ? 0 : 1;
}

const RegisteredCommand command{
    {"--convert", "FILE...", "saves each file as a .chem file beside it", RunConvert}};

} // namespace
