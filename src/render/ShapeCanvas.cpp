#include "render/ShapeCanvas.h"

#include "gfx/CPoint.h"
#include "gfx/CRect.h"
#include "gfx/CRgn.h"
#include "platform/automation/Arithmetic.h"
#include "render/GdiScopes.h"

#include <memory>
#include <vector>

namespace vntab::render {

ShapeCanvas::ShapeCanvas(gfx::CDC& dc, gdi::HBRUSH tab_brush, const EdgeColors& colors)
    : m_dc(dc), m_tab_brush(tab_brush), m_colors(colors) {
    m_pen.Init(gdi::PS_SOLID, gfx::CPoint(1, 0), 0);
}

gdi::COLORREF ShapeCanvas::color_of(Ink ink) const {
    switch (ink) {
    case Ink::Highlight:
        return m_colors.highlight;
    case Ink::DarkShadow:
        return m_colors.dark_shadow;
    case Ink::Shadow:
        return m_colors.shadow;
    case Ink::TabBrush:
    case Ink::CurrentPen:
        break;
    }
    return 0;
}

ShapeCanvas::LineGroup::LineGroup(ShapeCanvas& canvas, Ink ink) : m_dc(canvas.m_dc) {
    if (ink == Ink::CurrentPen) return;
    // The colours are COLORREFs already; a COLORREF never has the top bit set, so the pen's
    // translation of an OLE colour leaves it unchanged.
    canvas.m_pen.SetColor(static_cast<int32_t>(canvas.color_of(ink)));
    m_previous = m_dc.SelectObject(canvas.m_pen.hPen());
    m_selected = true;
}

ShapeCanvas::LineGroup::~LineGroup() {
    if (m_selected) m_dc.SelectObject(m_previous);
}

namespace {

// The brush of one fill: the routine's tab brush, or a solid brush of an edge colour made for this
// fill alone and deleted with it.
class FillBrush {
public:
    FillBrush(Ink ink, gdi::HBRUSH tab_brush, gdi::COLORREF color) : m_owned(ink != Ink::TabBrush) {
        const gdi::LOGBRUSH solid = OwnedBrush::Solid(color);
        m_brush = m_owned ? gdi::CreateBrushIndirect(&solid) : tab_brush;
    }
    ~FillBrush() {
        if (m_owned) gdi::DeleteObject(m_brush);
    }
    FillBrush(const FillBrush&) = delete;
    FillBrush& operator=(const FillBrush&) = delete;

    gdi::HBRUSH get() const { return m_brush; }

private:
    bool m_owned;
    gdi::HBRUSH m_brush;
};

} // namespace

void ShapeCanvas::FillPolygon(Ink ink, std::span<const DPoint> corners) {
    std::vector<gfx::CPoint> points(corners.size());
    for (size_t i = 0; i < corners.size(); ++i)
        points[i].SetFromSingles(rt::csng(corners[i].x), rt::csng(corners[i].y));
    const FillBrush brush(ink, m_tab_brush, color_of(ink));
    gfx::CRgn region;
    region.CreatePolygonRgn(points, static_cast<int32_t>(points.size()), gdi::ALTERNATE);
    m_dc.FillRgn(region, brush.get());
    region.DeleteObject();
}

void ShapeCanvas::FillBox(Ink ink, double left, double top, double right, double bottom) {
    const gfx::CRect box(rt::clng(left), rt::clng(top), rt::clng(right), rt::clng(bottom));
    const FillBrush brush(ink, m_tab_brush, color_of(ink));
    m_dc.FillRect(box, brush.get());
}

namespace {

// The shape a script is in the middle of: the line group drawing, or the corners collected so far.
class ScriptRun {
public:
    ScriptRun(ShapeCanvas& canvas, const Measures& measures) : m_canvas(canvas), m_measures(measures) {}
    ~ScriptRun() = default;
    ScriptRun(const ScriptRun&) = delete;
    ScriptRun& operator=(const ScriptRun&) = delete;

    void Do(const Step& step) {
        switch (step.kind) {
        case Step::Kind::Pen:
            Finish();
            m_lines = std::make_unique<ShapeCanvas::LineGroup>(m_canvas, step.ink);
            break;
        case Step::Kind::Polygon:
        case Step::Kind::Box:
            Finish();
            m_shape = step.kind;
            m_ink = step.ink;
            break;
        case Step::Kind::MoveTo:
            Lines().MoveTo(step.x.Eval(m_measures), step.y.Eval(m_measures));
            break;
        case Step::Kind::LineTo:
            Lines().LineTo(step.x.Eval(m_measures), step.y.Eval(m_measures));
            break;
        case Step::Kind::Pt:
            m_corners.push_back({step.x.Eval(m_measures), step.y.Eval(m_measures)});
            break;
        }
    }

    // Ends the line group or fills the collected shape.
    void Finish() {
        m_lines.reset();
        if (m_shape == Step::Kind::Polygon) m_canvas.FillPolygon(m_ink, m_corners);
        if (m_shape == Step::Kind::Box && m_corners.size() == 2)
            m_canvas.FillBox(m_ink, m_corners[0].x, m_corners[0].y, m_corners[1].x, m_corners[1].y);
        m_shape = Step::Kind::Pen;
        m_corners.clear();
    }

private:
    // Lines outside any group draw with the current pen.
    ShapeCanvas::LineGroup& Lines() {
        if (!m_lines) m_lines = std::make_unique<ShapeCanvas::LineGroup>(m_canvas, Ink::CurrentPen);
        return *m_lines;
    }

    ShapeCanvas& m_canvas;
    const Measures& m_measures;
    std::unique_ptr<ShapeCanvas::LineGroup> m_lines;
    Step::Kind m_shape = Step::Kind::Pen;
    Ink m_ink = Ink::CurrentPen;
    std::vector<DPoint> m_corners;
};

} // namespace

void ShapeCanvas::Run(std::span<const Step> steps, const Measures& measures) {
    ScriptRun run(*this, measures);
    for (const Step& step : steps)
        run.Do(step);
    run.Finish();
}

gdi::RECT EvalCaption(const CaptionBox& caption, const Measures& measures) {
    return {rt::clng(caption.left.Eval(measures)), rt::clng(caption.top.Eval(measures)),
            rt::clng(caption.right.Eval(measures)), rt::clng(caption.bottom.Eval(measures))};
}

} // namespace vntab::render
