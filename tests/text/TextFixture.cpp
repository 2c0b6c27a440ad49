#include "TextFixture.h"

namespace text_test {

Surface::Surface(int32_t width, int32_t height, gdi::COLORREF fill) : m_width(width), m_height(height) {
    const std::vector<uint32_t> pixels(size_t(width) * size_t(height), FromRgb(fill));
    m_bitmap = gdi::CreateBitmap32(width, height, pixels.data());
    m_cdc.CreateCompatibleDC(gdi::HDC{});
    m_previous = m_cdc.SelectObject(m_bitmap);
}

Surface::~Surface() {
    m_cdc.SelectObject(m_previous);
    m_cdc.DeleteDC();
    gdi::DeleteObject(m_bitmap);
}

int Surface::count(gdi::COLORREF color) const {
    int n = 0;
    for (int32_t y = 0; y < m_height; ++y)
        for (int32_t x = 0; x < m_width; ++x)
            n += at(x, y) == color;
    return n;
}

gdi::RECT Surface::bounds(gdi::COLORREF color) const {
    return support::BoundingBox(m_width, m_height, [&](int32_t x, int32_t y) { return at(x, y) == color; });
}

gdi::RECT Surface::changed_from(const Surface& other) const {
    return support::BoundingBox(m_width, m_height,
                                [&](int32_t x, int32_t y) { return at(x, y) != other.at(x, y); });
}

void RendererTest::Configure(const gfx::CRect& target, const std::string& caption) {
    const rt::StdFont arial("Arial", 12);
    r.SetFont(&arial);
    r.SetEnabled(true);
    r.SetForeColor(0);
    r.SetBackColor(0xFFFFFF);
    r.SetText(caption);
    r.TargetRect() = target;
}

} // namespace text_test
