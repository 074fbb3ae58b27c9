// Editing operations of the molecule model: atom slots, wires, selection, properties and
// fitting.
#include "editor/core/Molekula.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// A model without its sample molecule.
struct EmptyModel : ::testing::Test {
    EmptyModel() {
        m.ClearAtoms();
        m.ClearWires();
    }
    std::vector<std::pair<int, int>> WireEnds() const {
        std::vector<std::pair<int, int>> ends;
        for (const auto& w : m.Wires)
            ends.emplace_back(w->Id1, w->Id2);
        return ends;
    }
    TMolekula m;
};

} // namespace

TEST(Molekula, NewModelHoldsTheCentredSampleMolecule) {
    TMolekula m;
    EXPECT_EQ(m.Title, "Tevano Chemistry");
    ASSERT_EQ(m.AtomCount(), 4);
    EXPECT_EQ(m.Wires.size(), 6u);
    EXPECT_EQ(m.AtomAt(0)->Ball.Symbol, "HE");
    EXPECT_EQ(m.AtomAt(3)->Ball.Symbol, "K");
    // Bounding box x -100..100, y -50..80, z 0..50: its centre moves to the origin.
    EXPECT_DOUBLE_EQ(m.AtomAt(0)->Y, -65);
    EXPECT_DOUBLE_EQ(m.AtomAt(3)->Z, 25);
    EXPECT_EQ(m.Sprite.Width(), 30);
    EXPECT_EQ(m.BallFactor, 1.0);
    EXPECT_EQ(m.MinFactor, 0.2);
    EXPECT_EQ(m.MaxFactor, 2.5);
}

TEST_F(EmptyModel, AddAtomBeyondTheEndLeavesEmptySlots) {
    const TAtom* atom = m.AddAtom(5, "c", 1, 2, 3);
    EXPECT_EQ(m.SlotCount(), 6);
    EXPECT_EQ(m.AtomCount(), 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m.AtomAt(i), nullptr) << i;
    ASSERT_EQ(m.AtomAt(5), atom);
    EXPECT_EQ(atom->Ball.Symbol, "C");
    EXPECT_EQ(atom->X, 100);
    EXPECT_EQ(atom->Y, 200);
    EXPECT_EQ(atom->Z, 300);
    const TAtom* appended = m.AddAtom(-1, "O", 0, 0, 0);
    EXPECT_EQ(appended, m.AtomAt(6)); // negative appends
}

TEST_F(EmptyModel, AddAtomOnAnOccupiedSlotOverwritesIt) {
    TAtom* first = m.AddAtom(0, "C", 1, 1, 1);
    first->Selected = true;
    TAtom* second = m.AddAtom(0, "O", 2, 2, 2);
    EXPECT_EQ(second, first);
    EXPECT_EQ(m.SlotCount(), 1);
    EXPECT_EQ(second->Ball.Symbol, "O");
    EXPECT_EQ(second->X, 200);
    EXPECT_FALSE(second->Selected);
}

TEST_F(EmptyModel, AHugeIndexAppendsInsteadOfAllocatingSlots) {
    m.AddAtom(0, "C", 0, 0, 0);
    m.AddAtom(1, "C", 0, 0, 0);
    const TAtom* bogus = m.AddAtom(2000000000, "N", 0, 0, 0);
    const TAtom* atLimit = m.AddAtom(MaxAtomSlots, "O", 0, 0, 0);
    EXPECT_EQ(bogus, m.AtomAt(2));
    EXPECT_EQ(atLimit, m.AtomAt(3));
    EXPECT_EQ(m.SlotCount(), 4);
}

TEST_F(EmptyModel, DeletedAtomsKeepTheOtherSlots) {
    for (int i = 0; i < 3; ++i)
        m.AddAtom(-1, "C", i, 0, 0);
    m.AddWire(0, 1, 1);
    m.Changed = false;
    m.DeleteAtom(1);
    m.DeleteAtom(-1);
    m.DeleteAtom(3);
    EXPECT_FALSE(m.Changed);
    EXPECT_EQ(m.AtomAt(1), nullptr);
    EXPECT_EQ(m.AtomAt(2)->X, 200);
    EXPECT_EQ(m.Wires.size(), 1u); // wires are the caller's business
    const TAtom* added = m.AddAtom(-1, "H", 0, 0, 0);
    EXPECT_EQ(added, m.AtomAt(3)); // id 4
    EXPECT_EQ(m.AtomCount(), 3);
}

