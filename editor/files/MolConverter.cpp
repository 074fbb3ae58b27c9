// The molfile walk: header lines, counts line, atom block, bond block.
//
// Atom numbers count every line of the atom block, also lines whose coordinates do not
// parse (those are skipped), so the bond lines keep pointing at the right atoms; the
// skipped atom leaves a gap in the numbering. Bond fields are copied unchecked: the .chem
// reader drops wires whose atom numbers are not valid.
#include "editor/files/MolConverter.h"

#include "editor/files/ImportHelpers.h"
#include "platform/Numbers.h"
#include "shared/Texts.h"

#include <string>

namespace {

using conv::Columns;

bool ParseCoordinate(std::string_view line, size_t from, double& value) {
    return platform::ParseNumber(Trim(Columns(line, from, from + 9)), value);
}

void AddAtom(mxml::TXMLNode& atoms, int number, std::string_view line) {
    double x, y, z;
    if (!ParseCoordinate(line, 1, x) || !ParseCoordinate(line, 11, y) ||
        !ParseCoordinate(line, 21, z))
        return;
    mxml::TXMLNode* item = atoms.AddChild("item");
    item->Attributes.reserve(5); // id, symbol, x, y, z
    item->SetAttribute("id", std::to_string(number));
    item->SetAttribute("symbol", Trim(Columns(line, 31, 33)));
    item->SetAttribute("x", conv::FormatCoordinate(x));
    item->SetAttribute("y", conv::FormatCoordinate(y));
    item->SetAttribute("z", conv::FormatCoordinate(z));
}

void AddBond(mxml::TXMLNode& wires, std::string_view line) {
    mxml::TXMLNode* item = wires.AddChild("item");
    item->SetAttribute("id1", Trim(Columns(line, 1, 3)));
    item->SetAttribute("id2", Trim(Columns(line, 4, 6)));
    item->SetAttribute("typ", Trim(Columns(line, 7, 9)));
}

} // namespace

int ConvertMol(const platform::Lines& input, platform::Lines& output) {
    output.clear();
    if (input.empty())
        return MolNoLines;
    // Header lines 1 to 3 and the counts line.
    if (input.size() < 4)
        return MolBadCounts;
    const std::string& counts = input[3];
    if (counts.find("V3000") != std::string::npos)
        return MolV3000;
    int32_t atomsLeft = 0, bondsLeft = 0;
    if (!platform::ParseInt(Columns(counts, 1, 3), atomsLeft) ||
        !platform::ParseInt(Columns(counts, 4, 6), bondsLeft))
        return MolBadCounts;

    mxml::TXML doc;
    mxml::TXMLNode* root = conv::StartDocument(doc);
    root->AddChild("ofilename")->Text = input[0];
    root->AddChild("system")->Text = input[1];
    root->AddChild("title")->Text = input[2];
    mxml::TXMLNode* atoms = root->AddChild("atoms");
    mxml::TXMLNode* wires = nullptr;

    // A count of 0 or less never reaches 0 again: the block then runs to the end.
    int number = 1;
    for (size_t i = 4; i < input.size(); ++i) {
        if (!wires) {
            AddAtom(*atoms, number++, input[i]);
            if (--atomsLeft == 0)
                wires = root->AddChild("wires");
        } else {
            AddBond(*wires, input[i]);
            if (--bondsLeft == 0)
                break;
        }
    }
    output = doc.ToLines();
    return MolOk;
}
