#include "platform/user/Surface.h"

#include "platform/gdi/Gdi.h"
#include "platform/user/QuietGdi.h"

#include <algorithm>
#include <cstring>

namespace user::detail {

namespace {

int32_t surface_side(int32_t side) {
    return std::max(side, 1);
}

} // namespace

bool create_surface(Window& w) {
    QuietGdi quiet;
    // A window's DC is bound to its surface; a resize rebinds it to a new surface, so the DC, which
    // a control may keep, stays the same.
    w.surface = gdi::CreateBitmap32(surface_side(w.width), surface_side(w.height), nullptr);
    if (w.surface) w.dc = gdi::CreateSurfaceDC(w.surface);
    if (!w.dc || !w.surface) {
        destroy_surface(w);
        return false;
    }
    return true;
}

void resize_surface(Window& w, int32_t width, int32_t height) {
    QuietGdi quiet;
    const gdi::SurfaceView old_view = gdi::LockBitmap(w.surface);
    const int32_t new_width = surface_side(width);
    const int32_t new_height = surface_side(height);
    if (old_view.width == new_width && old_view.height == new_height) return;
    const gdi::HBITMAP bitmap = gdi::CreateBitmap32(new_width, new_height, nullptr);
    if (!bitmap) return;
    const gdi::SurfaceView new_view = gdi::LockBitmap(bitmap);
    const int32_t rows = std::min(old_view.height, new_height);
    const int32_t columns = std::min(old_view.width, new_width);
    for (int32_t y = 0; y < rows; ++y)
        std::memcpy(new_view.pixels + size_t(y) * new_view.stride,
                    old_view.pixels + size_t(y) * old_view.stride, size_t(columns) * sizeof(uint32_t));
    if (!gdi::RebindSurfaceDC(w.dc, bitmap)) {
        gdi::DeleteObject(bitmap);
        return;
    }
    gdi::DeleteObject(w.surface);
    w.surface = bitmap;
}

void destroy_surface(Window& w) {
    QuietGdi quiet;
    if (w.dc) gdi::DeleteDC(w.dc);
    if (w.surface) gdi::DeleteObject(w.surface);
    if (w.savedClip) gdi::DeleteObject(w.savedClip);
    w.dc = {};
    w.surface = {};
    w.savedClip = {};
}

} // namespace user::detail