TEST_F(EmptyModel, ClearAtomsZeroesTheLegendRectangles) {
    m.LegendRect = m.LegendButtonRect = m.SliderRect = m.KnobRect = TRect{1, 2, 3, 4};
    m.AddAtom(-1, "C", 0, 0, 0);
    m.ClearAtoms();
    EXPECT_EQ(m.SlotCount(), 0);
    for (const TRect& r : {m.LegendRect, m.LegendButtonRect, m.SliderRect, m.KnobRect})
        EXPECT_EQ(r, TRect{});
}

TEST_F(EmptyModel, MoveSelectedMovesOnlySelectedAtomsByTenths) {
    TAtom* a = m.AddAtom(-1, "C", 0, 0, 0);
    TAtom* b = m.AddAtom(-1, "C", 0, 0, 0);
    m.AddAtom(5, "C", 0, 0, 0);
    m.DeleteAtom(5);
    a->Selected = true;
    m.MoveSelected(10, -20, 5);
    EXPECT_EQ(a->X, 1);
    EXPECT_EQ(a->Y, -2);
    EXPECT_EQ(a->Z, 0.5);
    EXPECT_EQ(b->X, 0);
}

TEST_F(EmptyModel, AddWireChecksOnlyTheSlotRange) {
    m.AddAtom(0, "C", 0, 0, 0);
    m.AddAtom(2, "C", 0, 0, 0);
    struct Case {
        int id1, id2;
        bool added;
    } cases[] = {{0, 2, true},   {0, 2, true},  {1, 1, true}, {0, 0, true},
                 {-1, 0, false}, {0, 3, false}, {3, 0, false}};
    for (const Case& c : cases) {
        m.Changed = false;
        EXPECT_EQ(m.AddWire(c.id1, c.id2, 7) != nullptr, c.added) << c.id1 << "-" << c.id2;
        EXPECT_TRUE(m.Changed);
    }
    EXPECT_EQ(m.Wires.size(), 4u);
    EXPECT_EQ(m.Wires.back()->Typ, 7);
}

TEST_F(EmptyModel, DeleteWiresByPairOrByEnd) {
    struct Case {
        int a, b;
        std::vector<std::pair<int, int>> left;
    } cases[] = {
        {2, -1, {{0, 1}, {4, 5}}},
        {-1, 2, {{0, 1}, {4, 5}}},
        {2, 5, {{0, 1}, {2, 3}, {4, 5}}},
        {5, 2, {{0, 1}, {2, 3}, {4, 5}}},
        {-1, 5, {{0, 1}, {2, 3}}},
        {-1, -1, {{0, 1}, {2, 5}, {5, 2}, {2, 3}, {4, 5}}},
        {7, -1, {{0, 1}, {2, 5}, {5, 2}, {2, 3}, {4, 5}}},
    };
    for (int i = 0; i < 6; ++i)
        m.AddAtom(i, "C", 0, 0, 0);
    for (const Case& c : cases) {
        m.ClearWires();
        for (auto [a, b] : {std::pair{0, 1}, {2, 5}, {5, 2}, {2, 3}, {4, 5}})
            m.AddWire(a, b, 1);
        m.DeleteWires(c.a, c.b);
        EXPECT_EQ(WireEnds(), c.left) << c.a << "," << c.b;
    }
}

TEST_F(EmptyModel, FindWireTakesTheFirstInEitherDirection) {
    for (int i = 0; i < 3; ++i)
        m.AddAtom(i, "C", 0, 0, 0);
    TWire* first = m.AddWire(1, 0, 2);
    m.AddWire(0, 1, 3);
    EXPECT_EQ(m.FindWire(0, 1), first);
    EXPECT_EQ(m.FindWire(1, 0), first);
    EXPECT_EQ(m.FindWire(0, 2), nullptr);
}

TEST_F(EmptyModel, SingleSelectionNeedsExactlyOne) {
    TAtom* a = m.AddAtom(-1, "C", 0, 0, 0);
    TAtom* b = m.AddAtom(-1, "C", 0, 0, 0);
    TWire* w = m.AddWire(0, 1, 1);
    m.AddWire(0, 1, 1);
    EXPECT_EQ(m.SingleSelectedAtom(), nullptr);
    a->Selected = true;
    w->Selected = true;
    EXPECT_EQ(m.SingleSelectedAtom(), a);
    EXPECT_EQ(m.SingleSelectedWire(), w);
    b->Selected = true;
    m.Wires[1]->Selected = true;
    EXPECT_EQ(m.SingleSelectedAtom(), nullptr);
    EXPECT_EQ(m.SingleSelectedWire(), nullptr);
    EXPECT_EQ(m.SelectedAtomCount(), 2);
    EXPECT_EQ(m.SelectedWireCount(), 2);
    m.UnselectAtoms();
    m.UnselectWires();
    EXPECT_EQ(m.SelectedAtomCount() + m.SelectedWireCount(), 0);
}

