#pragma once

#include "gfx/CDC.h"
#include "platform/gdi/Gdi.h"
#include "render/OutlineScript.h"
#include "render/RedrawObjects.h"

#include <initializer_list>
#include <span>

namespace vntab::render {

// The three edge colours of a tab, already translated to COLORREF.
struct EdgeColors {
    gdi::COLORREF dark_shadow = 0;
    gdi::COLORREF highlight = 0;
    gdi::COLORREF shadow = 0;
};

// A point in fractional coordinates, rounded half to even when it reaches the platform.
struct DPoint {
    double x = 0.0;
    double y = 0.0;
};

// What one shape routine draws with: the off-screen surface, the tab's brush (selected into the
// surface by the routine), the tab's edge colours and the redraw's pens and brushes. Each line group
// selects the solid one-pixel pen of its colour and selects the previous pen back at the end, so
// between groups the surface holds its default pen again.
class ShapeCanvas {
public:
    ShapeCanvas(gfx::CDC& dc, gdi::HBRUSH tab_brush, const EdgeColors& colors, RedrawObjects& objects);

    gfx::CDC& dc() { return m_dc; }
    gdi::HBRUSH tab_brush() const { return m_tab_brush; }
    gdi::COLORREF color_of(Ink ink) const;

    // One group of lines in one ink, for the life of the object. The current position carries over
    // from group to group, so a group may start with LineTo.
    class LineGroup {
    public:
        LineGroup(ShapeCanvas& canvas, Ink ink);
        ~LineGroup();
        LineGroup(const LineGroup&) = delete;
        LineGroup& operator=(const LineGroup&) = delete;

        void MoveTo(double x, double y) { m_dc.MoveTo(x, y); }
        void LineTo(double x, double y) { m_dc.LineTo(x, y); }
        // An arc of the ellipse around (x, y), counter-clockwise from `start` to `end` (radians).
        void Arc(double x, double y, double radius, double start, double end, double aspect) {
            m_dc.Ellipse2(x, y, radius, start, end, aspect);
        }

    private:
        gfx::CDC& m_dc;
        bool m_selected = false;
        gdi::HGDIOBJ m_previous;
    };
    LineGroup Lines(Ink ink) { return LineGroup(*this, ink); }
    // Selects the pen of an ink and returns the pen it replaces; the current pen stays (null
    // returned).
    gdi::HGDIOBJ SelectPen(Ink ink);

    // A polygon filled through an ALTERNATE polygon region, with the tab brush or the redraw's solid
    // brush of the ink's colour.
    void FillPolygon(Ink ink, std::span<const DPoint> corners);
    void FillPolygon(Ink ink, std::initializer_list<DPoint> corners) {
        FillPolygon(ink, std::span<const DPoint>(corners.begin(), corners.size()));
    }
    // FillRect of (left, top, right, bottom); right and bottom are excluded.
    void FillBox(Ink ink, double left, double top, double right, double bottom);

    // Runs an outline script with the header's measures.
    void Run(std::span<const Step> steps, const Measures& measures);

private:
    gdi::HBRUSH brush_of(Ink ink);

    gfx::CDC& m_dc;
    gdi::HBRUSH m_tab_brush;
    EdgeColors m_colors;
    RedrawObjects& m_objects;
};

// A caption rectangle from its expressions, each rounded half to even.
gdi::RECT EvalCaption(const CaptionBox& caption, const Measures& measures);

} // namespace vntab::render
