// The renderer, checked pixel by pixel: ball size, position and shading, depth order,
// wires, the legend with its slider, and the views too small or too empty to draw.
#include "editor/core/Molekula.h"

#include "platform/Canvas.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr TColor Back = 0;
constexpr TColor Grey = 0x808080;
constexpr TColor White = 0xFFFFFF;

struct Renderer : ::testing::Test {
    Renderer() : target(624, 456) {
        m.ClearAtoms();
        m.ClearWires();
        m.SetViewSize(624, 456);
    }
    // Draws an untouched copy of the target; returns the number of pixels that changed.
    int DrawAndCountChanges(uint8_t mode) {
        target.Fill(0x123456);
        const TBitmap before = target;
        m.Draw(target, mode, 0, 0, 0);
        int changed = 0;
        for (int y = 0; y < target.Height(); ++y)
            for (int x = 0; x < target.Width(); ++x)
                changed += target.Pixel(x, y) != before.Pixel(x, y);
        return changed;
    }
    int CountPixels(TColor colour, const TRect& area) const {
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                count += target.Pixel(x, y) == colour;
        return count;
    }
    TMolekula m;
    TBitmap target;
};

TEST_F(Renderer, SingleCarbonAtomInTheMainViewSize) {
    m.AddAtom(0, "C", 0, 0, 0);
    m.FitToView();
    m.Draw(target, 2, 0, 0, 0);
    const TAtom& c = *m.AtomAt(0);
    EXPECT_EQ(c.SX, 307);
    EXPECT_EQ(c.SY, 223);
    EXPECT_DOUBLE_EQ(c.Shade, 8);
    EXPECT_FALSE(m.Changed);
    // Radius 17: a 34 x 34 sprite at (290, 206); full colour at the highlight point.
    EXPECT_EQ(target.Pixel(290 + 12, 206 + 12), 0x646464);
    struct Edge {
        int x, y;
        bool inside;
    } edges[] = {
        {290, 223, true},  {289, 223, false}, {323, 223, true}, {324, 223, false},
        {307, 206, true},  {307, 205, false}, {307, 239, true}, {307, 240, false},
        {290, 206, false}, // the sprite's corner is outside the disk
    };
    for (const Edge& e : edges)
        EXPECT_EQ(target.Pixel(e.x, e.y) != Back, e.inside) << e.x << "," << e.y;
    // The far rim fades towards the background: darker than the highlight, not black.
    EXPECT_LT(target.Pixel(323, 223) & 0xFF, 0x64);
    EXPECT_GT(target.Pixel(323, 223) & 0xFF, 0x10);
}

TEST_F(Renderer, ModeZeroProjectsWithoutDrawing) {
    m.AddAtom(0, "C", 1, 0, 0);
    m.AddAtom(1, "O", -1, 0, 0);
    m.FitToView();
    EXPECT_EQ(DrawAndCountChanges(0), 0);
    EXPECT_GT(m.AtomAt(0)->SX, 307);
    EXPECT_LT(m.AtomAt(1)->SX, 307);
    EXPECT_EQ(m.AtomAt(0)->SY, 223);
    EXPECT_FALSE(m.Changed);
}

