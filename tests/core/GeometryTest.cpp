// View geometry: rotation, projection into a view and the hit tests on projected atoms.
#include "editor/core/Molekula.h"

#include "platform/Numbers.h"

#include <gtest/gtest.h>

namespace {

struct ProjectedModel : ::testing::Test {
    ProjectedModel() {
        m.ClearAtoms();
        m.ClearWires();
    }
    TAtom* AtomAt(int slot, int sx, int sy) {
        TAtom* a = m.AddAtom(slot, "C", 0, 0, 0);
        a->SX = sx;
        a->SY = sy;
        return a;
    }
    TMolekula m;
};

} // namespace

// Where each model axis ends up on the screen: (right, down, towards the viewer).
TEST(Geometry, ViewAnglesOfTheMainViewAndThePanes) {
    struct Axis {
        double x, y, z;
    };
    struct Case {
        const char* view;
        double a, b, c;
        Axis x, y, z; // screen direction of model +X, +Y, +Z
    } cases[] = {
        {"front", 0, 0, 0, {1, 0, 0}, {0, -1, 0}, {0, 0, 1}},
        {"side, from -x", 0, 270, 0, {0, 0, -1}, {0, -1, 0}, {1, 0, 0}},
        {"bottom, from -y", 90, 180, 180, {1, 0, 0}, {0, 0, -1}, {0, -1, 0}},
    };
    TMolekula m;
    m.Scale = 1;
    TAtom atom;
    for (const Case& c : cases) {
        const TMatrix3 r = RotationMatrix(c.a * m.DegToRad, c.b * m.DegToRad, c.c * m.DegToRad);
        const std::pair<Axis, Axis> axes[] = {
            {{100, 0, 0}, c.x}, {{0, 100, 0}, c.y}, {{0, 0, 100}, c.z}};
        for (const auto& [model, screen] : axes) {
            atom.X = model.x;
            atom.Y = model.y;
            atom.Z = model.z;
            m.Project(atom, r, 100);
            EXPECT_NEAR(atom.TX, screen.x * 100, 1e-9) << c.view;
            EXPECT_NEAR(atom.TY, screen.y * 100, 1e-9) << c.view;
            EXPECT_NEAR(atom.TZ, screen.z * 100, 1e-9) << c.view;
        }
    }
}

TEST(Geometry, ProjectionScalesByScaleAndFactor) {
    TMolekula m;
    m.Scale = 2;
    TAtom atom;
    atom.X = 10;
    atom.Y = 20;
    atom.Z = -30;
    m.Project(atom, RotationMatrix(0, 0, 0), 50);
    EXPECT_DOUBLE_EQ(atom.TX, 10);
    EXPECT_DOUBLE_EQ(atom.TY, -20);
    EXPECT_DOUBLE_EQ(atom.TZ, -30);
}

TEST_F(ProjectedModel, OneCarbonProjectsToTheViewCentre) {
    const TViewFrame frame = ViewFrame(624, 456);
    EXPECT_EQ(frame.Cx, 307);
    EXPECT_EQ(frame.Cy, 223);
    EXPECT_EQ(frame.R, 112); // 111.5 rounds to the even neighbour
    EXPECT_EQ(ViewFrame(625, 457).R, 112);
    EXPECT_EQ(ViewFrame(630, 460).R, 112); // 112.5 rounds down to even

    TAtom* c = m.AddAtom(-1, "C", 0, 0, 0);
    m.FitToView();
    m.ProjectToScreen(*c, RotationMatrix(0.3, 1.1, -2), frame);
    EXPECT_EQ(c->SX, 307);
    EXPECT_EQ(c->SY, 223);
}

TEST_F(ProjectedModel, AtomAtTheLargestExtentLandsNearTheRim) {
    TAtom* a = m.AddAtom(-1, "H", -1, 0, 0);
    TAtom* b = m.AddAtom(-1, "H", 1, 0, 0);
    m.FitToView();
    const TViewFrame frame = ViewFrame(624, 456);
    m.ProjectToScreen(*a, RotationMatrix(0, 0, 0), frame);
    m.ProjectToScreen(*b, RotationMatrix(0, 0, 0), frame);
    const double d = frame.R - (17.0 / 15) / 2;
    const double tx = 100 * (142.8 / (100 + 17.0 / 30)) * d / 100;
    EXPECT_DOUBLE_EQ(b->TX, tx);
    EXPECT_EQ(b->SX, 307 + platform::RoundHalfEven(tx));
    EXPECT_EQ(a->SX, 307 - platform::RoundHalfEven(tx));
    EXPECT_EQ(b->SY, 223);
}

