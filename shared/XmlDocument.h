// A small document-object model for XML-like text: a document owning a tree of nodes,
// a tolerant parser that builds the tree from lines and a writer that turns it back into
// lines. The importers build their .chem documents with it.
//
// The parser never reports a syntax error: unbalanced markup leaves elements open or
// closes whatever is open, text after the last tag is dropped. The writer puts one
// element per line, text on a line of its own after two spaces, and escapes nothing.
// Both walk the tree without recursion, so deeply nested input cannot exhaust the stack.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace mxml {

using Lines = std::vector<std::string>;

class TXMLNode {
public:
    TXMLNode() = default;
    ~TXMLNode();
    TXMLNode(const TXMLNode&) = delete;
    TXMLNode& operator=(const TXMLNode&) = delete;

    // Attribute entries, each name="value" with the quotes, in order.
    std::vector<std::string> Attributes;
    // The raw tag text that created the node (or what the builder stores there).
    std::string Data;
    std::string Name;
    std::string Text;
    // Written back as its data line alone (declarations, comments, instructions).
    bool Raw = false;
    // The text came from, and is written as, a CDATA section.
    bool CharData = false;

    TXMLNode* Parent() const { return parent; }

    // A new empty node appended to the children.
    TXMLNode* AddChild(std::string name = {});
    // Empties data, name and text, resets the flags, frees the children and attributes.
    void Clear();

    size_t ChildCount() const { return children.size(); }
    bool HasChildren() const { return !children.empty(); }
    TXMLNode* Child(size_t index) const { return children[index].get(); }
    // The first direct child whose name matches ignoring letter case, or null.
    TXMLNode* FindChild(std::string_view name) const;
    TXMLNode* FindOrAddChild(std::string_view name);

    // Stores name="value" with the value in UTF-8; an entry with the same name (any
    // letter case) is replaced in place, otherwise the entry is appended.
    void SetAttribute(std::string_view name, std::string_view value);
    // The value of the first entry with that name, without its quotes, back in 8-bit
    // text; empty when there is none.
    std::string GetAttribute(std::string_view name) const;
    // Takes the attribute entries from the node's data (see the parser).
    void ParseAttributes();

    // Appends the node and its subtree to lines.
    void WriteTo(Lines& lines) const;

private:
    void ReleaseChildren();

    std::vector<std::unique_ptr<TXMLNode>> children;
    TXMLNode* parent = nullptr;
};

class TXML {
public:
    // The nameless root; its children are the document's top-level nodes.
    TXMLNode Root;
    // The file last loaded; empty after loading from lines.
    std::string FileName;

    void LoadFromLines(const Lines& lines);
    // False when the file cannot be read (error gets the reason); the document is then
    // left as it was.
    bool LoadFromFile(const std::string& path, std::string* error = nullptr);
    // Writes the tree as lines ended by CR LF, replacing the file atomically.
    bool SaveToFile(const std::string& path, std::string* error = nullptr) const;
    Lines ToLines() const;
    // The first top-level node that is not raw and has a name, or null.
    TXMLNode* FirstElement() const;
};

} // namespace mxml
