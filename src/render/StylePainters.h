#pragma once

#include "platform/gdi/Handles.h"
#include "render/OutlineScript.h"
#include "render/ShapeCanvas.h"

#include <array>
#include <cstdint>

// The style painters: one per tab style, each drawing its header in any of the four orientations
// and both looks, and returning the rectangle left for the caption. They are called only by the
// shape routines of the orientations.
namespace vntab::render {

// A header in the terms of its orientation: its left and top corner, its length along the row
// (`width`) and its thickness across it (`height`), as the layout keeps them, so for right and left
// tabs `width` runs down the row. The length and thickness are single-precision values: every
// coordinate drawn from them is computed in double precision and rounded where it reaches the
// platform. `bevel` is the width of the bevel bands (1, or TabActiveBevel for the active header
// in the Windows look).
struct Header {
    int32_t left = 0;
    int32_t top = 0;
    float width = 0.0f;
    float height = 0.0f;
    int16_t bevel = 1;

    friend bool operator==(const Header&, const Header&) = default;
};

// The control's settings a style painter reads.
struct StyleSettings {
    int32_t orientation = 0;
    int32_t look = 1; // 1 the Windows 95 look, 2 the Windows look
    int16_t style_width = 0;
    int16_t style_height = 0;
    int32_t tab_height = 0;
};

gdi::RECT PaintTabNormal(ShapeCanvas& canvas, const Header& header, const StyleSettings& settings);
gdi::RECT PaintTabChamfered(ShapeCanvas& canvas, const Header& header, const StyleSettings& settings);
gdi::RECT PaintTabRounded(ShapeCanvas& canvas, const Header& header, const StyleSettings& settings);
gdi::RECT PaintTabSlanted(ShapeCanvas& canvas, const Header& header, const StyleSettings& settings);
gdi::RECT PaintTabSquare(ShapeCanvas& canvas, const Header& header, const StyleSettings& settings);

// The painter of `style`. A value outside vnTabNormal .. vnTabSquare draws no header and leaves the
// caption rectangle empty.
gdi::RECT PaintTabStyle(int32_t style, ShapeCanvas& canvas, const Header& header,
                        const StyleSettings& settings);

// The measures of a header, with the style's corner sizes still 0.
Measures MeasuresOf(const Header& header);

// The outlines of a style, one for each orientation in the order of the orientation constants.
using OutlineSet = std::array<Outline, 4>;

// Draws a style kept as data: the fill, the edges of the look, and the caption rectangle.
gdi::RECT PaintOutline(ShapeCanvas& canvas, const OutlineSet& outlines, const Measures& measures,
                       const StyleSettings& settings);

} // namespace vntab::render
