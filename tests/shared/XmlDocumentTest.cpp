#include "shared/XmlDocument.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

using mxml::Lines;
using mxml::TXML;
using mxml::TXMLNode;

namespace {

Lines RoundTrip(const Lines& input) {
    TXML doc;
    doc.LoadFromLines(input);
    return doc.ToLines();
}

} // namespace

TEST(XmlWriter, EmptyElementsTextAndRawNodes) {
    TXML doc;
    TXMLNode* decl = doc.Root.AddChild();
    decl->Raw = true;
    decl->Data = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    decl->Text = "never written";
    TXMLNode* root = doc.Root.AddChild("tevanochem");
    root->AddChild("item")->SetAttribute("id", "1");
    root->AddChild("title")->Text = "Water";
    TXMLNode* note = root->AddChild("note");
    note->Text = "a < b";
    note->CharData = true;
    EXPECT_EQ(doc.ToLines(), (Lines{
                                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                                 "<tevanochem>",
                                 "<item id=\"1\" />",
                                 "<title>",
                                 "  Water",
                                 "</title>",
                                 "<note>",
                                 "<![CDATA[ a < b ]]>",
                                 "</note>",
                                 "</tevanochem>",
                             }));
}

TEST(XmlLoader, RoundTripNormalisesLayout) {
    struct Case {
        const char* what;
        Lines input;
        Lines output;
    } cases[] = {
        {"text split by children becomes one text before them",
         {"<a>one<b/>two", "<c></c> three</a>"},
         {"<a>", "  one two three", "<b />", "<c />", "</a>"}},
        {"an empty piece between two tags adds one space",
         {"<a>x<b/>", "<c/>y</a>"},
         {"<a>", "  x  y", "<b />", "<c />", "</a>"}},
        {"a comment stays verbatim and the next element a sibling",
         {"<r><a/>", "  <!-- note -->", "<b x=\"1\"/></r>"},
         {"<r>", "<a />", "<!-- note -->", "<b x=\"1\" />", "</r>"}},
        {"'>' in text is text and the rest still loads",
         {"<r><a>1 > 0</a><b/></r>"},
         {"<r>", "<a>", "  1 > 0", "</a>", "<b />", "</r>"}},
        {"a one-character text stays text", {"<a>x</a>"}, {"<a>", "  x", "</a>"}},
        {"'>' inside a quoted attribute does not end the tag",
         {"<a t=\"x>y\"/>"},
         {"<a t=\"x>y\" />"}},
        {"CDATA replaces earlier text and is trimmed",
         {"<a>lost<![CDATA[  <kept> & \"q\" ]]></a>"},
         {"<a>", "<![CDATA[ <kept> & \"q\" ]]>", "</a>"}},
        {"declarations and instructions are kept verbatim",
         {"<?xml version=\"1.0\"?>", "<!DOCTYPE r>", "<r/>"},
         {"<?xml version=\"1.0\"?>", "<!DOCTYPE r>", "<r />"}},
        {"text after the last tag is dropped", {"<a/>", "tail"}, {"<a />"}},
        {"end tags match by position only",
         {"<a><b></a>", "<c/></b>"},
         {"<a>", "<b />", "<c />", "</a>"}},
        {"extra end tags at the top level are ignored", {"</x></y><a/>"}, {"<a />"}},
        {"an unclosed element stays open to the end", {"<a>", "<b/>"}, {"<a>", "<b />", "</a>"}},
        {"a tag cut off by the end of the text", {"<a><b x=\"1"}, {"<a>", "<b />", "</a>"}},
        {"no lines", {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundTrip(c.input), c.output) << c.what;
}

TEST(XmlLoader, NamesDataFlagsAndAttributes) {
    TXML doc;
    doc.LoadFromLines({"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<!-- c -->",
                       "<item id1=\"1\" id2=\"2\" w=\"2\" />",
                       "<Tevano a = \"x y\"b=\"z\">t</Tevano>"});
    ASSERT_EQ(doc.Root.ChildCount(), 4u);
    const TXMLNode* decl = doc.Root.Child(0);
    EXPECT_EQ(decl->Name, "?xml");
    EXPECT_TRUE(decl->Raw);
    EXPECT_EQ(decl->GetAttribute("encoding"), "UTF-8");
    EXPECT_TRUE(doc.Root.Child(1)->Raw);
    const TXMLNode* item = doc.Root.Child(2);
    EXPECT_EQ(item->Data, "<item id1=\"1\" id2=\"2\" w=\"2\" />");
    EXPECT_EQ(item->Attributes, (std::vector<std::string>{"id1=\"1\"", "id2=\"2\"", "w=\"2\""}));
    EXPECT_FALSE(item->Raw);
    EXPECT_EQ(doc.FirstElement(), item);
    const TXMLNode* tevano = doc.Root.Child(3);
    EXPECT_EQ(tevano->Attributes, (std::vector<std::string>{"a = \"x y\"", "b=\"z\""}));
    EXPECT_EQ(tevano->Text, "t");
}

TEST(XmlNode, AttributesReplaceInPlaceAndReadWithoutQuotes) {
    TXMLNode node;
    node.SetAttribute("id", "1");
    node.SetAttribute("symbol", "C");
    node.SetAttribute("ID", "7");
    EXPECT_EQ(node.Attributes, (std::vector<std::string>{"ID=\"7\"", "symbol=\"C\""}));
    EXPECT_EQ(node.GetAttribute("Id"), "7");
    EXPECT_EQ(node.GetAttribute("SYMBOL"), "C");
    EXPECT_EQ(node.GetAttribute("x"), "");
    EXPECT_EQ(node.GetAttribute("sym"), "");
}

TEST(XmlNode, AttributeValuesAreStoredInUtf8) {
    TXMLNode node;
    node.SetAttribute("name", "\xE1rv\xED\xFB"); // "árvíű" in code page 1250
    EXPECT_EQ(node.Attributes[0], "name=\"\xC3\xA1rv\xC3\xAD\xC5\xB1\"");
    EXPECT_EQ(node.GetAttribute("name"), "\xE1rv\xED\xFB");
    // A character the code page lacks becomes '?', a stray byte stays.
    node.Attributes = {"a=\"\xE2\x82\xAC\xE4\xB8\x80\xFF\""};
    EXPECT_EQ(node.GetAttribute("a"), "\x80?\xFF");
}

TEST(XmlNode, FindChildIgnoresCaseAndLooksOneLevelDeep) {
    TXMLNode root;
    TXMLNode* atoms = root.AddChild("Atoms");
    atoms->AddChild("wires");
    EXPECT_EQ(root.FindChild("atoms"), atoms);
    EXPECT_EQ(root.FindChild("wires"), nullptr);
    EXPECT_EQ(root.FindOrAddChild("ATOMS"), atoms);
    TXMLNode* wires = root.FindOrAddChild("wires");
    EXPECT_EQ(root.ChildCount(), 2u);
    EXPECT_EQ(wires->Parent(), &root);
    root.Clear();
    EXPECT_FALSE(root.HasChildren());
}

TEST(XmlLoader, DeepNestingNeitherRecursesNorLosesElements) {
    const int depth = 200000;
    TXML doc;
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    doc.LoadFromLines({text});
    const Lines lines = doc.ToLines();
    ASSERT_EQ(lines.size(), size_t(2 * depth - 1)); // the innermost is written empty
    EXPECT_EQ(lines[depth - 1], "<a />");
}

TEST(XmlFile, SavesAndLoadsRemembersTheName) {
    TestDir dir;
    TXML doc;
    doc.Root.AddChild("r")->AddChild("t")->Text = "x";
    ASSERT_TRUE(doc.SaveToFile(dir.Path("a.xml")));
    EXPECT_EQ(dir.Read("a.xml"), "<r>\r\n<t>\r\n  x\r\n</t>\r\n</r>\r\n");
    TXML loaded;
    ASSERT_TRUE(loaded.LoadFromFile(dir.Path("a.xml")));
    EXPECT_EQ(loaded.FileName, dir.Path("a.xml"));
    EXPECT_EQ(loaded.ToLines(), doc.ToLines());
    std::string error;
    EXPECT_FALSE(loaded.LoadFromFile(dir.Path("missing.xml"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(doc.SaveToFile(dir.Path("no/such/folder/a.xml")));
}
