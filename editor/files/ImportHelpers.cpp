#include "editor/files/ImportHelpers.h"

#include "platform/Numbers.h"
#include "shared/Texts.h"

namespace conv {

std::string_view Columns(std::string_view line, size_t from, size_t to) {
    if (from > line.size())
        return {};
    return line.substr(from - 1, to - from + 1);
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

std::string FormatCoordinate(double value) {
    // The C library may follow the user's locale and write a comma.
    return ReplaceChar(platform::FormatFixed(value, 4), ',', '.');
}

mxml::TXMLNode* StartDocument(mxml::TXML& doc) {
    mxml::TXMLNode* declaration = doc.Root.AddChild();
    declaration->Raw = true;
    declaration->Data = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    return doc.Root.AddChild("tevanochem");
}

} // namespace conv
