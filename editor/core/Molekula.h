// The molecule model: one object that holds a molecule and everything needed to show it.
//
// TMolekula holds the atoms (a list of slots, an empty slot holding nothing), the wires
// (bonds) between them, the title, the three view angles, the display switches, the
// ball-size factor with its bounds, the element table (indexed by atomic number) and the
// off-screen bitmaps and legend hit rectangles of its own renderer.
//
// An atom is identified by its slot, counted from 0; files call it id = slot + 1. Slots are
// never renumbered: deleting an atom empties its slot. Atom positions are held in
// hundredths of the file unit (a file value 1.25 is stored as 125).
//
// Setters compare before storing and raise Changed only on a real change; drawing clears
// it. Fields are public because the file reader, the renderer and the windows all work on
// them directly; the operations below keep the invariants that matter.
#pragma once

#include "editor/core/DrawScratch.h"
#include "platform/Bitmap.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

using platform::TBitmap;
using platform::TColor;
using platform::TFont;
using platform::TPoint;
using platform::TRect;
namespace colors = platform::colors;

namespace platform {
class TCanvas;
}

// Element appearance; also the first member of every atom.
struct TBall {
    std::string Symbol; // upper case ("C", "CL"); empty = no element
    TColor Color = 0;
    double Size = 0; // relative ball size
};

struct TAtom {
    TBall Ball;                    // copy of the element entry taken when created or re-typed
    double X = 0, Y = 0, Z = 0;    // position, hundredths of the file unit
    double TX = 0, TY = 0, TZ = 0; // projected, pixels relative to the view centre
    int32_t SX = 0, SY = 0;        // screen position of the ball centre
    double Shade = 0;              // depth shade of the last drawing
    bool Selected = false;
};

struct TWire {
    int32_t Id1 = 0, Id2 = 0; // atom slots
    int32_t Typ = 1;          // 1..3 covalent I..III, 4 ionic; other values kept as they are
    bool Selected = false;
};

// Row-major 3 x 3 rotation matrix.
using TMatrix3 = std::array<std::array<double, 3>, 3>;

// Centre and reference radius of a view of a given bitmap size.
struct TViewFrame {
    int32_t Cx = 0, Cy = 0, R = 0;
};

// Highest atomic number of the element table.
constexpr int ElementCount = 115;

// Atom slots the model will create for an explicit index. The editor is meant for
// molecules of up to a few hundred thousand atoms; a larger index (for example a bogus id
// in a file) is treated as "append" instead of creating that many empty slots.
constexpr int MaxAtomSlots = 1000000;

class TMolekula {
public:
    TMolekula();
    ~TMolekula();
    TMolekula(const TMolekula&) = delete;
    TMolekula& operator=(const TMolekula&) = delete;

    // --- Fields ----------------------------------------------------------------------
    std::string Title;
    double AngleX = 0, AngleY = 0, AngleZ = 0; // degrees, not wrapped
    TColor BackColor = 0;
    TFont TitleFont;
    double Scale = 1; // model-to-view scale, set by FitToView
    bool ShowWires = true;
    bool ShowAtoms = true;
    bool ShowLegend = true;
    bool Imported = false; // came from an import; kept for the file commands
    double BallFactor = 1.0;
    bool ShowLegendButton = true;
    TBitmap Background;                        // solid BackColor at the view size
    TBitmap View;                              // the drawn main view
    std::vector<std::unique_ptr<TAtom>> Atoms; // slots; an empty slot holds nullptr
    std::vector<std::unique_ptr<TWire>> Wires; // in creation order, never null
    bool Changed = true;
    std::array<TBall, ElementCount + 1> Elements;             // by atomic number 1..115; [0] unused
    TRect LegendRect, LegendButtonRect, SliderRect, KnobRect; // where the legend was drawn
    double MinFactor = 0.2;
    double MaxFactor = 2.5;
    TBitmap Sprite; // scratch bitmap of the ball painter
    double DegToRad;
    std::string CountSuffix; // written after element counts in the legend

    // --- Construction ----------------------------------------------------------------
    // The small sample molecule every new model starts with.
    void BuildDefaultMolecule();

    // --- Element table ---------------------------------------------------------------
    // Rebuilds the built-in table.
    void ResetElements();
    // Atomic number of the first entry whose symbol equals the upper-cased symbol
    // exactly, or 0 when there is none.
    int FindElement(std::string_view symbol) const;
    // True for a non-empty symbol that is in the table.
    bool IsElement(std::string_view symbol) const;
    // Overrides table entries from an element definition file; a missing or unreadable
    // file changes nothing.
    void LoadElements(const std::string& fileName);

