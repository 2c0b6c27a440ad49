#pragma once

#include "gfx/CBitmap.h"
#include "gfx/CDC.h"
#include "platform/gdi/Handles.h"

#include <cstdint>

namespace vntab::render {

// The off-screen surface of one full redraw: a memory DC compatible with the control's DC and a
// bitmap of the client size, compatible with the control's DC, selected into it. Everything of the
// redraw is drawn here and copied to the control in one block transfer, so the window never shows a
// partly drawn control. The surface is released when the object goes, after a copy or when an error
// stops the redraw (then the window keeps its previous content).
class RedrawSurface {
public:
    RedrawSurface(gdi::HDC window_dc, int32_t width, int32_t height);
    ~RedrawSurface();
    RedrawSurface(const RedrawSurface&) = delete;
    RedrawSurface& operator=(const RedrawSurface&) = delete;

    gfx::CDC& dc() { return m_surface; }
    int32_t width() const { return m_width; }
    int32_t height() const { return m_height; }

    // BitBlt of the whole surface to the control's DC at (0, 0), SRCCOPY.
    void CopyToWindow();

private:
    gfx::CDC m_window;
    gfx::CDC m_surface;
    gfx::CBitmap m_bitmap;
    gdi::HGDIOBJ m_previous_bitmap;
    int32_t m_width;
    int32_t m_height;
};

} // namespace vntab::render
