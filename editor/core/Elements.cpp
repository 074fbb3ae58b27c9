// The built-in element table and the lookup of an element by its symbol.
#include "Molekula.h"

#include "shared/Texts.h"

namespace {

// Symbols of atomic numbers 1..103, upper case.
constexpr const char* BuiltInSymbols[] = {
    "H",  "HE", "LI", "BE", "B",  "C",  "N",  "O",  "F",  "NE", "NA", "MG", "AL", "SI", "P",
    "S",  "CL", "AR", "K",  "CA", "SC", "TI", "V",  "CR", "MN", "FE", "CO", "NI", "CU", "ZN",
    "GA", "GE", "AS", "SE", "BR", "KR", "RB", "SR", "Y",  "ZR", "NB", "MO", "TC", "RU", "RH",
    "PD", "AG", "CD", "IN", "SN", "SB", "TE", "I",  "XE", "CS", "BA", "LA", "CE", "PR", "ND",
    "PM", "SM", "EU", "GD", "TB", "DY", "HO", "ER", "TM", "YB", "LU", "HF", "TA", "W",  "RE",
    "OS", "IR", "PT", "AU", "HG", "TL", "PB", "BI", "PO", "AT", "RN", "FR", "RA", "AC", "TH",
    "PA", "U",  "NP", "PU", "AM", "CM", "BK", "CF", "ES", "FM", "MD", "NO", "LR"};

struct Appearance {
    int Number;
    TColor Color;
    double Size;
};

using namespace colors;

// Entries whose look differs from the default silver ball of size 17/15.
constexpr Appearance Exceptions[] = {
    {1, White, 17.0 / 15}, {2, Aqua, 17.0 / 15},  {10, Aqua, 17.0 / 15},   {18, Aqua, 17.0 / 15},
    {36, Aqua, 17.0 / 15}, {54, Aqua, 17.0 / 15}, {86, Aqua, 17.0 / 15},   {6, 0x707070, 23.0 / 15},
    {7, Blue, 23.0 / 15},  {8, Red, 23.0 / 15},   {15, Purple, 23.0 / 15}, {16, Yellow, 23.0 / 15},
    {19, Yellow, 2.0},     {9, Green, 4.0 / 3},   {17, Green, 4.0 / 3},    {35, Green, 4.0 / 3},
    {53, Green, 4.0 / 3},  {85, Green, 4.0 / 3},
};

} // namespace

void TMolekula::ResetElements() {
    for (int i = 1; i <= ElementCount; ++i) {
        Elements[size_t(i)].Symbol.clear();
        Elements[size_t(i)].Size = 0;
    }
    int number = 1;
    for (const char* symbol : BuiltInSymbols) {
        Elements[size_t(number)] = TBall{symbol, Silver, 17.0 / 15};
        ++number;
    }
    for (const Appearance& a : Exceptions) {
        Elements[size_t(a.Number)].Color = a.Color;
        Elements[size_t(a.Number)].Size = a.Size;
    }
}

int TMolekula::FindElement(std::string_view symbol) const {
    const std::string upper = UpperAscii(std::string(symbol));
    for (int i = 1; i <= ElementCount; ++i)
        if (Elements[size_t(i)].Symbol == upper)
            return i;
    return 0;
}

bool TMolekula::IsElement(std::string_view symbol) const {
    return !symbol.empty() && FindElement(symbol) != 0;
}

void TMolekula::SetAtomElement(TAtom& atom, std::string_view symbol) {
    if (const int n = FindElement(symbol))
        atom.Ball = Elements[size_t(n)];
    Changed = true;
}
