// A job script comes from the installer's package or a loose file beside it: whatever
// its lines hold, expanding them must neither crash nor hang.
#include "installer/wizard/JobList.h"
#include "platform/TextFile.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace wizard;
    Lines script = platform::SplitLines(std::string(reinterpret_cast<const char*>(data), size));
    // The source folder does not exist, so only the script's text is exercised.
    const std::string sourceFolder = "/nonexistent-tevano-media/";
    ExpandWildcardCopies(script, sourceFolder);
    const Lines variables{"%DESKTOP%=/desk", "%DOCPATH%=/docs",         "%DSTROOT%=/opt/T",
                          "%OPEN%=Open",     "%PROJECT_ID%=TevanoChem", "%SRCROOT%=/nonexistent"};
    const Lines associations{".chem=Molecule", ".mol=Molfile", ".pdb=PDB"};
    const JobContext context{
        variables, sourceFolder, associations, {true, false, true, true}, "CHEMPRG,MOLEC,"};
    JobList jobs;
    for (const std::string& line : script)
        jobs.ExpandJobLine(line, context);
    return 0;
}
