// The PDB record passes: header copies, SCALEn and ORIGXn matrices, atoms, CONECT pairs.
//
// Atom serials are columns 7-11 and the element columns 77-78. Four-character atom names
// start in column 13 (HD21), so a serial read up to column 13 would not be a number, and
// a symbol cut from the atom name would turn alpha carbons (CA) into calcium. Lines that
// end before the element column, or hold no letters there, take the symbol from the
// atom name's columns 14-16.
//
// CONECT records list every bond from both ends; a hash set beside the ordered pair list
// keeps each pair once in the order first met, without searching the list.
#include "editor/files/PdbConverter.h"

#include "editor/files/ImportHelpers.h"
#include "platform/Numbers.h"
#include "shared/Texts.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

using conv::Columns;

struct Record {
    std::string Name;      // columns 1-6, trimmed, upper case
    std::string_view Line; // the whole line
};

std::vector<Record> SplitRecords(const platform::Lines& input) {
    std::vector<Record> records;
    for (const std::string& line : input) {
        std::string name = UpperAscii(std::string(Trim(Columns(line, 1, 6))));
        if (name.empty())
            continue;
        const bool end = name == "END";
        records.push_back({std::move(name), line});
        if (end)
            break;
    }
    return records;
}

bool IsLetters(std::string_view text) {
    for (char c : text)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    return !text.empty();
}

std::string_view AtomSymbol(std::string_view line) {
    if (line.size() >= 77) {
        const std::string_view element = Trim(Columns(line, 77, 78));
        if (IsLetters(element))
            return element;
    }
    return Trim(Columns(line, 14, 16));
}

void SetCoordinates(mxml::TXMLNode& item, const double (&xyz)[3]) {
    item.SetAttribute("x", conv::FormatCoordinate(xyz[0]));
    item.SetAttribute("y", conv::FormatCoordinate(xyz[1]));
    item.SetAttribute("z", conv::FormatCoordinate(xyz[2]));
}

void AddHeaderCopies(mxml::TXMLNode& root, const std::vector<Record>& records) {
    for (const char* name : {"HEADER", "REMARK", "MASTER", "AUTHOR", "GENERATED", "COMPND"}) {
        mxml::TXMLNode* element = nullptr;
        for (const Record& r : records) {
            if (r.Name != name)
                continue;
            if (!element)
                element = root.AddChild(LowerAscii(name));
            element->AddChild("item")->Text = Columns(r.Line, 7, r.Line.size());
        }
    }
}

// SCALE1-3 or ORIGX1-3: three untrimmed ten-column numbers from column 11.
void AddMatrix(mxml::TXMLNode& root, const std::vector<Record>& records, std::string_view prefix,
               const char* elementName) {
    mxml::TXMLNode* element = nullptr;
    for (const Record& r : records) {
        if (r.Name.size() != prefix.size() + 1 || !r.Name.starts_with(prefix) ||
            r.Name.back() < '1' || r.Name.back() > '3')
            continue;
        double xyz[3];
        if (!platform::ParseNumber(Columns(r.Line, 11, 20), xyz[0]) ||
            !platform::ParseNumber(Columns(r.Line, 21, 30), xyz[1]) ||
            !platform::ParseNumber(Columns(r.Line, 31, 40), xyz[2]))
            continue;
        if (!element)
            element = root.AddChild(elementName);
        mxml::TXMLNode* item = element->AddChild("item");
        item->SetAttribute("id", r.Name);
        SetCoordinates(*item, xyz);
    }
}

size_t AddAtoms(mxml::TXMLNode& atoms, const std::vector<Record>& records) {
    size_t added = 0;
    for (const Record& r : records) {
        if (r.Name != "ATOM" && r.Name != "HETATM")
            continue;
        double xyz[3];
        if (!platform::ParseNumber(Trim(Columns(r.Line, 31, 38)), xyz[0]) ||
            !platform::ParseNumber(Trim(Columns(r.Line, 39, 46)), xyz[1]) ||
            !platform::ParseNumber(Trim(Columns(r.Line, 47, 54)), xyz[2]))
            continue;
        mxml::TXMLNode* item = atoms.AddChild("item");
        item->Attributes.reserve(5); // id, symbol, x, y, z
        item->SetAttribute("id", Trim(Columns(r.Line, 7, 11)));
        item->SetAttribute("symbol", AtomSymbol(r.Line));
        SetCoordinates(*item, xyz);
        ++added;
    }
    return added;
}

// Bonded pairs, smaller number first, each once, in the order first met.
std::vector<std::pair<int32_t, int32_t>> CollectPairs(const std::vector<Record>& records) {
    std::vector<std::pair<int32_t, int32_t>> pairs;
    std::unordered_set<uint64_t> seen;
    std::vector<int32_t> numbers;
    for (const Record& r : records) {
        if (r.Name != "CONECT")
            continue;
        numbers.clear();
        for (size_t from = 7; from <= r.Line.size(); from += 5) {
            const std::string_view field = Trim(Columns(r.Line, from, from + 4));
            if (field.empty())
                break;
            int32_t number;
            if (platform::ParseInt(field, number))
                numbers.push_back(number);
            else if (from == 7)
                break; // without the atom's own number the partners have nothing to pair with
        }
        for (size_t i = 1; i < numbers.size(); ++i) {
            const auto [low, high] = std::minmax(numbers[0], numbers[i]);
            const uint64_t key = uint64_t(uint32_t(low)) << 32 | uint32_t(high);
            if (seen.insert(key).second)
                pairs.emplace_back(low, high);
        }
    }
    return pairs;
}

} // namespace

int ConvertPdb(const platform::Lines& input, platform::Lines& output) {
    output.clear();
    const std::vector<Record> records = SplitRecords(input);

    mxml::TXML doc;
    mxml::TXMLNode* root = conv::StartDocument(doc);
    AddHeaderCopies(*root, records);
    AddMatrix(*root, records, "SCALE", "scale");
    AddMatrix(*root, records, "ORIGX", "origx");
    if (AddAtoms(*root->AddChild("atoms"), records) == 0)
        return PdbNoAtoms;
    const auto pairs = CollectPairs(records);
    if (!pairs.empty()) {
        mxml::TXMLNode* wires = root->AddChild("wires");
        for (const auto& [low, high] : pairs) {
            mxml::TXMLNode* item = wires->AddChild("item");
            item->SetAttribute("id1", std::to_string(low));
            item->SetAttribute("id2", std::to_string(high));
        }
    }
    output = doc.ToLines();
    return PdbOk;
}