TEST_F(ProjectedModel, HitAtomTakesTheLowestSlotAndInverts) {
    AtomAt(0, 100, 100);
    AtomAt(1, 110, 100); // squares overlap
    m.AddAtom(2, "C", 0, 0, 0);
    m.DeleteAtom(2);
    EXPECT_TRUE(m.HitAtom(112, 100, false));
    EXPECT_TRUE(m.AtomAt(0)->Selected);
    EXPECT_FALSE(m.AtomAt(1)->Selected);
    EXPECT_TRUE(m.HitAtom(112, 100, true)); // keep: inverts again
    EXPECT_FALSE(m.AtomAt(0)->Selected);

    struct Case {
        int x, y;
        bool hit;
    } edges[] = {
        {85, 85, true}, {84, 100, false}, {124, 114, true}, {125, 100, false}, {100, 115, false}};
    for (const Case& c : edges)
        EXPECT_EQ(m.HitAtom(c.x, c.y, false), c.hit) << c.x << "," << c.y;
}

TEST_F(ProjectedModel, AMissWithoutKeepClearsTheSelection) {
    AtomAt(0, 100, 100)->Selected = true;
    AtomAt(1, 200, 100);
    m.AddWire(0, 1, 1)->Selected = true;
    EXPECT_FALSE(m.HitAtom(0, 0, true));
    EXPECT_FALSE(m.HitWire(0, 0, true));
    EXPECT_EQ(m.SelectedAtomCount() + m.SelectedWireCount(), 2);
    EXPECT_FALSE(m.HitAtom(0, 0, false));
    EXPECT_FALSE(m.HitWire(0, 0, false));
    EXPECT_EQ(m.SelectedAtomCount() + m.SelectedWireCount(), 0);
}

TEST_F(ProjectedModel, HitWireSetsTheFirstWireWithBothAtoms) {
    AtomAt(0, 0, 0);
    AtomAt(1, 100, 0);
    AtomAt(2, 50, 0);
    TWire* toEmpty = m.AddWire(0, 2, 1);
    TWire* first = m.AddWire(0, 1, 1);
    TWire* second = m.AddWire(1, 0, 1);
    m.DeleteAtom(2);
    EXPECT_TRUE(m.HitWire(30, 0, false));
    EXPECT_FALSE(toEmpty->Selected);
    EXPECT_TRUE(first->Selected);
    EXPECT_FALSE(second->Selected);
    EXPECT_TRUE(m.HitWire(30, 0, true)); // set, not inverted
    EXPECT_TRUE(first->Selected);
}

TEST(WireHitTest, ToleranceShrinksWithLength) {
    struct Case {
        TPoint p1, p2, p;
        bool hit;
    } cases[] = {
        {{0, 0}, {30, 0}, {15, 9}, true}, // 30 long: 10 pixels each side
        {{0, 0}, {30, 0}, {15, -9}, true},
        {{0, 0}, {30, 0}, {15, 10}, false},
        {{0, 0}, {30, 0}, {31, 0}, false}, // beyond the end
        {{30, 0}, {0, 0}, {0, 0}, true},
        {{0, 0}, {300, 0}, {150, 0}, true}, // 300 long: under one pixel
        {{0, 0}, {300, 0}, {150, 1}, false},
        {{0, 0}, {0, 30}, {9, 15}, true}, // vertical: the y range decides
        {{0, 0}, {0, 30}, {10, 15}, false},
        {{0, 0}, {0, 30}, {0, 31}, false},
        {{5, 5}, {5, 5}, {500, 5}, true}, // a wire to itself: the whole pixel row
        {{5, 5}, {5, 5}, {5, 6}, false},
        {{-2000000000, 0}, {2000000000, 0}, {0, 0}, true}, // no overflow far off screen
        {{-2000000000, 0}, {2000000000, 0}, {0, 1}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WireHitTest(c.p1, c.p2, c.p), c.hit)
            << c.p1.X << "," << c.p1.Y << " " << c.p2.X << "," << c.p2.Y << " " << c.p.X << ","
            << c.p.Y;
}
