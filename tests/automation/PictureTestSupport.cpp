#include "PictureTestSupport.h"

#include "platform/gdi/Gdi.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace picture_test {

namespace {

Pixels surface_pixels(gdi::HBITMAP bitmap) {
    const gdi::SurfaceView view = gdi::LockBitmap(bitmap);
    Pixels out;
    for (int32_t y = 0; y < view.height; ++y)
        for (int32_t x = 0; x < view.width; ++x)
            out.push_back(view.pixels[size_t(y) * view.stride + x]);
    return out;
}

// Draws with `draw` on a memory DC holding a surface of the given size filled with `background`.
template <class Draw>
Pixels drawn_on(gdi::SIZE size, uint32_t background, Draw&& draw) {
    size.cx = std::max(size.cx, 1);
    size.cy = std::max(size.cy, 1);
    const std::vector<uint32_t> fill(size_t(size.cx) * size_t(size.cy), background);
    const gdi::HBITMAP surface = gdi::CreateBitmap32(size.cx, size.cy, fill.data());
    const gdi::HDC dc = gdi::CreateCompatibleDC({});
    const gdi::HGDIOBJ previous = gdi::SelectObject(dc, surface);
    EXPECT_TRUE(draw(dc));
    gdi::SelectObject(dc, previous);
    gdi::DeleteDC(dc);
    Pixels out = surface_pixels(surface);
    gdi::DeleteObject(surface);
    return out;
}

} // namespace

Pixels bitmap_pixels(const rt::StdPicture& picture) {
    return surface_pixels(picture.bitmap());
}

std::vector<uint8_t> bitmap_mask(const rt::StdPicture& picture) {
    if (!picture.mask()) return {};
    std::vector<uint8_t> out;
    for (uint32_t p : surface_pixels(picture.mask()))
        out.push_back((p & 0xFFFFFF) != 0);
    return out;
}

Pixels drawn_icon(const rt::StdPicture& picture, uint32_t background) {
    return drawn_on(picture.PixelSize(), background, [&](gdi::HDC dc) {
        return gdi::DrawIconEx(dc, 0, 0, picture.icon(), 0, 0, 0, {}, gdi::DI_NORMAL);
    });
}

Pixels rendered(const rt::StdPicture& picture, uint32_t background) {
    return drawn_on(picture.PixelSize(), background, [&](gdi::HDC dc) { return picture.Render(dc, 0, 0); });
}

} // namespace picture_test