TEST_F(Renderer, TooSmallOrEmptyViewsDrawOnlyTheBackground) {
    m.SetBackColor(0x00FF00);
    m.AddAtom(0, "C", 0, 0, 0);
    m.FitToView();
    for (const auto& [w, h] : {std::pair{13, 40}, {40, 13}, {1, 1}}) {
        TBitmap small(w, h);
        m.Draw(small, 1, 0, 0, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(small.Pixel(x, y), 0x00FF00) << w << "x" << h;
        EXPECT_FALSE(m.Changed);
    }
    TBitmap smallest(14, 14); // the smallest view that projects: cx = cy = 2, R = 1
    m.Draw(smallest, 2, 0, 0, 0);
    EXPECT_EQ(m.AtomAt(0)->SX, 2);

    m.ClearAtoms();
    target.Fill(0x123456);
    m.Draw(target, 1, 0, 0, 0);
    EXPECT_EQ(CountPixels(0x00FF00, {0, 0, 624, 456}), 624 * 456);
}

TEST_F(Renderer, DepthOrderPaintsNearerBallsLast) {
    struct Case {
        const char* name;
        double z0, z1; // slot 0 carbon, slot 1 oxygen, both at x = y = 0
        bool oxygenOnTop;
    } cases[] = {
        {"equal depth: higher slot on top", 0, 0, true},
        {"carbon nearer", 1, -1, false},
        {"oxygen nearer", -1, 1, true},
    };
    for (const Case& c : cases) {
        m.ClearAtoms();
        m.AddAtom(0, "C", 0, 0, c.z0);
        m.AddAtom(1, "O", 0, 0, c.z1);
        m.FitToView();
        m.Draw(target, 2, 0, 0, 0);
        const TAtom& top = *m.AtomAt(c.oxygenOnTop ? 1 : 0);
        const TColor centre = target.Pixel(top.SX, top.SY);
        EXPECT_EQ(platform::RedOf(centre) > platform::BlueOf(centre), c.oxygenOnTop) << c.name;
    }
}

TEST_F(Renderer, EmptiedSlotsTakeNoPart) {
    m.AddAtom(0, "O", -1, 0, 0);
    m.AddAtom(1, "C", 0, 0, 0);
    m.AddAtom(2, "N", 1, 0, 0);
    m.AddWire(0, 1, 1);
    m.FitToView();
    m.DeleteAtom(1);
    m.Draw(target, 1, 0, 0, 0);
    const TAtom& o = *m.AtomAt(0);
    const TAtom& n = *m.AtomAt(2);
    EXPECT_NE(target.Pixel(o.SX, o.SY), Back);
    EXPECT_NE(target.Pixel(n.SX, n.SY), Back);
    EXPECT_EQ(target.Pixel(307, 223), Back); // nothing where the deleted atom was
}

TEST_F(Renderer, WiresByTypeAndSelection) {
    struct Case {
        int typ;
        bool selected;
        TColor colour;
        int halfWidth; // rows above and below the wire that are covered too
    } cases[] = {
        {1, false, Grey, 0},    {1, true, White, 0}, {2, false, Grey, 1},
        {3, false, Grey, 2},    {3, true, White, 2}, {4, false, 0x800080, 0},
        {4, true, 0xFF00FF, 1}, {9, false, Grey, 0}, {9, true, White, 0},
    };
    m.AddAtom(0, "C", -1, 0, 0);
    m.AddAtom(1, "C", 1, 0, 0);
    m.FitToView();
    m.SetShowAtoms(false);
    for (const Case& c : cases) {
        m.ClearWires();
        m.AddWire(0, 1, c.typ)->Selected = c.selected;
        m.Draw(target, 2, 0, 0, 0);
        EXPECT_EQ(target.Pixel(307, 223), c.colour) << c.typ << c.selected;
        EXPECT_EQ(target.Pixel(307, 223 - c.halfWidth), c.colour) << c.typ << c.selected;
        EXPECT_EQ(target.Pixel(307, 223 + c.halfWidth), c.colour) << c.typ << c.selected;
        EXPECT_EQ(target.Pixel(307, 223 - c.halfWidth - 2), Back) << c.typ << c.selected;
    }
}

TEST_F(Renderer, ShowSwitchesHideOnlyTheirOwnPart) {
    m.AddAtom(0, "C", -1, 0, 0);
    m.AddAtom(1, "C", 1, 0, 0);
    m.AddWire(0, 1, 1);
    m.FitToView();
    struct Case {
        bool atoms, wires;
    } cases[] = {{true, true}, {false, true}, {true, false}, {false, false}};
    for (const Case& c : cases) {
        m.SetShowAtoms(c.atoms);
        m.SetShowWires(c.wires);
        m.Draw(target, 1, 0, 0, 0);
        const TAtom& a = *m.AtomAt(0);
        EXPECT_EQ(target.Pixel(307, 223) == Grey, c.wires);
        EXPECT_EQ(target.Pixel(a.SX, a.SY) != Back && target.Pixel(a.SX, a.SY) != Grey, c.atoms);
        EXPECT_NE(target.Pixel(5, 5), Back); // the legend box is always there
    }
}

TEST_F(Renderer, TinyBallsAndSelectionRing) {
    TAtom* a = m.AddAtom(0, "C", 0, 0, 0);
    m.FitToView();
    // Radius round(0.09 * 8 * 112 / 80) = 1 is painted as radius 2 cut to a 2 x 2 sprite.
    a->Ball.Size = 0.09;
    m.Draw(target, 2, 0, 0, 0);
    EXPECT_EQ(CountPixels(Back, {0, 0, 624, 456}), 624 * 456 - 4);
    EXPECT_EQ(CountPixels(Back, {306, 222, 308, 224}), 0);
    // Radius round(0.04 * 8 * 112 / 80) = 0 is not painted at all.
    a->Ball.Size = 0.04;
    m.Draw(target, 2, 0, 0, 0);
    EXPECT_EQ(CountPixels(Back, {0, 0, 624, 456}), 624 * 456);

    a->Ball.Size = 23.0 / 15;
    const TRect sprite{290, 206, 324, 240};
    m.Draw(target, 2, 0, 0, 0);
    EXPECT_EQ(CountPixels(White, sprite), 0);
    a->Selected = true;
    m.Draw(target, 2, 0, 0, 0);
    EXPECT_GT(CountPixels(White, sprite), 10);
    EXPECT_EQ(CountPixels(White, {0, 0, 624, 206}), 0); // the ring stays inside its sprite

    // A nearer ball in front hides the ring of a farther selected one, and not the reverse.
    for (const bool nearSelected : {false, true}) {
        m.ClearAtoms();
        m.AddAtom(0, "C", 0, 0, -0.5)->Selected = !nearSelected;
        m.AddAtom(1, "C", 0, 0, 0.5)->Selected = nearSelected;
        m.FitToView();
        m.Draw(target, 2, 0, 0, 0);
        EXPECT_EQ(CountPixels(White, {0, 0, 624, 456}) > 10, nearSelected);
    }
}

TEST(DrawBall, RadiusIsLimitedToTheBitmapAndAtLeastTwo) {
    TMolekula m;
    struct Case {
        int size, a;
        int diskPixels;
    } cases[] = {
        {2, 1, 4},              // radius 2 cut to the 2 x 2 bitmap
        {2, 0, 4},  {4, 2, 12}, // .XX. / XXXX / XXXX / .XX.
        {4, 9, 12},             // limited to half the width
        {0, 5, 0},
    };
    for (const Case& c : cases) {
        TBitmap t(c.size, c.size);
        m.DrawBall(t, c.a, 0x0000FF, 0x00FF00);
        int disk = 0;
        for (int y = 0; y < c.size; ++y)
            for (int x = 0; x < c.size; ++x)
                disk += t.Pixel(x, y) != 0x00FF00;
        EXPECT_EQ(disk, c.diskPixels) << c.size << " " << c.a;
    }
    // The highlight point of a 2 x 2 ball is its centre pixel (1, 1): the full colour.
    TBitmap t(2, 2);
    m.DrawBall(t, 1, 0x0000FF, 0x00FF00);
    EXPECT_EQ(t.Pixel(1, 1), 0x0000FF);
    // Distance 1 of D = 4: a quarter of the way to the background.
    EXPECT_EQ(t.Pixel(0, 0), platform::MakeColor(255 - 63, 63, 0));
}

// Sample balls sit in rows from y = 27; the test reads each row's highlight pixel.
TEST_F(Renderer, LegendListsCarbonHydrogenOxygenFirst) {
    struct Row {
        int y;
        TColor colour;
    };
    struct Case {
        std::vector<const char*> symbols;
        std::vector<Row> rows;
        TRect legend;
    } cases[] = {
        {{"N", "C", "H", "O"},
         {{35, 0x707070}, {62, White}, {87, 0x0000FF}, {116, 0xFF0000}},
         {0, 0, 141, 139}},
        {{"O", "H", "H"}, {{33, White}, {58, 0x0000FF}}, {0, 0, 141, 87}},
    };
    for (const Case& c : cases) {
        m.ClearAtoms();
        for (size_t i = 0; i < c.symbols.size(); ++i)
            m.AddAtom(int(i), c.symbols[i], double(i), 0, 0);
        m.FitToView();
        m.Draw(target, 1, 0, 0, 0);
        EXPECT_EQ(m.LegendRect, c.legend);
        for (const Row& row : c.rows)
            EXPECT_EQ(target.Pixel(15, row.y), row.colour) << c.symbols[0] << " row " << row.y;
        EXPECT_EQ(target.Pixel(10, 20), 0x202020); // legend fill
    }
}

TEST_F(Renderer, SliderKnobAndPercentage) {
    m.AddAtom(0, "C", 0, 0, 0);
    m.FitToView();
    struct Case {
        double minFactor, maxFactor, ballFactor;
        bool atRight;
        std::string_view percent;
    } cases[] = {
        {0.2, 2.5, 0.2, false, "  0%"},
        {0.2, 2.5, 2.5, true, "100%"},
        {1.0, 1.0, 1.0, false, "  0%"}, // equal bounds leave no range
    };
    for (const Case& c : cases) {
        m.MinFactor = c.minFactor;
        m.MaxFactor = c.maxFactor;
        m.BallFactor = c.ballFactor;
        m.Draw(target, 1, 0, 0, 0);
        const TRect& s = m.SliderRect;
        const int v = c.atRight ? s.Right : s.Left;
        EXPECT_EQ(s.Right, m.LegendRect.Right - 14);
        EXPECT_EQ(m.KnobRect, (TRect{v - 3, 11, v + 3, 22})) << c.percent;
        EXPECT_EQ(target.Pixel(v, 15), 0xC0C0C0);
        // Writing the expected text where it belongs changes no pixel.
        TBitmap expected = target;
        {
            platform::TCanvas canvas(expected);
            canvas.SetBrush(0x202020);
            canvas.SetFont({"Small Fonts", 0xC0C0C0, 6, false});
            canvas.TextOut(m.LegendRect.Right - 3 - canvas.TextWidth(c.percent), 1, c.percent,
                           true);
        }
        EXPECT_TRUE(expected.Picture() == target.Picture()) << c.percent;
    }
}

TEST_F(Renderer, HiddenLegendLeavesOnlyTheButton) {
    m.AddAtom(0, "C", 0, 0, 0);
    m.FitToView();
    m.Draw(target, 1, 0, 0, 0);
    const TRect legend = m.LegendRect;
    m.SetShowLegend(false);
    m.Draw(target, 1, 0, 0, 0);
    EXPECT_EQ(m.LegendRect, legend); // kept for the mouse handling
    EXPECT_EQ(m.LegendButtonRect.Left, 5);
    EXPECT_EQ(m.LegendButtonRect.Top, 2);
    EXPECT_EQ(CountPixels(0x202020, {0, 0, 624, 456}), 0);
    m.SetShowLegendButton(false);
    m.Draw(target, 1, 0, 0, 0);
    EXPECT_EQ(CountPixels(Back, {0, 0, 200, 200}), 200 * 200);
}

TEST_F(Renderer, DrawViewWritesTheTitle) {
    m.AddAtom(0, "C", 0, 0, 0);
    m.FitToView();
    const TRect corner{0, 456 - 30, 200, 456};
    for (const std::string title : {"", "Water"}) {
        m.SetTitle(title);
        m.DrawView();
        int grey = 0;
        for (int y = corner.Top; y < corner.Bottom; ++y)
            for (int x = corner.Left; x < corner.Right; ++x)
                grey += m.View.Pixel(x, y) == Grey;
        EXPECT_EQ(grey > 0, !title.empty()) << title;
    }
}

} // namespace

