// The foreign molecule formats that opening a file converts to .chem lines first.
//
// Each importer takes the lines of its file and yields the lines of a .chem document,
// which the .chem reader then loads. Adding a format is one row in Importers.cpp.
#pragma once

#include "platform/TextFile.h"

#include <string_view>

// Converts a file's lines into .chem lines; returns 0 when the output holds the document,
// any other value when the input could not be converted.
using ImportFunction = int (*)(const platform::Lines& input, platform::Lines& output);

struct ImportFormat {
    std::string_view Extension; // with its point, lower case: ".mol"
    ImportFunction Convert;
};

// The importer for a file extension compared without regard to letter case, or nullptr.
const ImportFormat* FindImportFormat(std::string_view extension);
