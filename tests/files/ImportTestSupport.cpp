#include "ImportTestSupport.h"

#include "shared/XmlDocument.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The lines between the section's start and end tags; empty when it is an empty element
// or absent.
platform::Lines SectionBody(const platform::Lines& chem, const std::string& section) {
    const auto start = std::find(chem.begin(), chem.end(), "<" + section + ">");
    if (start == chem.end())
        return {};
    const auto end = std::find(start, chem.end(), "</" + section + ">");
    return platform::Lines(start + 1, end);
}

std::string TextOf(const std::string& line) {
    return line.starts_with("  ") ? line.substr(2) : line;
}

} // namespace

std::vector<std::string> SectionItems(const platform::Lines& chem, const std::string& section) {
    std::vector<std::string> items;
    for (const std::string& line : SectionBody(chem, section)) {
        if (!line.starts_with("<item "))
            continue;
        mxml::TXMLNode item;
        item.Data = line;
        item.ParseAttributes();
        std::string joined;
        for (const std::string& entry : item.Attributes)
            joined += (joined.empty() ? "" : " ") + entry;
        items.push_back(joined);
    }
    return items;
}

std::vector<std::string> SectionTexts(const platform::Lines& chem, const std::string& section) {
    if (std::find(chem.begin(), chem.end(), "<" + section + " />") != chem.end())
        return {""};
    const platform::Lines body = SectionBody(chem, section);
    if (body.empty())
        return {};
    if (!body[0].starts_with("<item"))
        return {TextOf(body[0])};
    std::vector<std::string> texts;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] == "<item />")
            texts.push_back("");
        else if (body[i] == "<item>" && i + 1 < body.size())
            texts.push_back(TextOf(body[++i]));
    }
    return texts;
}

bool HasSection(const platform::Lines& chem, const std::string& section) {
    return std::any_of(chem.begin(), chem.end(), [&](const std::string& line) {
        return line == "<" + section + ">" || line == "<" + section + " />";
    });
}

platform::Lines ReadTestLines(const std::string& name) {
    platform::Lines lines;
    EXPECT_TRUE(platform::ReadFileLines(TestData(name), lines)) << name;
    return lines;
}
