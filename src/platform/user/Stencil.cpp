#include "platform/user/Stencil.h"

#include "platform/gdi/Gdi.h"

namespace user::detail {

namespace {

// The ternary raster operation that keeps the destination where the source is white and paints
// the pattern where it is black.
constexpr uint32_t kPaintPatternWhereBlack = 0x00B8074A;

} // namespace

Canvas::Canvas(gdi::HDC like, int32_t width, int32_t height) : m_width(width), m_height(height) {
    m_dc = gdi::CreateCompatibleDC(like);
    m_bitmap = gdi::CreateBitmap32(width, height, nullptr);
    if (!ok() || !gdi::SelectObject(m_dc, m_bitmap)) return;
    gdi::PatBlt(m_dc, 0, 0, width, height, gdi::WHITENESS);
    gdi::SelectObject(m_dc, gdi::GetCurrentObject(like, gdi::ObjectKind::Font));
    gdi::SetTextColor(m_dc, gdi::RGB(0, 0, 0));
    gdi::SetBkColor(m_dc, gdi::RGB(255, 255, 255));
}

Canvas::~Canvas() {
    if (m_dc) gdi::DeleteDC(m_dc);
    if (m_bitmap) gdi::DeleteObject(m_bitmap);
}

bool paint_stencil(gdi::HDC hdc, int32_t x, int32_t y, const Canvas& canvas, gdi::HBRUSH brush,
                   bool checker) {
    const int32_t w = canvas.width();
    const int32_t h = canvas.height();
    // Copying onto a monochrome bitmap turns the canvas's background colour (white) white and every
    // other colour black.
    const gdi::HDC mask_dc = gdi::CreateCompatibleDC({});
    const gdi::HBITMAP mask = gdi::CreateCompatibleBitmap(mask_dc, w, h);
    bool ok = mask_dc && mask && gdi::SelectObject(mask_dc, mask) &&
              gdi::BitBlt(mask_dc, 0, 0, w, h, canvas.dc(), 0, 0, gdi::SRCCOPY);
    if (ok && checker) {
        const gdi::SurfaceView view = gdi::LockBitmap(mask);
        for (int32_t row = 0; row < view.height; ++row)
            for (int32_t col = (row + 1) % 2; col < view.width; col += 2)
                view.pixels[size_t(row) * view.stride + col] = 0xFFFFFF;
    }
    if (ok) {
        // The mask's black must reach the operation as all-zero bits and its white as all-one bits.
        const gdi::COLORREF text = gdi::SetTextColor(hdc, gdi::RGB(0, 0, 0));
        const gdi::COLORREF back = gdi::SetBkColor(hdc, gdi::RGB(255, 255, 255));
        const gdi::HGDIOBJ old_brush = gdi::SelectObject(hdc, brush);
        ok = gdi::BitBlt(hdc, x, y, w, h, mask_dc, 0, 0, kPaintPatternWhereBlack);
        gdi::SelectObject(hdc, old_brush);
        gdi::SetBkColor(hdc, back);
        gdi::SetTextColor(hdc, text);
    }
    if (mask_dc) gdi::DeleteDC(mask_dc);
    if (mask) gdi::DeleteObject(mask);
    return ok;
}

} // namespace user::detail