namespace {

// Atoms moved far out and absurd ball sizes give a picture without overflowing anything.
TEST_F(Renderer, FarAtomsAndHugeBallsAreClipped) {
    TAtom* far = m.AddAtom(0, "C", 0, 0, 0);
    TAtom* near = m.AddAtom(1, "O", 0, 0, 0);
    m.FitToView();
    far->X = 1e300;
    far->Y = -1e300;
    near->Ball.Size = 1e9;
    near->Selected = true;
    m.Draw(target, 1, 0, 0, 0);
    EXPECT_EQ(far->SX, INT32_MAX);
    EXPECT_EQ(far->SY, INT32_MAX);
    EXPECT_NE(target.Pixel(620, 450), Back); // the huge ball covers the view
}

} // namespace

namespace {

// The renderer paints nearest first and skips hidden pixels; the picture must be the one
// of painting every ball's sprite from the farthest to the nearest, each over the others.
TEST_F(Renderer, PictureEqualsFarToNearSprites) {
    const char* symbols[] = {"C", "O", "N", "H", "S", "K"};
    unsigned seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return double((seed >> 8) % 2001) / 1000 - 1; // -1..1
    };
    for (int i = 0; i < 400; ++i)
        m.AddAtom(i, symbols[i % 6], next() * 4, next() * 3, next() * 4)->Selected = i % 37 == 0;
    m.SetBackColor(0x102030);
    m.FitToView();
    m.SetShowWires(false);
    m.Draw(target, 2, 20, 35, 10);

