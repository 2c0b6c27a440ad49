#include "render/StylePainters.h"

#include "layout/Constants.h"

namespace vntab::render {

gdi::RECT PaintTabStyle(int32_t style, ShapeCanvas& canvas, const Header& header,
                        const StyleSettings& settings) {
    switch (style) {
    case vnTabNormal:
        return PaintTabNormal(canvas, header, settings);
    case vnTabChamfered:
        return PaintTabChamfered(canvas, header, settings);
    case vnTabRounded:
        return PaintTabRounded(canvas, header, settings);
    case vnTabSlanted:
        return PaintTabSlanted(canvas, header, settings);
    case vnTabSquare:
        return PaintTabSquare(canvas, header, settings);
    default:
        return {};
    }
}

Measures MeasuresOf(const Header& header) {
    Measures m{};
    m[static_cast<size_t>(Measure::L)] = header.left;
    m[static_cast<size_t>(Measure::T)] = header.top;
    m[static_cast<size_t>(Measure::W)] = header.width;
    m[static_cast<size_t>(Measure::H)] = header.height;
    m[static_cast<size_t>(Measure::B)] = header.bevel;
    return m;
}

gdi::RECT PaintOutline(ShapeCanvas& canvas, const OutlineSet& outlines, const Measures& measures,
                       const StyleSettings& settings) {
    const Outline& outline = outlines.at(static_cast<size_t>(settings.orientation));
    canvas.Run(outline.fill, measures);
    canvas.Run(settings.look == vn3DWindows ? outline.look2 : outline.look1, measures);
    return EvalCaption(outline.caption, measures);
}

} // namespace vntab::render
