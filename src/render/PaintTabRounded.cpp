#include "render/StylePainters.h"

#include "gfx/CRgn.h"
#include "layout/Constants.h"
#include "platform/automation/Arithmetic.h"
#include "render/GdiScopes.h"
#include "render/HeaderFrame.h"

#include <algorithm>

// vnTabRounded: both outer corners rounded, built from elliptic and rectangular regions and arcs.
// The shape is written once, as a top header, and turned onto the other orientations by a
// HeaderFrame. What turning cannot give is the light, which always comes from the top left: each
// part of the outline (outer edge, the corner at the row's start, the corner and side at its end)
// is lit or in shadow according to the way it faces once turned. A part in shadow is drawn in dark
// shadow with the shadow colour inside it, as the far corner of a top header is.
namespace vntab::render {

namespace {

// The quarter-turn constants the corner arcs are drawn with.
constexpr double kQuarter = 1.5707963;
constexpr double kHalf = 3.1415926;

// Which parts face the light in each orientation. The side at the row's start always does, the
// corner and side at its end never do.
struct Light {
    bool outer_edge;
    bool start_corner;
};
Light LightOf(int32_t orientation) {
    switch (orientation) {
    case vnOrientationRight:
        return {false, true}; // the outer edge faces right
    case vnOrientationBottom:
        return {false, false}; // the outer edge and both corners face down
    default:
        return {true, true};
    }
}

// The corner radii: TabStyleWidth along the row and TabStyleHeight across it when both are set;
// otherwise a circle of half the header's smaller side, brought to a multiple of 5.
struct Radii {
    double rx = 0.0;
    double ry = 0.0;
    double aspect = 1.0;
};
Radii RadiiOf(const Header& h, const StyleSettings& settings) {
    if (settings.style_width != 0 && settings.style_height != 0)
        return {static_cast<double>(settings.style_width), static_cast<double>(settings.style_height),
                static_cast<double>(settings.style_height) / settings.style_width};
    const double smaller = std::min(h.width, h.height);
    const double r = rt::mul32(5, rt::div32(rt::clng(smaller * 0.5 + 2.5), 5));
    return {r, r, 1.0};
}

// The header in the top space: L, T, R = L + W, Y = T + H, and the radii.
struct Shape {
    double L, T, R, Y, B;
    Radii r;
};

double Round(double value) {
    return rt::round_even(value);
}

class RoundedPainter {
public:
    RoundedPainter(ShapeCanvas& canvas, const HeaderFrame& frame, const Shape& shape)
        : m_canvas(canvas), m_frame(frame), m_s(shape) {}

    // The union of the two corner ellipses and two rectangles, reaching B + 1 into the panel.
    void Fill() {
        const Shape& s = m_s;
        const double rx = s.r.rx, ry = s.r.ry;
        gfx::CRgn fill;
        Create(fill, true, s.L, s.T, Round(s.L + 2 * rx + 1), Round(s.T + 2 * ry + 1));
        Add(fill, true, Round(s.R - 2 * rx), s.T, Round(s.R), Round(s.T + 2 * ry + 1));
        Add(fill, false, s.L, Round(s.T + ry), Round(s.R - 1), Round(s.Y + s.B + 1));
        Add(fill, false, Round(s.L + rx), s.T, Round(s.R - rx - 1), Round(s.Y + s.B));
        m_canvas.dc().FillRgn(fill, m_canvas.tab_brush());
        fill.DeleteObject();
    }

