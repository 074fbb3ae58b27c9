// The flat XML reader: items, nesting, character data and attribute parsing.
#include "editor/files/FlatXml.h"

#include <gtest/gtest.h>

namespace {

// Tags and parent tags of every item, as "tag<parent" ("" for the document item).
std::vector<std::string> Outline(const std::string& text) {
    fxml::TXML xml;
    xml.LoadFromStrings(platform::SplitLines(text));
    std::vector<std::string> out;
    for (const fxml::TXMLItem& item : xml.Items()) {
        const std::string parent =
            item.Parent < 0 ? "" : std::string(xml.Items()[size_t(item.Parent)].Tag);
        out.push_back(std::string(item.Tag) + "<" + parent);
    }
    return out;
}

using Strings = std::vector<std::string>;

TEST(FlatXmlTest, ItemsAndNesting) {
    struct Case {
        const char* text;
        Strings items;
    };
    const Case cases[] = {
        {"<?xml version=\"1.0\"?><!-- note --><!DOCTYPE x><a><b/></a>", {"a<", "b/<a"}},
        // Closing tags are not matched by name; an extra one at the top changes nothing.
        {"<a><b></x><c/></a></a></a><d/>", {"a<", "b<a", "c/<a", "d/<"}},
        // Short names nest like long ones.
        {"<ab><b>t</b><cd/></ab>", {"ab<", "b<ab", "cd/<ab"}},
        // A '>' inside a quoted value ends the tag; tokens of two characters are skipped.
        {"<a x=\"1>2\"/><>", {"a x=\"1<"}},
        // A tag left open runs to the end of the text (the last line's CR LF included).
        {"<abc x=\"1\"", {"abc x=\"1\"\r<"}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Outline(c.text), c.items) << c.text;
}

TEST(FlatXmlTest, TextGoesToTheCurrentItem) {
    fxml::TXML xml;
    xml.LoadFromStrings({"\xEF\xBB\xBF<title>", "  Caffeine ", "</title>", "<x>a>b</x>"});
    ASSERT_EQ(xml.Items().size(), 2u);
    EXPECT_EQ(xml.Text(-1), " \xEF\xBB\xBF \r\n \r\n");
    EXPECT_EQ(xml.Text(0), " \r\n  Caffeine \r\n");
    EXPECT_EQ(xml.Text(1), " a> b");
    std::string title;
    EXPECT_TRUE(xml.FindText("title", title));
    EXPECT_EQ(title, "Caffeine");
    EXPECT_FALSE(xml.FindText("Title", title));
}

TEST(FlatXmlTest, Attributes) {
    struct Case {
        const char* tag;
        Strings pairs; // name=value
    };
    const Case cases[] = {
        {"item id=\"1\" Symbol=\" c \"/", {"id=1", "Symbol=c"}},
        {"item\tid = \"7\"\r\nx=\"-0,5\"", {"id=7", "x=-0,5"}},
        // Single quotes are not recognised: the name takes the next quoted value.
        {"item a='1' c=\"3\"", {"a=3"}},
        // A pair with an empty value is not kept.
        {"item b=\"\" c=\"3\"", {"c=3"}},
        // An attribute glued to the previous closing quote is lost.
        {"item a=\"1\"b=\"2\" c=\"3\"", {"a=1", "c=3"}},
        {"item", {}},
        {"item a=\"unterminated", {}},
    };
    fxml::TAttributes attributes;
    for (const Case& c : cases) {
        fxml::ParseAttributes(c.tag, attributes);
        Strings pairs;
        for (size_t i = 0; i < attributes.Count(); ++i)
            pairs.push_back(attributes.Name(i) + "=" + std::string(attributes.Value(i)));
        EXPECT_EQ(pairs, c.pairs) << c.tag;
    }
    fxml::ParseAttributes("item ID=\"1\" id=\"2\"", attributes);
    EXPECT_EQ(attributes.Value("Id"), "1");
    EXPECT_EQ(attributes.Value("x"), "");
}

} // namespace
