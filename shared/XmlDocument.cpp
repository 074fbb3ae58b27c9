// The XML document model: tree, tolerant parser and writer.
//
// Attribute values are held in UTF-8 inside the 8-bit texts, as the declaration the
// importers write promises; setting and getting convert from and to the system code
// page (1250, the one the shipped files use). Everything else stays 8-bit as it came.
#include "shared/XmlDocument.h"

#include "platform/Encoding.h"
#include "platform/TextFile.h"
#include "shared/Texts.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace mxml {

namespace {

constexpr int SystemCharset = 238; // code page 1250

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (uint8_t(c) >= 0x80)
            return false;
    return true;
}

std::string ToUtf8(std::string_view text) {
    return platform::DecodeText(text, SystemCharset).toUtf8().toStdString();
}

// Code point -> byte for the upper half of the system code page.
const std::unordered_map<uint32_t, char>& UpperHalfBytes() {
    static const std::unordered_map<uint32_t, char> table = [] {
        std::string bytes;
        for (int b = 0x80; b < 0x100; ++b)
            bytes += char(b);
        const QString decoded = platform::DecodeText(bytes, SystemCharset);
        std::unordered_map<uint32_t, char> map;
        for (int i = 0; i < 128; ++i)
            map.emplace(decoded[i].unicode(), char(0x80 + i));
        return map;
    }();
    return table;
}

// Length of the valid UTF-8 sequence at text[i] and its code point; 0 when invalid.
size_t DecodeUtf8(std::string_view text, size_t i, uint32_t& codePoint) {
    const auto lead = uint8_t(text[i]);
    size_t length = 0;
    uint32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i < length)
        return 0;
    for (size_t k = 1; k < length; ++k) {
        const auto next = uint8_t(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (codePoint < least || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

// Characters the code page lacks become '?'; bytes that are not UTF-8 stay as they are,
// so a value that was never converted comes back unchanged.
std::string FromUtf8(std::string_view text) {
    if (IsAscii(text))
        return std::string(text);
    const auto& bytes = UpperHalfBytes();
    std::string out;
    for (size_t i = 0; i < text.size();) {
        uint32_t codePoint = 0;
        const size_t length = uint8_t(text[i]) < 0x80 ? 0 : DecodeUtf8(text, i, codePoint);
        if (length == 0) {
            out += text[i++];
            continue;
        }
        const auto found = bytes.find(codePoint);
        out += found != bytes.end() ? found->second : '?';
        i += length;
    }
    return out;
}

// The part of an attribute entry before its first '='.
std::string_view EntryName(std::string_view entry) {
    return entry.substr(0, entry.find('='));
}

constexpr std::string_view CDataOpen = "<![CDATA[";
constexpr std::string_view CDataClose = "]]>";

enum class TokenKind {
    EndOfText,
    Text,
    StartTag,
    EndTag,
    EmptyTag,
    Instruction,
    Comment, // comments and declarations
    CData,
};

// Cuts the joined text into tokens. The last character of the text is never examined:
// loading always ends the text with a line feed.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view text)
        : text(text), limit(text.empty() ? 0 : text.size() - 1) {}

    TokenKind Next(std::string_view& token) {
        const size_t start = position;
        if (position < limit && text[position] == '<') {
            TakeTag(start);
            token = Trim(text.substr(start, position - start));
            return TagKind(token);
        }
        while (position < limit && text[position] != '<')
            ++position;
        token = Trim(text.substr(start, position - start));
        return position < limit ? TokenKind::Text : TokenKind::EndOfText;
    }

private:
    // Up to the first '>' outside quotes, or, in a CDATA section, up to "]]>".
    void TakeTag(size_t start) {
        bool inQuote = false;
        bool inCData = false;
        while (position < limit) {
            const char c = text[position++];
            const size_t taken = position - start;
            if (taken == CDataOpen.size() && text.substr(start, taken) == CDataOpen)
                inCData = true;
            if (inCData) {
                if (c == '>' && taken >= CDataOpen.size() + CDataClose.size() &&
                    text.substr(position - CDataClose.size(), CDataClose.size()) == CDataClose)
                    return;
            } else if (c == '"') {
                inQuote = !inQuote;
            } else if (c == '>' && !inQuote) {
                return;
            }
        }
    }

    static TokenKind TagKind(std::string_view token) {
        if (token.starts_with(CDataOpen))
            return TokenKind::CData;
        if (token.starts_with("<?"))
            return TokenKind::Instruction;
        if (token.starts_with("</"))
            return TokenKind::EndTag;
        if (token.starts_with("<!"))
            return TokenKind::Comment;
        const size_t slash = token.find("/>");
        if (slash != std::string_view::npos && slash + 2 == token.size())
            return TokenKind::EmptyTag;
        return TokenKind::StartTag;
    }

    std::string_view text;
    size_t limit;
    size_t position = 0;
};

// The element name of a tag token: up to the first space, else up to the first '>'
// without a trailing '/'.
std::string TagName(std::string_view token) {
    std::string_view rest = token.substr(1);
    const size_t space = rest.find(' ');
    if (space != std::string_view::npos)
        return std::string(rest.substr(0, space));
    rest = rest.substr(0, rest.find('>'));
    if (rest.ends_with('/'))
        rest.remove_suffix(1);
    return std::string(rest);
}

} // namespace

TXMLNode::~TXMLNode() {
    ReleaseChildren();
}

// Frees the subtree level by level, so a deep tree does not recurse in destructors.
void TXMLNode::ReleaseChildren() {
    std::vector<std::unique_ptr<TXMLNode>> pending = std::move(children);
    children.clear();
    while (!pending.empty()) {
        std::unique_ptr<TXMLNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->children)
            pending.push_back(std::move(child));
        node->children.clear();
    }
}