    // One-pixel edges: highlight toward the light, dark shadow with a shadow line inside away from it.
    void EdgesLook1(const Light& light) {
        const Shape& s = m_s;
        const double rx = s.r.rx, ry = s.r.ry;
        if (light.outer_edge) {
            Line(Ink::Highlight, s.L + rx, s.T, Round(s.R - rx), s.T);
        } else {
            Line(Ink::DarkShadow, s.L + rx, s.T, Round(s.R - rx), s.T);
            Line(Ink::Shadow, s.L + rx, s.T + 1, Round(s.R - rx), s.T + 1);
        }
        // Arcs are drawn with Ellipse2, which would fill with the current brush as an ellipse: a
        // hollow brush keeps the header's fill intact.
        OwnedBrush hollow(OwnedBrush::Hollow());
        SelectionScope hollow_selected(m_canvas.dc(), hollow.get());
        if (light.start_corner) {
            auto arc = m_canvas.Lines(Ink::Highlight);
            m_frame.Arc(arc, Round(s.L + rx), Round(s.T + ry), rx, kQuarter, kHalf, s.r.aspect);
        } else {
            RoundedPainter(m_canvas, m_frame.ReversedAlong(s.L, s.R), s).FarCorner();
        }
        Line(Ink::Highlight, s.L, Round(s.T + ry), s.L, Round(s.Y + 1));
        Line(Ink::Shadow, s.R - 2, Round(s.T + ry), s.R - 2, Round(s.Y + 1));
        FarCorner();
        // The far side runs from where the dark arc ends down to the panel.
        Line(Ink::DarkShadow, s.R - 1, Round(s.T + ry + 1), s.R - 1, Round(s.Y + 1));
    }

    // The Windows look: a dark-shadow outline one pixel wide and bevel bands B wide inside it, each
    // the difference of the shape and the shape drawn in by some pixels. The bands are lit along
    // the parts that face the light and in shadow along the others.
    void EdgesLook2(const Light& light) {
        const Shape& s = m_s;
        gfx::CRgn outer, inner;
        Outline(outer, 0);
        Outline(inner, 1);
        outer.CombineRgn(outer, inner, gdi::RGN_DIFF);
        Paint(outer, Ink::DarkShadow);
        outer.DeleteObject();

        gfx::CRgn deep;
        Outline(deep, 1 + s.B);
        inner.CombineRgn(inner, deep, gdi::RGN_DIFF);
        deep.DeleteObject();
        gfx::CRgn lit;
        LitParts(lit, light);
        gfx::CRgn shaded;
        shaded.CreateRectRgn(0, 0, 0, 0);
        shaded.CombineRgn(inner, lit, gdi::RGN_DIFF);
        inner.CombineRgn(inner, lit, gdi::RGN_AND);
        lit.DeleteObject();
        Paint(inner, Ink::Highlight);
        Paint(shaded, Ink::Shadow);
        inner.DeleteObject();
        shaded.DeleteObject();
    }

    gdi::RECT Caption() const {
        const Shape& s = m_s;
        return m_frame.Box(Round(s.L + s.B + 0.4 * s.r.rx), Round(s.T + s.B + 0.4 * s.r.ry),
                           Round(s.R - 0.4 * s.r.rx - s.B), Round(s.Y - 1));
    }

private:
    // The corner at the row's end, away from the light: a shadow crescent on its outer side, then
    // the dark arc one pixel in.
    void FarCorner() {
        const Shape& s = m_s;
        const double rx = s.r.rx, ry = s.r.ry;
        gfx::CRgn crescent, cut;
        Create(crescent, true, Round(s.R - 2 * rx), s.T, Round(s.R + 1), Round(s.T + 2 * ry));
        Create(cut, true, Round(s.R - 2 * rx - 2), s.T + 1, Round(s.R), Round(s.T + 2 * ry + 3));
        crescent.CombineRgn(crescent, cut, gdi::RGN_DIFF);
        Create(cut, false, Round(s.R - rx - 3), s.T + 1, Round(s.R), Round(s.T + ry + 3));
        crescent.CombineRgn(crescent, cut, gdi::RGN_AND);
        cut.DeleteObject();
        Paint(crescent, Ink::Shadow);
        crescent.DeleteObject();
        auto arc = m_canvas.Lines(Ink::DarkShadow);
        m_frame.Arc(arc, Round(s.R - rx - 1), Round(s.T + ry + 1), rx, 0.0, kQuarter, s.r.aspect);
    }

