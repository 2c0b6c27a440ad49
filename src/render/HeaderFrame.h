#pragma once

#include "platform/gdi/Handles.h"
#include "render/ShapeCanvas.h"
#include "render/StylePainters.h"

#include <cstdint>

namespace vntab::render {

// Places a shape drawn as a top header in another orientation. The shape is written in the top
// header's own space: x along the row from L to R, y across it from the outer edge T down to the
// panel side Y. The frame turns that space onto the device:
//   top:    as it is;
//   bottom: mirrored top to bottom, the outer edge on row Y - 1;
//   left:   turned about the diagonal, the outer edge on column L, the row running down;
//   right:  turned a quarter clockwise, the outer edge on column X - 1, the row running down.
// Each device axis is one axis of the shape space, possibly reversed. A pixel p on a reversed axis
// lands on c - p; a span of pixels [p, q) on [c - q + 1, c - p + 1), so boxes (regions, ellipses)
// keep their exact pixels.
class HeaderFrame {
public:
    // The frame of an orientation and the header as the top space sees it (for right and left
    // headers, L is the device top and T the device left).
    HeaderFrame(int32_t orientation, const Header& device, Header& shape_space);

    // The same frame with the shape's x reversed first, x -> left + right - 1 - x: draws the near
    // end of the row with what was written for the far end.
    HeaderFrame ReversedAlong(double left, double right) const;

    DPoint Pixel(double x, double y) const;
    // A box of pixels [left, right) x [top, bottom), right and bottom excluded.
    gdi::RECT Box(double left, double top, double right, double bottom) const;
    // Ellipse2 of the device for an arc around (x, y) of the shape space; angles in radians,
    // counter-clockwise on the screen, `aspect` the vertical radius over the horizontal one.
    void Arc(ShapeCanvas::LineGroup& lines, double x, double y, double radius, double start, double end,
             double aspect) const;

private:
    // device = sign * source + offset, the source being the shape's x (0) or y (1).
    struct Axis {
        int source = 0;
        int sign = 1;
        double offset = 0.0;
    };
    HeaderFrame(Axis x, Axis y) : m_x(x), m_y(y) {}

    static double Map(const Axis& axis, double x, double y) {
        return axis.sign * (axis.source == 0 ? x : y) + axis.offset;
    }
    static void MapSpan(const Axis& axis, double from_x, double from_y, double to_x, double to_y, int32_t& lo,
                        int32_t& hi);

    Axis m_x;
    Axis m_y;
};

} // namespace vntab::render
