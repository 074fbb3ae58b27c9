// Construction, atoms, wires, selection, properties and fitting of the molecule model.
#include "Molekula.h"

#include "shared/Texts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr TColor Grey = colors::Gray;

} // namespace

TMolekula::TMolekula() : DegToRad(std::numbers::pi / 180) {
    Sprite.SetSize(30, 30);
    TitleFont = TFont{"Arial", Grey, 8, false};
    CountSuffix = "pc";
    ResetElements();
    BuildDefaultMolecule();
}

TMolekula::~TMolekula() = default;

void TMolekula::BuildDefaultMolecule() {
    Title = "Tevano Chemistry";
    AddAtom(0, "He", 0, -0.5, 0);
    AddAtom(1, "H", -1, 0.5, 0);
    AddAtom(2, "H", 1, 0.5, 0);
    AddAtom(3, "K", 0.2, 0.8, 0.5);
    const int pairs[][2] = {{0, 1}, {0, 2}, {1, 2}, {1, 3}, {2, 3}, {0, 3}};
    for (const auto& p : pairs)
        AddWire(p[0], p[1], 1);
    FitToView();
}

// --- Atoms ---------------------------------------------------------------------------

TAtom* TMolekula::AddAtom(int index, std::string_view symbol, double x, double y, double z) {
    if (index < 0 || index >= MaxAtomSlots)
        index = SlotCount();
    if (SlotCount() <= index)
        Atoms.resize(size_t(index) + 1);
    std::unique_ptr<TAtom>& slot = Atoms[size_t(index)];
    if (!slot)
        slot = std::make_unique<TAtom>();
    TAtom& atom = *slot;
    atom.X = x * 100;
    atom.Y = y * 100;
    atom.Z = z * 100;
    atom.Ball = TBall{UpperAscii(std::string(symbol)), Grey, 1.0};
    atom.Selected = false;
    if (const int n = FindElement(symbol))
        atom.Ball = Elements[size_t(n)];
    Changed = true;
    return &atom;
}

void TMolekula::DeleteAtom(int index) {
    if (index >= 0 && index < SlotCount())
        Atoms[size_t(index)].reset();
}

void TMolekula::ClearAtoms() {
    Atoms.clear();
    LegendRect = LegendButtonRect = SliderRect = KnobRect = TRect{};
    Changed = true;
}

int TMolekula::AtomCount() const {
    return int(
        std::count_if(Atoms.begin(), Atoms.end(), [](const auto& a) { return a != nullptr; }));
}

TAtom* TMolekula::AtomAt(int index) const {
    return index >= 0 && index < SlotCount() ? Atoms[size_t(index)].get() : nullptr;
}

void TMolekula::MoveSelected(double dx, double dy, double dz) {
    for (const auto& atom : Atoms)
        if (atom && atom->Selected) {
            atom->X += dx / 10;
            atom->Y += dy / 10;
            atom->Z += dz / 10;
        }
    Changed = true;
}

// --- Wires ---------------------------------------------------------------------------

TWire* TMolekula::AddWire(int id1, int id2, int typ) {
    Changed = true;
    if (id1 < 0 || id1 >= SlotCount() || id2 < 0 || id2 >= SlotCount())
        return nullptr;
    Wires.push_back(std::make_unique<TWire>(TWire{id1, id2, typ, false}));
    return Wires.back().get();
}

void TMolekula::DeleteWires(int a, int b) {
    if (a < 0 && b < 0)
        return;
    std::erase_if(Wires, [a, b](const std::unique_ptr<TWire>& w) {
        if (a >= 0 && b >= 0)
            return (w->Id1 == a && w->Id2 == b) || (w->Id1 == b && w->Id2 == a);
        const int end = a >= 0 ? a : b;
        return w->Id1 == end || w->Id2 == end;
    });
}

TWire* TMolekula::FindWire(int a, int b) const {
    for (const auto& w : Wires)
        if ((w->Id1 == a && w->Id2 == b) || (w->Id1 == b && w->Id2 == a))
            return w.get();
    return nullptr;
}

void TMolekula::ClearWires() {
    Wires.clear();
    Changed = true;
}

// --- Selection -----------------------------------------------------------------------

int TMolekula::SelectedAtomCount() const {
    return int(
        std::count_if(Atoms.begin(), Atoms.end(), [](const auto& a) { return a && a->Selected; }));
}