TEST_F(EmptyModel, SettersMarkOnlyRealChanges) {
    struct Case {
        const char* name;
        void (*set)(TMolekula&, bool differ);
    } cases[] = {
        {"Title", [](TMolekula& t, bool d) { t.SetTitle(d ? "x" : t.Title); }},
        {"AngleX", [](TMolekula& t, bool d) { t.SetAngleX(t.AngleX + (d ? 400 : 0)); }},
        {"AngleY", [](TMolekula& t, bool d) { t.SetAngleY(t.AngleY + (d ? 1 : 0)); }},
        {"AngleZ", [](TMolekula& t, bool d) { t.SetAngleZ(t.AngleZ + (d ? -1 : 0)); }},
        {"BackColor", [](TMolekula& t, bool d) { t.SetBackColor(t.BackColor ^ (d ? 1 : 0)); }},
        {"ShowWires", [](TMolekula& t, bool d) { t.SetShowWires(t.ShowWires != d); }},
        {"ShowAtoms", [](TMolekula& t, bool d) { t.SetShowAtoms(t.ShowAtoms != d); }},
        {"ShowLegend", [](TMolekula& t, bool d) { t.SetShowLegend(t.ShowLegend != d); }},
        {"ShowLegendButton",
         [](TMolekula& t, bool d) { t.SetShowLegendButton(t.ShowLegendButton != d); }},
        {"BallFactor", [](TMolekula& t, bool d) { t.SetBallFactor(t.BallFactor + (d ? 1 : 0)); }},
    };
    for (const Case& c : cases) {
        m.Changed = false;
        c.set(m, false);
        EXPECT_FALSE(m.Changed) << c.name;
        c.set(m, true);
        EXPECT_TRUE(m.Changed) << c.name;
    }
    EXPECT_EQ(m.AngleX, 400); // angles are not wrapped
}

TEST_F(EmptyModel, BallFactorIsClampedIntoItsBounds) {
    struct Case {
        double value, stored;
    } cases[] = {{9, 2.5}, {0.1, 0.2}, {1.7, 1.7}, {2.5, 2.5}, {-3, 0.2}};
    for (const Case& c : cases) {
        m.SetBallFactor(c.value);
        EXPECT_EQ(m.BallFactor, c.stored) << c.value;
    }
    m.SetBallFactor(2);
    EXPECT_DOUBLE_EQ(m.BallRadius(m.AddAtom(-1, "K", 0, 0, 0)), 4.0);
    EXPECT_EQ(m.BallRadius(nullptr), 1.0);
}

TEST_F(EmptyModel, ViewSizeBuildsTheBackgroundInBackColor) {
    m.SetBackColor(0x0080FF);
    m.SetViewSize(0, 50);
    EXPECT_EQ(m.ViewWidth(), 0);
    m.Changed = false;
    m.SetViewSize(40, 30);
    EXPECT_TRUE(m.Changed);
    EXPECT_EQ(m.ViewWidth(), 40);
    EXPECT_EQ(m.ViewHeight(), 30);
    EXPECT_EQ(m.Background.Pixel(39, 29), 0x0080FF);
    EXPECT_EQ(m.Background.ScanLine(0)[0], 0xFF); // red first in memory
    m.SetBackColor(0x00FF00);
    EXPECT_EQ(m.Background.Pixel(0, 0), 0x00FF00);
}

TEST_F(EmptyModel, FitToViewScalesByTheLargestExtent) {
    m.FitToView();
    EXPECT_DOUBLE_EQ(m.Scale, 1428);

    m.AddAtom(-1, "C", 0, 0, 0);
    m.FitToView();
    EXPECT_NEAR(m.Scale, 142.8 / (23.0 / 30), 1e-9);
    EXPECT_EQ(m.AtomAt(0)->X, 0);

    m.ClearAtoms();
    m.AddAtom(-1, "C", 1, 0, 0);
    m.FitToView();
    EXPECT_DOUBLE_EQ(m.Scale, 142.8 / (100 + 23.0 / 30));
    EXPECT_EQ(m.AtomAt(0)->X, 0);
}

TEST_F(EmptyModel, FitToViewAddsTheHalfRadiusBeforeTheAbsoluteValue) {
    m.AddAtom(-1, "H", 0, -2, 0);
    m.AddAtom(3, "H", 0, 1, 0);
    m.DeleteAtom(3);
    m.FitToView();
    const double h = (17.0 / 15) / 2;
    EXPECT_DOUBLE_EQ(m.Scale, 142.8 / (200 - h));
    EXPECT_EQ(m.AtomAt(0)->Y, 0); // the only atom left is centred
}
