// What the molfile and PDB converters share: fixed-column cuts, trimming, the number
// format of converted coordinates and the start of the .chem document they build.
#pragma once

#include "shared/XmlDocument.h"

#include <string>
#include <string_view>

namespace conv {

// Columns from..to (1-based, inclusive) of a line; shorter when the line ends earlier.
std::string_view Columns(std::string_view line, size_t from, size_t to);

// A converted coordinate: fixed notation with four decimals and a point.
std::string FormatCoordinate(double value);

// Puts the XML declaration and the root element into an empty document; returns the root.
mxml::TXMLNode* StartDocument(mxml::TXML& doc);

} // namespace conv
