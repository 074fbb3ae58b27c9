// The small tolerant XML reader behind the .chem reader.
//
// It does not build a tree to walk: it keeps a flat list of items in document order, one
// per start tag or empty-element tag, each with its parent, its tag text (everything
// between '<' and '>', attributes included) and the character data met while it was the
// current item. Nothing is ever reported as a syntax error; comments, declarations and
// processing instructions are skipped, closing tags are not matched against their names,
// and no entity is decoded. Attributes are parsed on request by a small state machine
// that accepts double-quoted values only.
//
// The namespace keeps these classes apart from the XML document model that the importers
// build their documents with, which has a TXML class of its own.
#pragma once

#include "platform/TextFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fxml {

// The name=value pairs of one tag, in the order they were written.
class TAttributes {
public:
    // The value of the first pair whose name matches ignoring letter case; empty when none.
    std::string_view Value(std::string_view name) const;
    size_t Count() const { return count; }
    const std::string& Name(size_t i) const { return pairs[i].first; }
    std::string_view Value(size_t i) const { return pairs[i].second; }

private:
    friend void ParseAttributes(std::string_view tag, TAttributes& out);
    // Kept beyond count so that parsing many tags into one object reuses the names' storage.
    std::vector<std::pair<std::string, std::string_view>> pairs;
    size_t count = 0;
};

// Fills out with the attributes of a tag text. Values are views into tag. Rules: white
// space after the element name starts an attribute name, '=' ends it, a double quote
// opens the value and the next one closes it; name and value are trimmed and the pair is
// kept only when both are non-empty. Single quotes and unquoted values are not
// recognised, and an attribute written right after a closing quote is lost.
void ParseAttributes(std::string_view tag, TAttributes& out);

struct TXMLItem {
    int32_t Parent = -1;    // index in TXML::Items(); -1 for the document item
    std::string_view Tag;   // view into the TXML's text; ends with '/' for an empty element
    int32_t TextIndex = -1; // character data, see TXML::Text

    // The element name as the .chem reader sees it: the tag text up to its first space.
    std::string_view Name() const;
};

class TXML {
public:
    TXML() = default;
    TXML(const TXML&) = delete; // items view into the owned text
    TXML& operator=(const TXML&) = delete;

    // Replaces the content by the document made of these lines, joined with CR LF.
    void LoadFromStrings(const platform::Lines& lines);

    const std::vector<TXMLItem>& Items() const { return items; }
    // Character data of an item, each piece preceded by one space; index -1 gives the
    // document item's.
    const std::string& Text(int32_t index) const;
    // The trimmed text of the first item whose whole tag text equals tag exactly; false
    // when there is none.
    bool FindText(std::string_view tag, std::string& text) const;

private:
    std::string source;
    std::vector<TXMLItem> items;
    std::vector<std::string> texts; // only items that received text have an entry
    int32_t documentText = -1;
};

} // namespace fxml
