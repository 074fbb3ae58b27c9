#include "Importers.h"

#include "editor/files/MolConverter.h"
#include "editor/files/PdbConverter.h"
#include "shared/Texts.h"

#include <vector>

namespace {

const std::vector<ImportFormat>& Formats() {
    // One row per importer: {".ext", ConvertFunction}.
    static const std::vector<ImportFormat> formats = {{".mol", ConvertMol}, {".pdb", ConvertPdb}};
    return formats;
}

} // namespace

const ImportFormat* FindImportFormat(std::string_view extension) {
    for (const ImportFormat& format : Formats())
        if (SameTextAscii(format.Extension, extension))
            return &format;
    return nullptr;
}