TXMLNode* TXMLNode::AddChild(std::string name) {
    auto child = std::make_unique<TXMLNode>();
    child->parent = this;
    child->Name = std::move(name);
    children.push_back(std::move(child));
    return children.back().get();
}

void TXMLNode::Clear() {
    Data.clear();
    Name.clear();
    Text.clear();
    Raw = false;
    CharData = false;
    ReleaseChildren();
    Attributes.clear();
}

TXMLNode* TXMLNode::FindChild(std::string_view name) const {
    for (const auto& child : children)
        if (SameTextAscii(child->Name, name))
            return child.get();
    return nullptr;
}

TXMLNode* TXMLNode::FindOrAddChild(std::string_view name) {
    if (TXMLNode* found = FindChild(name))
        return found;
    return AddChild(std::string(name));
}

void TXMLNode::SetAttribute(std::string_view name, std::string_view value) {
    std::string entry;
    entry.reserve(name.size() + value.size() + 3);
    entry.append(name).append("=\"");
    if (IsAscii(value))
        entry.append(value);
    else
        entry.append(ToUtf8(value));
    entry += '"';
    for (std::string& existing : Attributes) {
        if (SameTextAscii(EntryName(existing), name)) {
            existing = std::move(entry);
            return;
        }
    }
    if (Attributes.empty())
        Attributes.reserve(6); // an atom item has five; one allocation instead of four
    Attributes.push_back(std::move(entry));
}

std::string TXMLNode::GetAttribute(std::string_view name) const {
    for (const std::string& entry : Attributes) {
        const std::string_view entryName = EntryName(entry);
        if (!SameTextAscii(entryName, name))
            continue;
        const std::string value =
            FromUtf8(std::string_view(entry).substr(std::min(entry.size(), entryName.size() + 1)));
        if (!value.starts_with('"'))
            return value;
        return value.size() < 2 ? std::string() : value.substr(1, value.size() - 2);
    }
    return {};
}

