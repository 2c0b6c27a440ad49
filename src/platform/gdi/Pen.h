#pragma once

#include "platform/gdi/Mapping.h"
#include "platform/gdi/Raster.h"

// Pen output: one-pixel lines with the end point excluded, and the pixels of outlines.
namespace gdi {

struct PenDraw {
    bool visible = false; // false for PS_NULL or a missing pen
    uint32_t color = 0;   // in the target's format
    int rop2 = R2_COPYPEN;
    int32_t width = 1; // device pixels
    uint32_t style = PS_SOLID;
    bool fill_gaps = false; // styled pens in OPAQUE mode paint their gaps in the background colour
    uint32_t gap_color = 0;
};

PenDraw pen_of(const DcObject& dc, const Target& target, const Mapping& mapping);
// How far the DC's pen paints beyond the thin line through its points, in device pixels (at least
// its width: a wide pen's square nib is centred on each pixel of the line).
int32_t pen_reach(const DcObject& dc, const Mapping& mapping);

// Draws from a to b, device coordinates, without painting b. The tie rule of the stepping: where
// the ideal line passes exactly halfway between two pixels, the one with the larger minor
// coordinate (further down for mostly horizontal lines, further right for mostly vertical ones) is
// painted, whichever way the line runs, so a segment and its reverse cover the same pixels.
void draw_line(const Target& target, POINT a, POINT b, const PenDraw& pen);

// Paints a pen pixel (with the nib of a wide pen).
void draw_pen_pixel(const Target& target, int32_t x, int32_t y, uint32_t color, const PenDraw& pen);

} // namespace gdi
