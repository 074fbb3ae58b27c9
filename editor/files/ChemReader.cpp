#include "ChemReader.h"

#include "FlatXml.h"
#include "editor/core/Molekula.h"
#include "platform/Numbers.h"
#include "shared/Texts.h"

#include <cmath>

namespace {

enum class Section { BeforeRoot, InRoot, InAtoms, InWires };

// A coordinate in file units; 0 when it is not a number, and also when it is too large
// for the model to hold in hundredths (it would turn into an infinity).
double Coordinate(std::string_view text) {
    double v = 0;
    if (!platform::ParseNumber(text, v) || !std::isfinite(v * 100))
        return 0;
    return v;
}

// Atom slot of a file id (slot + 1). Ids that are not numbers, not positive or beyond
// the model's slot bound give -1, which appends (atoms) or is refused (wires).
int SlotOfId(std::string_view text) {
    const int32_t id = platform::IntOr(text, 0);
    return id > 0 && id <= MaxAtomSlots ? id - 1 : -1;
}

void ReadSettings(TMolekula& m, const fxml::TAttributes& a) {
    double v = 0;
    if (const std::string_view t = a.Value("MinFactor"); !t.empty())
        m.MinFactor = platform::ParseNumber(t, v) ? v : 0.2;
    if (const std::string_view t = a.Value("MaxFactor"); !t.empty())
        m.MaxFactor = platform::ParseNumber(t, v) ? v : 2.5;
    if (const std::string_view t = a.Value("BallFactor"); !t.empty()) {
        m.BallFactor = platform::LeadingNumber(t);
        if (!(m.BallFactor >= m.MinFactor))
            m.BallFactor = m.MinFactor;
        else if (m.BallFactor > m.MaxFactor)
            m.BallFactor = m.MaxFactor;
    }
}

void ReadAtom(TMolekula& m, const fxml::TAttributes& a) {
    m.AddAtom(SlotOfId(a.Value("id")), a.Value("symbol"), Coordinate(a.Value("x")),
              Coordinate(a.Value("y")), Coordinate(a.Value("z")));
}

void ReadWire(TMolekula& m, const fxml::TAttributes& a) {
    m.AddWire(SlotOfId(a.Value("id1")), SlotOfId(a.Value("id2")),
              platform::IntOr(a.Value("typ"), 1));
}

} // namespace

bool LoadFromStrings(TMolekula& m, const platform::Lines& lines) {
    m.ClearAtoms();
    m.ClearWires();
    m.SetAngleX(0);
    m.SetAngleY(0);
    m.SetAngleZ(0);
    m.BallFactor = 1.0;

    fxml::TXML xml;
    xml.LoadFromStrings(lines);
    // A document without any element keeps the title; otherwise the title element decides.
    if (!xml.Items().empty()) {
        std::string title;
        xml.FindText("title", title);
        m.SetTitle(title);
    }

    Section section = Section::BeforeRoot;
    fxml::TAttributes attributes;
    for (const fxml::TXMLItem& item : xml.Items()) {
        const std::string_view name = item.Name();
        if (SameTextAscii(name, "tevanochem")) {
            section = Section::InRoot;
            continue;
        }
        if (section == Section::BeforeRoot)
            continue;
        if (SameTextAscii(name, "atoms")) {
            section = Section::InAtoms;
        } else if (SameTextAscii(name, "wires")) {
            section = Section::InWires;
        } else if (SameTextAscii(name, "settings")) {
            fxml::ParseAttributes(item.Tag, attributes);
            ReadSettings(m, attributes);
        } else if (section == Section::InAtoms) {
            fxml::ParseAttributes(item.Tag, attributes);
            ReadAtom(m, attributes);
        } else if (section == Section::InWires) {
            fxml::ParseAttributes(item.Tag, attributes);
            ReadWire(m, attributes);
        }
    }
    m.FitToView();
    return true;
}
