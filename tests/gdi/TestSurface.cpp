#include "TestSurface.h"

#include <algorithm>
#include <climits>

using namespace gdi;

TestSurface::TestSurface(int32_t w, int32_t h, COLORREF background)
    : width(w), height(h), dc(CreateCompatibleDC(HDC{})), bitmap(CreateBitmap32(w, h, nullptr)),
      previous(SelectObject(dc, bitmap)) {
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, w, h};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
}

TestSurface::~TestSurface() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
}

COLORREF TestSurface::at(int32_t x, int32_t y) const {
    // Device pixels straight from the surface, whatever mapping or clipping the DC has.
    const SurfaceView view = LockBitmap(bitmap);
    if (x < 0 || y < 0 || x >= view.width || y >= view.height) return CLR_INVALID;
    const uint32_t px = view.pixels[y * view.stride + x];
    return RGB(uint8_t(px >> 16), uint8_t(px >> 8), uint8_t(px));
}

int TestSurface::count(COLORREF color) const {
    int n = 0;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            n += at(x, y) == color;
    return n;
}

int TestSurface::count_not(COLORREF color) const {
    return width * height - count(color);
}

namespace {

RECT bounds_where(const TestSurface& s, COLORREF color, bool equal) {
    RECT r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int32_t y = 0; y < s.height; ++y)
        for (int32_t x = 0; x < s.width; ++x)
            if ((s.at(x, y) == color) == equal) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    if (r.left == INT_MAX) return {};
    return r;
}

} // namespace

RECT TestSurface::bounds(COLORREF color) const {
    return bounds_where(*this, color, true);
}
RECT TestSurface::bounds_not(COLORREF color) const {
    return bounds_where(*this, color, false);
}

std::string TestSurface::picture(COLORREF color) const {
    std::string out;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            out += at(x, y) == color ? '#' : '.';
        out += '\n';
    }
    return out;
}
