#include "render/RedrawSurface.h"

#include "platform/gdi/Gdi.h"

namespace vntab::render {

RedrawSurface::RedrawSurface(gdi::HDC window_dc, int32_t width, int32_t height)
    : m_width(width), m_height(height) {
    m_window.Attach(window_dc);
    m_surface.CreateCompatibleDC(window_dc);
    // Compatible with the window's DC, not with the new memory DC, which holds a monochrome 1 x 1
    // bitmap until something else is selected into it.
    m_bitmap.CreateCompatibleBitmap(m_window, width, height);
    m_previous_bitmap = m_surface.SelectObject(m_bitmap.Handle());
}

RedrawSurface::~RedrawSurface() {
    m_surface.SelectObject(m_previous_bitmap);
    m_bitmap.DeleteObject();
    m_surface.DeleteDC();
}

void RedrawSurface::CopyToWindow() {
    m_window.BitBlt(0, 0, m_width, m_height, m_surface.m_hdc, 0, 0, gdi::SRCCOPY);
}

} // namespace vntab::render
