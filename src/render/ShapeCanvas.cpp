#include "render/ShapeCanvas.h"

#include "gfx/CPoint.h"
#include "gfx/CRect.h"
#include "platform/automation/Arithmetic.h"
#include "render/GdiScopes.h"

#include <array>
#include <vector>

namespace vntab::render {

ShapeCanvas::ShapeCanvas(gfx::CDC& dc, gdi::HBRUSH tab_brush, const EdgeColors& colors,
                         RedrawObjects& objects)
    : m_dc(dc), m_tab_brush(tab_brush), m_colors(colors), m_objects(objects) {}

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

gdi::HGDIOBJ ShapeCanvas::SelectPen(Ink ink) {
    if (ink == Ink::CurrentPen) return {};
    return m_dc.SelectObject(m_objects.Pen(color_of(ink)));
}

ShapeCanvas::LineGroup::LineGroup(ShapeCanvas& canvas, Ink ink) : m_dc(canvas.m_dc) {
    m_previous = canvas.SelectPen(ink);
    m_selected = ink != Ink::CurrentPen;
}

ShapeCanvas::LineGroup::~LineGroup() {
    if (m_selected) m_dc.SelectObject(m_previous);
}

gdi::HBRUSH ShapeCanvas::brush_of(Ink ink) {
    return ink == Ink::TabBrush ? m_tab_brush : m_objects.Brush(color_of(ink));
}

// The corners are rounded as singles, as CPoint takes them; a few of them stay on the stack.
void ShapeCanvas::FillPolygon(Ink ink, std::span<const DPoint> corners) {
    std::array<gdi::POINT, 16> few;
    std::vector<gdi::POINT> many(corners.size() > few.size() ? corners.size() : 0);
    gdi::POINT* points = many.empty() ? few.data() : many.data();
    for (size_t i = 0; i < corners.size(); ++i) {
        gfx::CPoint point;
        point.SetFromSingles(rt::csng(corners[i].x), rt::csng(corners[i].y));
        points[i] = point.GetPOINT();
    }
    const gdi::HRGN region = gdi::CreatePolygonRgn(points, static_cast<int>(corners.size()), gdi::ALTERNATE);
    gdi::FillRgn(m_dc.m_hdc, region, brush_of(ink));
    gdi::DeleteObject(region);
}

void ShapeCanvas::FillBox(Ink ink, double left, double top, double right, double bottom) {
    const gfx::CRect box(rt::clng(left), rt::clng(top), rt::clng(right), rt::clng(bottom));
    m_dc.FillRect(box, brush_of(ink));
}

namespace {

// The shape a script is in the middle of: the line group drawing, or the corners collected so far.
class ScriptRun {
public:
    ScriptRun(ShapeCanvas& canvas, const Measures& measures) : m_canvas(canvas), m_measures(measures) {}
    ~ScriptRun() { EndLines(); }
    ScriptRun(const ScriptRun&) = delete;
    ScriptRun& operator=(const ScriptRun&) = delete;

    void Do(const Step& step) {
        switch (step.kind) {
        case Step::Kind::Pen:
            Finish();
            m_previous = m_canvas.SelectPen(step.ink);
            m_selected = step.ink != Ink::CurrentPen;
            break;
        case Step::Kind::Polygon:
        case Step::Kind::Box:
            Finish();
            m_shape = step.kind;
            m_ink = step.ink;
            break;
        case Step::Kind::MoveTo:
            m_canvas.dc().MoveTo(step.x.Eval(m_measures), step.y.Eval(m_measures));
            break;
        case Step::Kind::LineTo:
            m_canvas.dc().LineTo(step.x.Eval(m_measures), step.y.Eval(m_measures));
            break;
        case Step::Kind::Pt:
            AddCorner({step.x.Eval(m_measures), step.y.Eval(m_measures)});
            break;
        }
    }

    // Ends the line group or fills the collected shape.
    void Finish() {
        EndLines();
        const std::span<const DPoint> corners = Corners();
        if (m_shape == Step::Kind::Polygon) m_canvas.FillPolygon(m_ink, corners);
        if (m_shape == Step::Kind::Box && corners.size() == 2)
            m_canvas.FillBox(m_ink, corners[0].x, corners[0].y, corners[1].x, corners[1].y);
        m_shape = Step::Kind::Pen;
        m_count = 0;
        m_more.clear();
    }

private:
    // A line group selects its pen and selects the previous one back at its end; lines outside any
    // group draw with the current pen.
    void EndLines() {
        if (m_selected) m_canvas.dc().SelectObject(m_previous);
        m_selected = false;
    }

    // A script's shapes have a few corners each, kept in place; a shape with more moves them all
    // to the vector.
    void AddCorner(DPoint corner) {
        if (m_count < m_few.size()) {
            m_few[m_count++] = corner;
            return;
        }
        if (m_more.empty()) m_more.assign(m_few.begin(), m_few.end());
        m_more.push_back(corner);
        ++m_count;
    }
    std::span<const DPoint> Corners() const {
        if (m_count <= m_few.size()) return {m_few.data(), m_count};
        return m_more;
    }

    ShapeCanvas& m_canvas;
    const Measures& m_measures;
    gdi::HGDIOBJ m_previous;
    bool m_selected = false;
    Step::Kind m_shape = Step::Kind::Pen;
    Ink m_ink = Ink::CurrentPen;
    std::array<DPoint, 16> m_few;
    size_t m_count = 0;
    std::vector<DPoint> m_more;
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