// Every second double quote closes a name="value" entry; the entry runs from the end of
// the previous one. The walk starts at the first space and stops before the last
// character (the closing '>').
void TXMLNode::ParseAttributes() {
    if (Data.starts_with("<!")) {
        Raw = true;
        return;
    }
    const size_t space = Data.find(' ');
    size_t cut = space == std::string::npos ? 0 : space;
    bool open = false;
    for (size_t i = cut; i + 1 < Data.size(); ++i) {
        if (Data[i] != '"')
            continue;
        open = !open;
        if (open)
            continue;
        const std::string_view entry = Trim(std::string_view(Data).substr(cut, i + 1 - cut));
        if (!entry.empty())
            Attributes.emplace_back(entry);
        cut = i + 1;
    }
}

void TXMLNode::WriteTo(Lines& lines) const {
    // Each stack entry is a node and whether its children are done (its end tag is due).
    std::vector<std::pair<const TXMLNode*, bool>> stack = {{this, false}};
    while (!stack.empty()) {
        auto [node, closing] = stack.back();
        stack.pop_back();
        const bool empty = node->children.empty() && node->Text.empty();
        if (closing) {
            lines.push_back("</" + node->Name + ">");
            continue;
        }
        if (node->Raw) {
            lines.push_back(node->Data);
            continue;
        }
        if (!node->Name.empty()) {
            size_t length = node->Name.size() + 4;
            for (const std::string& entry : node->Attributes)
                length += entry.size() + 1;
            std::string tag;
            tag.reserve(length);
            tag.append("<").append(node->Name);
            for (const std::string& entry : node->Attributes)
                tag.append(" ").append(entry);
            tag += empty ? " />" : ">";
            lines.push_back(std::move(tag));
            if (empty)
                continue;
        }
        if (!node->Text.empty())
            lines.push_back(node->CharData ? "<![CDATA[ " + node->Text + " ]]>"
                                           : "  " + node->Text);
        if (!node->Name.empty())
            stack.emplace_back(node, true);
        for (auto child = node->children.rbegin(); child != node->children.rend(); ++child)
            stack.emplace_back(child->get(), false);
    }
}

void TXML::LoadFromLines(const Lines& lines) {
    FileName.clear();
    Root.Clear();
    if (lines.empty())
        return;
    const std::string text = platform::JoinLines(lines);
    Tokenizer tokenizer(text);
    TXMLNode* current = &Root;
    std::string_view token;
    for (TokenKind kind; (kind = tokenizer.Next(token)) != TokenKind::EndOfText;) {
        switch (kind) {
        case TokenKind::Text:
            if (!current->Text.empty())
                current->Text += ' ';
            current->Text.append(token);
            break;
        case TokenKind::CData: {
            std::string_view content = token.substr(CDataOpen.size());
            content = content.substr(0, content.find(CDataClose));
            current->CharData = true;
            current->Text = Trim(content);
            break;
        }
        case TokenKind::EndTag:
            // More end tags than start tags: the root stays current.
            if (current->Parent())
                current = current->Parent();
            break;
        case TokenKind::StartTag:
        case TokenKind::EmptyTag:
        case TokenKind::Instruction:
        case TokenKind::Comment: {
            TXMLNode* node = current->AddChild(TagName(token));
            node->Data = token;
            node->ParseAttributes();
            if (kind == TokenKind::Instruction)
                node->Raw = true;
            if (kind == TokenKind::StartTag)
                current = node;
            break;
        }
        case TokenKind::EndOfText:
            break;
        }
    }
}

bool TXML::LoadFromFile(const std::string& path, std::string* error) {
    Lines lines;
    if (!platform::ReadFileLines(path, lines, error))
        return false;
    LoadFromLines(lines);
    FileName = path;
    return true;
}

bool TXML::SaveToFile(const std::string& path, std::string* error) const {
    return platform::WriteFileLines(path, ToLines(), error);
}

Lines TXML::ToLines() const {
    Lines lines;
    Root.WriteTo(lines);
    return lines;
}

TXMLNode* TXML::FirstElement() const {
    for (size_t i = 0; i < Root.ChildCount(); ++i)
        if (!Root.Child(i)->Raw && !Root.Child(i)->Name.empty())
            return Root.Child(i);
    return nullptr;
}

} // namespace mxml