int TMolekula::SelectedWireCount() const {
    return int(
        std::count_if(Wires.begin(), Wires.end(), [](const auto& w) { return w->Selected; }));
}

TAtom* TMolekula::SingleSelectedAtom() const {
    TAtom* found = nullptr;
    for (const auto& atom : Atoms)
        if (atom && atom->Selected) {
            if (found)
                return nullptr;
            found = atom.get();
        }
    return found;
}

TWire* TMolekula::SingleSelectedWire() const {
    TWire* found = nullptr;
    for (const auto& wire : Wires)
        if (wire->Selected) {
            if (found)
                return nullptr;
            found = wire.get();
        }
    return found;
}

void TMolekula::UnselectAtoms() {
    for (const auto& atom : Atoms)
        if (atom)
            atom->Selected = false;
    Changed = true;
}

void TMolekula::UnselectWires() {
    for (const auto& wire : Wires)
        wire->Selected = false;
    Changed = true;
}

// --- Properties ----------------------------------------------------------------------

namespace {

template <typename T> void Store(T& field, const T& value, bool& changed) {
    if (field == value)
        return;
    field = value;
    changed = true;
}

} // namespace

void TMolekula::SetTitle(const std::string& value) {
    Store(Title, value, Changed);
}
void TMolekula::SetAngleX(double value) {
    Store(AngleX, value, Changed);
}
void TMolekula::SetAngleY(double value) {
    Store(AngleY, value, Changed);
}
void TMolekula::SetAngleZ(double value) {
    Store(AngleZ, value, Changed);
}
void TMolekula::SetShowWires(bool value) {
    Store(ShowWires, value, Changed);
}
void TMolekula::SetShowAtoms(bool value) {
    Store(ShowAtoms, value, Changed);
}
void TMolekula::SetShowLegend(bool value) {
    Store(ShowLegend, value, Changed);
}
void TMolekula::SetShowLegendButton(bool value) {
    Store(ShowLegendButton, value, Changed);
}

void TMolekula::SetBackColor(TColor value) {
    if (BackColor == value)
        return;
    BackColor = value;
    Changed = true;
    SetViewSize(ViewWidth(), ViewHeight());
}

void TMolekula::SetBallFactor(double value) {
    if (value == BallFactor)
        return;
    if (value < MinFactor)
        BallFactor = MinFactor;
    else if (value > MaxFactor)
        BallFactor = MaxFactor;
    else
        BallFactor = value;
    Changed = true;
}

double TMolekula::BallRadius(const TAtom* atom) const {
    return atom ? atom->Ball.Size * BallFactor : 1.0;
}

// --- Fitting and view size -----------------------------------------------------------

void TMolekula::FitToView() {
    double extent = 0.1;
    for (const auto& atom : Atoms)
        if (atom) {
            const double h = BallRadius(atom.get()) / 2;
            extent = std::max(
                {extent, std::abs(atom->X + h), std::abs(atom->Y + h), std::abs(atom->Z + h)});
        }
    Scale = 142.8 / extent;
    CenterAtoms();
    SetViewSize(ViewWidth(), ViewHeight());
}

void TMolekula::CenterAtoms() {
    bool seeded = false;
    double lo[3] = {}, hi[3] = {};
    for (const auto& atom : Atoms) {
        if (!atom)
            continue;
        const double p[3] = {atom->X, atom->Y, atom->Z};
        for (int i = 0; i < 3; ++i) {
            lo[i] = seeded ? std::min(lo[i], p[i]) : p[i];
            hi[i] = seeded ? std::max(hi[i], p[i]) : p[i];
        }
        seeded = true;
    }
    if (!seeded)
        return;
    const double c[3] = {lo[0] + (hi[0] - lo[0]) / 2, lo[1] + (hi[1] - lo[1]) / 2,
                         lo[2] + (hi[2] - lo[2]) / 2};
    for (const auto& atom : Atoms)
        if (atom) {
            atom->X -= c[0];
            atom->Y -= c[1];
            atom->Z -= c[2];
        }
}

void TMolekula::SetViewSize(int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    Changed = true;
    Background.SetSize(width, height);
    Background.Fill(BackColor);
    View.SetSize(width, height);
}
