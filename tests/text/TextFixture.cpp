#include "TextFixture.h"

#include <algorithm>

namespace text_test {

Surface::Surface(int32_t width, int32_t height, gdi::COLORREF fill) : m_width(width), m_height(height) {
    // Bitmap rows hold 0x00RRGGBB; the COLORREF fill is turned around to match.
    const std::vector<uint32_t> rgb(size_t(width) * size_t(height), FromRgb(fill));
    m_bitmap = gdi::CreateBitmap32(width, height, rgb.data());
    m_cdc.CreateCompatibleDC(gdi::HDC{});
    m_previous = m_cdc.SelectObject(m_bitmap);
}

Surface::~Surface() {
    m_cdc.SelectObject(m_previous);
    m_cdc.DeleteDC();
    gdi::DeleteObject(m_bitmap);
}

gdi::COLORREF Surface::at(int32_t x, int32_t y) const {
    return gdi::GetPixel(m_cdc.m_hdc, x, y);
}

void Surface::set(int32_t x, int32_t y, gdi::COLORREF color) {
    gdi::SetPixel(m_cdc.m_hdc, x, y, color);
}

int Surface::count(gdi::COLORREF color) const {
    int n = 0;
    for (int32_t y = 0; y < m_height; ++y)
        for (int32_t x = 0; x < m_width; ++x)
            n += at(x, y) == color;
    return n;
}

gdi::RECT Surface::bounds(gdi::COLORREF color) const {
    gdi::RECT box{m_width, m_height, 0, 0};
    for (int32_t y = 0; y < m_height; ++y)
        for (int32_t x = 0; x < m_width; ++x)
            if (at(x, y) == color)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box.right > box.left ? box : gdi::RECT{};
}

gdi::RECT Surface::changed_from(const Surface& other) const {
    gdi::RECT box{m_width, m_height, 0, 0};
    for (int32_t y = 0; y < m_height; ++y)
        for (int32_t x = 0; x < m_width; ++x)
            if (at(x, y) != other.at(x, y))
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box.right > box.left ? box : gdi::RECT{};
}

RecordedDialogs::RecordedDialogs() : m_previous(user::SetDialogProvider(this)) {}

RecordedDialogs::~RecordedDialogs() {
    user::SetDialogProvider(m_previous);
}

int RecordedDialogs::MessageBox(user::HWND, std::string_view text, std::string_view, uint32_t) {
    texts.emplace_back(text);
    return user::IDOK;
}

std::shared_ptr<rt::StdPicture> SolidBitmap(int32_t width, int32_t height, uint32_t rgb) {
    const std::vector<uint32_t> pixels(size_t(width) * size_t(height), rgb);
    return rt::StdPicture::FromPixels(width, height, pixels);
}

std::shared_ptr<rt::StdPicture> SolidIcon(int32_t width, int32_t height, uint32_t rgb) {
    const std::vector<uint32_t> pixels(size_t(width) * size_t(height), rgb);
    const std::vector<uint8_t> mask(pixels.size(), 0);
    return rt::StdPicture::FromIconPixels(width, height, pixels, mask);
}

std::shared_ptr<rt::StdFont> ArialFont(double points, bool bold) {
    return std::make_shared<rt::StdFont>("Arial", points, bold);
}

void RendererTest::Configure(text::CRenderText& r, const gfx::CRect& target, const std::string& caption) {
    const auto font = ArialFont();
    r.SetFont(font.get());
    r.SetEnabled(true);
    r.SetForeColor(0);
    r.SetBackColor(0xFFFFFF);
    r.SetText(caption);
    r.TargetRect() = target;
}

} // namespace text_test
