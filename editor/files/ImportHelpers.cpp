#include "editor/files/ImportHelpers.h"

#include <charconv>

namespace conv {

std::string_view Columns(std::string_view line, size_t from, size_t to) {
    if (from > line.size())
        return {};
    return line.substr(from - 1, to - from + 1);
}

std::string FormatCoordinate(double value) {
    // Correctly rounded like "%.4f", but always with a point and much faster.
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    return std::string(buffer, result.ptr);
}

mxml::TXMLNode* StartDocument(mxml::TXML& doc) {
    mxml::TXMLNode* declaration = doc.Root.AddChild();
    declaration->Raw = true;
    declaration->Data = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    return doc.Root.AddChild("tevanochem");
}

} // namespace conv