    // --- Atoms -----------------------------------------------------------------------
    // Puts an atom into a slot (a negative index, or one at or beyond MaxAtomSlots,
    // appends), creating empty slots up to it; an existing atom there is overwritten.
    // Coordinates are in file units. Returns the atom.
    TAtom* AddAtom(int index, std::string_view symbol, double x, double y, double z);
    // Re-types an atom from the table; an unknown symbol leaves it as it is.
    void SetAtomElement(TAtom& atom, std::string_view symbol);
    // Empties a slot; other indexes are ignored. Wires are not touched.
    void DeleteAtom(int index);
    void ClearAtoms();
    int AtomCount() const; // occupied slots
    int SlotCount() const { return static_cast<int>(Atoms.size()); }
    // The atom in a slot, or nullptr for an empty slot or an index outside the list.
    TAtom* AtomAt(int index) const;
    // Moves every selected atom by a tenth of the given steps (stored units).
    void MoveSelected(double dx, double dy, double dz);

    // --- Wires -----------------------------------------------------------------------
    // Appends a wire when both slots lie inside the atom list, else returns nullptr.
    TWire* AddWire(int id1, int id2, int typ);
    // With a, b >= 0 removes the wires joining a and b; otherwise those touching a
    // (when a >= 0) or b (when b >= 0).
    void DeleteWires(int a, int b);
    // The first wire joining a and b in either direction, or nullptr.
    TWire* FindWire(int a, int b) const;
    void ClearWires();

    // --- Selection -------------------------------------------------------------------
    int SelectedAtomCount() const;
    int SelectedWireCount() const;
    TAtom* SingleSelectedAtom() const; // nullptr unless exactly one is selected
    TWire* SingleSelectedWire() const;
    void UnselectAtoms();
    void UnselectWires();
    // Selection by a point of the last projection: inverts the first atom whose 30 x 30
    // square holds the point; keep = false clears the selection first.
    bool HitAtom(int x, int y, bool keep);
    // Selects the first wire near the point; keep = false clears the selection first.
    bool HitWire(int x, int y, bool keep);

    // --- Properties with change detection --------------------------------------------
    void SetTitle(const std::string& value);
    void SetAngleX(double value);
    void SetAngleY(double value);
    void SetAngleZ(double value);
    void SetBackColor(TColor value);
    void SetShowWires(bool value);
    void SetShowAtoms(bool value);
    void SetShowLegend(bool value);
    void SetShowLegendButton(bool value);
    // Stores the factor clamped into MinFactor..MaxFactor.
    void SetBallFactor(double value);
    // The atom's ball size times BallFactor; 1.0 without an atom.
    double BallRadius(const TAtom* atom) const;

    // --- Fitting and view size -------------------------------------------------------
    // Sets Scale so the molecule fits, centres it and rebuilds the background.
    void FitToView();
    // Moves the centre of the atoms' bounding box to the origin.
    void CenterAtoms();
    // Resizes Background (filled with BackColor) and View; a zero side does nothing.
    void SetViewSize(int width, int height);
    int ViewWidth() const { return View.Width(); }
    int ViewHeight() const { return View.Height(); }

    // --- Projection ------------------------------------------------------------------
    // Writes TX, TY, TZ: the atom's position scaled, turned by m and multiplied by d/100.
    void Project(TAtom& atom, const TMatrix3& m, double d) const;
    // Projects the atom for a view (d = R - BallRadius/2) and writes SX, SY.
    void ProjectToScreen(TAtom& atom, const TMatrix3& m, const TViewFrame& frame) const;

    // --- Renderer operations (Renderer.cpp, Legend.cpp) -------------------------------
    // Draws the molecule into target as seen at the given angles in degrees: mode 0 only
    // projects (every atom's TX..SY and Shade), 1 draws the picture with the legend, 2
    // without it. A target with a side under 14 pixels gets only the background. Clears
    // Changed.
    void Draw(TBitmap& target, uint8_t mode, double angleX, double angleY, double angleZ);
    // Draws the main view into View at the model's own angles and writes the title.
    void DrawView();
    // Paints one shaded ball of radius a in the middle of target, which is covered with
    // the background colour elsewhere.
    void DrawBall(TBitmap& target, int a, TColor ballColor, TColor backColor);

private:
    void DrawBalls(TBitmap& target, const TViewFrame& frame, double divisor);
    void DrawSelectionRing(TBitmap& target, int64_t left, int64_t top, int t);
    void DrawLegend(TBitmap& target, platform::TCanvas& canvas);
    TDrawScratch Scratch; // working lists of the renderer
};

// Rotation for the three view angles in radians (a about x, b about y, c about z).
TMatrix3 RotationMatrix(double a, double b, double c);

// Centre (5 pixels up and left of the bitmap centre) and radius of a view.
TViewFrame ViewFrame(int width, int height);

// Whether p lies on the wire from p1 to p2 within the hit tolerance.
bool WireHitTest(TPoint p1, TPoint p2, TPoint p);

// Colour of a definition-file colour text: a name, "C" and a complemented integer,
// "#RRGGBB", or an integer (decimal or "$" hexadecimal); 0 when none of these.
TColor ParseColor(std::string_view text);
