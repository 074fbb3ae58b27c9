// Reading back what an importer wrote, for the importer tests. Importers write one
// element per line and escape nothing, so the sections are found line by line: a header
// text holding markup of its own (PDB remarks write "<I/SIGMA(I)>") cannot mislead them.
#pragma once

#include "platform/TextFile.h"

#include <string>
#include <vector>

// The attribute entries of each item of a section, joined by single spaces
// ("id=\"1\" symbol=\"C\" ..."); empty when the section is absent.
std::vector<std::string> SectionItems(const platform::Lines& chem, const std::string& section);

// The texts of a section's items (header copies), or the section's own text when it has
// no items (molfile headers).
std::vector<std::string> SectionTexts(const platform::Lines& chem, const std::string& section);

bool HasSection(const platform::Lines& chem, const std::string& section);

platform::Lines ReadTestLines(const std::string& name);
