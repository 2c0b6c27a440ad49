#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

namespace studio {

// Where the form's client area stands in the studio's window and how much it is magnified: each
// form pixel is a square of zoom x zoom window pixels.
struct FormViewport {
    int32_t x = 0, y = 0; // the window point of the form's top-left pixel
    int32_t zoom = 1;
    int32_t width = 0, height = 0; // the form's client area, form pixels

    // The form pixel under a window point (outside the form too, for a window holding the capture).
    gdi::POINT ToForm(int32_t wx, int32_t wy) const { return {floor_div(wx - x), floor_div(wy - y)}; }
    bool Contains(int32_t wx, int32_t wy) const {
        const gdi::POINT p = ToForm(wx, wy);
        return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height;
    }

private:
    int32_t floor_div(int32_t v) const { return v >= 0 ? v / zoom : -((-v + zoom - 1) / zoom); }
};

} // namespace studio
