#include "FlatXml.h"

#include "shared/Texts.h"

namespace fxml {

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Position of c in s from pos on, or npos. Attribute texts are short, so a plain loop
// beats a library search call here.
size_t FindChar(std::string_view s, char c, size_t pos) {
    for (; pos < s.size(); ++pos)
        if (s[pos] == c)
            return pos;
    return std::string_view::npos;
}

} // namespace

std::string_view TAttributes::Value(std::string_view name) const {
    for (size_t i = 0; i < count; ++i)
        if (SameTextAscii(pairs[i].first, name))
            return pairs[i].second;
    return {};
}

void ParseAttributes(std::string_view tag, TAttributes& out) {
    // The scan jumps from one significant character to the next: white space after the
    // element name, '=' after an attribute name, and the quotes around a value. Quotes
    // inside an attribute name are dropped from it.
    out.count = 0;
    size_t i = 0;
    while (true) {
        while (i < tag.size() && !IsWhiteSpace(tag[i]))
            ++i;
        if (i >= tag.size())
            return;
        const size_t nameStart = ++i;
        const size_t equals = FindChar(tag, '=', nameStart);
        if (equals == std::string_view::npos)
            return;
        const size_t open = FindChar(tag, '"', equals + 1);
        if (open == std::string_view::npos)
            return;
        const size_t close = FindChar(tag, '"', open + 1);
        if (close == std::string_view::npos)
            return;
        std::string_view name = tag.substr(nameStart, equals - nameStart);
        std::string unquoted;
        if (FindChar(name, '"', 0) != std::string_view::npos) {
            for (char c : name)
                if (c != '"')
                    unquoted += c;
            name = unquoted;
        }
        name = Trim(name);
        const std::string_view value = Trim(tag.substr(open + 1, close - open - 1));
        if (!name.empty() && !value.empty()) {
            if (out.count == out.pairs.size())
                out.pairs.emplace_back();
            out.pairs[out.count].first.assign(name);
            out.pairs[out.count].second = value;
            ++out.count;
        }
        i = close + 1;
    }
}

std::string_view TXMLItem::Name() const {
    return Tag.substr(0, Tag.find(' '));
}

void TXML::LoadFromStrings(const platform::Lines& lines) {
    items.clear();
    texts.clear();
    documentText = -1;
    source = platform::JoinLines(lines);

    const std::string_view s = source;
    int32_t current = -1; // the document item
    int64_t depth = 0;
    auto appendText = [&](std::string_view token) {
        int32_t& slot = current < 0 ? documentText : items[size_t(current)].TextIndex;
        if (slot < 0) {
            slot = int32_t(texts.size());
            texts.emplace_back();
        }
        std::string& text = texts[size_t(slot)];
        text += ' ';
        text += token;
    };

    size_t i = 0;
    while (i < s.size()) {
        if (s[i] != '<') {
            // Character data runs to the next '<' (excluded) or '>' (included).
            size_t end = i;
            while (end < s.size() && s[end] != '<' && s[end] != '>')
                ++end;
            if (end < s.size() && s[end] == '>')
                ++end;
            appendText(s.substr(i, end - i));
            i = end;
            continue;
        }
        // A tag runs to the next '>'; quotes do not protect one.
        const size_t close = s.find('>', i + 1);
        const size_t end = close == std::string_view::npos ? s.size() : close + 1;
        const std::string_view token = s.substr(i, end - i);
        i = end;
        if (token.size() <= 2 || token[1] == '!' || token[1] == '?')
            continue;
        if (token[1] == '/') {
            if (--depth >= 0 && current >= 0)
                current = items[size_t(current)].Parent;
            continue;
        }
        ++depth;
        TXMLItem item;
        item.Parent = current;
        item.Tag = token.substr(1, token.size() - 2);
        items.push_back(item);
        // Every start tag nests, however short its name: "<b>" opens an element like
        // "<bold>" does, so its closing tag returns to the right parent.
        if (!item.Tag.empty() && item.Tag.back() == '/')
            --depth;
        else
            current = int32_t(items.size() - 1);
    }
}

const std::string& TXML::Text(int32_t index) const {
    static const std::string none;
    const int32_t slot = index < 0 ? documentText : items[size_t(index)].TextIndex;
    return slot < 0 ? none : texts[size_t(slot)];
}

bool TXML::FindText(std::string_view tag, std::string& text) const {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].Tag == tag) {
            text = Trim(Text(int32_t(i)));
            return true;
        }
    }
    return false;
}

} // namespace fxml
