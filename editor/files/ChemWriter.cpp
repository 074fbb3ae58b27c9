#include "ChemWriter.h"

#include "editor/core/Molekula.h"
#include "platform/Numbers.h"
#include "shared/Texts.h"

#include <charconv>

namespace {

// Whether line contains a tag word (it starts with '<'), comparing ASCII letters without
// regard to case.
bool ContainsTag(std::string_view line, std::string_view word) {
    for (size_t i = line.find('<'); i != std::string_view::npos; i = line.find('<', i + 1))
        if (SameTextAscii(line.substr(i, word.size()), word))
            return true;
    return false;
}

// A root start tag the reader accepts: exactly "<tevanochem>", or the name followed by a
// space and attributes.
bool IsRootStart(std::string_view line) {
    return ContainsTag(line, "<tevanochem>") || ContainsTag(line, "<tevanochem ");
}

void AppendInt(std::string& out, int64_t value) {
    char buf[24];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, result.ptr);
}

std::string SettingsLine(const TMolekula& m) {
    // Whatever the locale, the factors are written with a point.
    return ReplaceChar("\t<settings MinFactor=\"" + platform::FormatFixed(m.MinFactor, 2) +
                           "\" MaxFactor=\"" + platform::FormatFixed(m.MaxFactor, 2) +
                           "\" BallFactor=\"" + platform::FormatFixed(m.BallFactor, 2) + "\"/>",
                       ',', '.');
}

void AppendBlocks(const TMolekula& m, platform::Lines& out) {
    const char separator = platform::LocaleDecimalSeparator();
    out.push_back(SettingsLine(m));
    out.emplace_back("\t<atoms>");
    for (size_t slot = 0; slot < m.Atoms.size(); ++slot) {
        const TAtom* atom = m.Atoms[slot].get();
        if (!atom)
            continue;
        std::string line;
        line.reserve(96);
        line += "\t\t<item id=\"";
        AppendInt(line, int64_t(slot) + 1);
        line += "\" symbol=\"";
        line += atom->Ball.Symbol;
        line += "\" x=\"";
        platform::AppendGeneral(line, atom->X / 100, separator);
        line += "\" y=\"";
        platform::AppendGeneral(line, atom->Y / 100, separator);
        line += "\" z=\"";
        platform::AppendGeneral(line, atom->Z / 100, separator);
        line += "\"/>";
        out.push_back(std::move(line));
    }
    out.emplace_back("\t</atoms>");
    out.emplace_back("\t<wires>");
    for (const auto& wire : m.Wires) {
        std::string line;
        line.reserve(48);
        line += "\t\t<item id1=\"";
        AppendInt(line, int64_t(wire->Id1) + 1);
        line += "\" id2=\"";
        AppendInt(line, int64_t(wire->Id2) + 1);
        line += "\" typ=\"";
        AppendInt(line, wire->Typ);
        line += "\"/>";
        out.push_back(std::move(line));
    }
    out.emplace_back("\t</wires>");
}

} // namespace

platform::Lines BuildDocument(const TMolekula& m, const platform::Lines& kept) {
    platform::Lines out;
    out.reserve(kept.size() + m.Atoms.size() + m.Wires.size() + 8);
    if (kept.empty()) {
        out.emplace_back("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
        out.emplace_back("<tevanochem>");
        AppendBlocks(m, out);
        out.emplace_back("</tevanochem>");
        return out;
    }

    // Keep every line but the old settings line and the old atoms and wires blocks, and
    // note where the new ones go: after the root start tag.
    size_t insertAt = 0;
    bool haveRoot = false;
    bool inBlock = false;
    size_t i = 0;
    for (; i < kept.size(); ++i) {
        const std::string& line = kept[i];
        if (IsRootStart(line)) {
            out.push_back(line);
            insertAt = out.size();
            haveRoot = true;
        } else if (ContainsTag(line, "<settings")) {
            continue;
        } else if (ContainsTag(line, "<atoms>") || ContainsTag(line, "<wires>")) {
            inBlock = true;
        } else if (ContainsTag(line, "</atoms>") || ContainsTag(line, "</wires>")) {
            inBlock = false;
        } else if (ContainsTag(line, "</tevanochem>")) {
            break;
        } else if (!inBlock) {
            out.push_back(line);
        }
    }
    out.insert(out.end(), kept.begin() + ptrdiff_t(i), kept.end());

    platform::Lines blocks;
    blocks.reserve(m.Atoms.size() + m.Wires.size() + 5);
    if (!haveRoot) {
        // Without a root start tag the reader would skip the new blocks; wrap them in a
        // root of their own after everything that was kept.
        insertAt = out.size();
        blocks.emplace_back("<tevanochem>");
    }
    AppendBlocks(m, blocks);
    if (!haveRoot)
        blocks.emplace_back("</tevanochem>");
    out.insert(out.begin() + ptrdiff_t(insertAt), std::make_move_iterator(blocks.begin()),
               std::make_move_iterator(blocks.end()));
    return out;
}