    // The header drawn in by `inset` pixels on its outer sides; the panel side stays open at Y.
    void Outline(gfx::CRgn& region, double inset) {
        const Shape& s = m_s;
        const double rx = s.r.rx, ry = s.r.ry, k = inset;
        Create(region, true, s.L + k, s.T + k, Round(s.L + 2 * rx + 1 - k), Round(s.T + 2 * ry + 1 - k));
        Add(region, true, Round(s.R - 2 * rx - 1 + k), s.T + k, Round(s.R - k), Round(s.T + 2 * ry + 1 - k));
        Add(region, false, s.L + k, Round(s.T + ry), Round(s.R - k), Round(s.Y + 1));
        Add(region, false, Round(s.L + rx), s.T + k, Round(s.R - rx - 1), Round(s.Y + 1));
    }

    // The parts of the header that face the light: the side at the row's start always, its corner
    // and the outer edge when they do. The far corner and side are in shadow.
    void LitParts(gfx::CRgn& lit, const Light& light) {
        const Shape& s = m_s;
        const double rx = s.r.rx, ry = s.r.ry;
        const double bottom = Round(s.Y + s.B + 2);
        Create(lit, false, s.L, Round(s.T + ry), Round(s.L + rx), bottom);
        if (light.start_corner) Add(lit, false, s.L, s.T, Round(s.L + rx), Round(s.T + ry));
        if (light.outer_edge) Add(lit, false, Round(s.L + rx), s.T, Round(s.R - rx - 1), Round(s.T + ry));
    }

    void Create(gfx::CRgn& region, bool ellipse, double left, double top, double right, double bottom) {
        const gdi::RECT box = m_frame.Box(left, top, right, bottom);
        if (ellipse)
            region.CreateEllipticRgn(box.left, box.top, box.right, box.bottom);
        else
            region.CreateRectRgn(box.left, box.top, box.right, box.bottom);
    }
    // Joins a part to a region; the part is deleted once it is combined.
    void Add(gfx::CRgn& region, bool ellipse, double left, double top, double right, double bottom) {
        gfx::CRgn part;
        Create(part, ellipse, left, top, right, bottom);
        region.CombineRgn(region, part, gdi::RGN_OR);
        part.DeleteObject();
    }
    void Paint(const gfx::CRgn& region, Ink ink) {
        OwnedBrush brush(OwnedBrush::Solid(m_canvas.color_of(ink)));
        m_canvas.dc().FillRgn(region, brush.get());
    }
    void Line(Ink ink, double x0, double y0, double x1, double y1) {
        auto line = m_canvas.Lines(ink);
        const DPoint from = m_frame.Pixel(x0, y0);
        const DPoint to = m_frame.Pixel(x1, y1);
        line.MoveTo(from.x, from.y);
        line.LineTo(to.x, to.y);
    }

    ShapeCanvas& m_canvas;
    HeaderFrame m_frame;
    Shape m_s;
};

} // namespace

gdi::RECT PaintTabRounded(ShapeCanvas& canvas, const Header& header, const StyleSettings& settings) {
    Header top_space;
    const HeaderFrame frame(settings.orientation, header, top_space);
    const Shape shape{static_cast<double>(top_space.left),
                      static_cast<double>(top_space.top),
                      top_space.left + static_cast<double>(top_space.width),
                      top_space.top + static_cast<double>(top_space.height),
                      static_cast<double>(top_space.bevel),
                      RadiiOf(header, settings)};
    RoundedPainter painter(canvas, frame, shape);
    painter.Fill();
    const Light light = LightOf(settings.orientation);
    if (settings.look == vn3DWindows)
        painter.EdgesLook2(light);
    else
        painter.EdgesLook1(light);
    return painter.Caption();
}

} // namespace vntab::render
