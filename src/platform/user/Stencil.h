#pragma once

#include "platform/gdi/Handles.h"

#include <cstdint>

// Images in a state (disabled, mono, grayed) are drawn in two steps: the image is drawn onto a
// white canvas, and then a brush is painted onto the target wherever the canvas is not white.
// Internal; the callers keep the GDI calls of both steps out of an active trace.
namespace user::detail {

// A white 32-bit canvas of the given size with the font of `like` selected, black text on white.
class Canvas {
public:
    Canvas(gdi::HDC like, int32_t width, int32_t height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool ok() const { return m_dc && m_bitmap; }
    gdi::HDC dc() const { return m_dc; }
    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }

private:
    gdi::HDC m_dc;
    gdi::HBITMAP m_bitmap;
    int32_t m_width;
    int32_t m_height;
};

// Paints `brush` at (x, y) on hdc wherever the canvas is not white (with `checker`, only on every
// other such pixel, starting with the top-left one), leaving every other pixel of hdc as it was.
bool paint_stencil(gdi::HDC hdc, int32_t x, int32_t y, const Canvas& canvas, gdi::HBRUSH brush, bool checker);

} // namespace user::detail