    TBitmap expected(target.Width(), target.Height());
    expected.Fill(0x102030);
    std::vector<std::pair<int, int>> order; // depth key, slot
    double brightest = -1e9;
    for (int slot = 0; slot < m.SlotCount(); ++slot) {
        const TAtom& a = *m.AtomAt(slot);
        order.push_back({platform::RoundHalfEven(a.TZ), slot});
        brightest = std::max(brightest, a.Shade);
    }
    std::sort(order.begin(), order.end());
    const int r = ViewFrame(target.Width(), target.Height()).R;
    platform::TCanvas canvas(expected);
    for (const auto& [depth, slot] : order) {
        const TAtom& a = *m.AtomAt(slot);
        const double f = a.Shade / (brightest + 1);
        const TColor c =
            platform::MakeColor(platform::RoundHalfEven(platform::RedOf(a.Ball.Color) * f),
                                platform::RoundHalfEven(platform::GreenOf(a.Ball.Color) * f),
                                platform::RoundHalfEven(platform::BlueOf(a.Ball.Color) * f));
        const int t = platform::RoundHalfEven(m.BallRadius(&a) * a.Shade * r / 80);
        TBitmap sprite(2 * t, 2 * t);
        m.DrawBall(sprite, t, c, 0x102030);
        if (a.Selected) {
            platform::TCanvas ring(sprite);
            ring.SetPen(White, 1, platform::TPenStyle::Dot);
            ring.EllipseOutline({0, 0, 2 * t, 2 * t});
        }
        canvas.DrawTransparent(a.SX - t, a.SY - t, sprite, 0x102030);
    }
    int differing = 0;
    for (int y = 0; y < target.Height(); ++y)
        for (int x = 0; x < target.Width(); ++x)
            differing += target.Pixel(x, y) != expected.Pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_GT(624 * 456 - CountPixels(0x102030, {0, 0, 624, 456}), 20000);
    EXPECT_GT(CountPixels(White, {0, 0, 624, 456}), 20); // some rings show
}

} // namespace
