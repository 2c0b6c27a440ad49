#include "platform/gdi/Gdi.h"
#include "platform/gdi/Trace.h"
#include "platform/user/Draw.h"
#include "platform/user/QuietGdi.h"

#include <algorithm>
#include <utility>

namespace user {

namespace {

bool is_dc(gdi::HDC hdc) {
    const uint32_t type = gdi::GetObjectType(hdc);
    return type == gdi::OBJ_DC || type == gdi::OBJ_MEMDC;
}

// Inverts the frame pixels of `r` (device coordinates) whose offset from the top-left corner has
// an even sum, inside the surface and the clip region. Every frame pixel is visited once, also when
// the frame is one pixel wide or high, so a second call undoes the first exactly.
void invert_frame(const gdi::SurfaceView& view, const gdi::RECT& r, gdi::HRGN clip) {
    const auto flip = [&](int32_t x, int32_t y) {
        if (((x - r.left) + (y - r.top)) % 2 != 0) return;
        if (x < 0 || y < 0 || x >= view.width || y >= view.height) return;
        if (clip && !gdi::PtInRegion(clip, x, y)) return;
        view.pixels[size_t(y) * view.stride + x] ^= 0xFFFFFF;
    };
    const int32_t last_x = r.right - 1;
    const int32_t last_y = r.bottom - 1;
    for (int32_t x = r.left; x <= last_x; ++x) {
        flip(x, r.top);
        if (last_y != r.top) flip(x, last_y);
    }
    for (int32_t y = r.top + 1; y < last_y; ++y) {
        flip(r.left, y);
        if (last_x != r.left) flip(last_x, y);
    }
}

} // namespace

bool DrawFocusRect(gdi::HDC hdc, const gdi::RECT* rect) {
    if (!rect) return false;
    {
        detail::QuietGdi quiet;
        if (!is_dc(hdc)) return false;
        gdi::POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
        gdi::LPtoDP(hdc, corners, 2);
        const gdi::RECT device{std::min(corners[0].x, corners[1].x), std::min(corners[0].y, corners[1].y),
                               std::max(corners[0].x, corners[1].x), std::max(corners[0].y, corners[1].y)};
        const gdi::SurfaceView view = gdi::LockDC(hdc);
        gdi::HRGN clip = gdi::CreateRectRgn(0, 0, 0, 0);
        if (gdi::GetClipRgn(hdc, clip) != 1) {
            gdi::DeleteObject(clip);
            clip = {};
        }
        if (view.pixels && device.right > device.left && device.bottom > device.top)
            invert_frame(view, device, clip);
        if (clip) gdi::DeleteObject(clip);
    }
    gdi::TraceRecord record;
    record.name = "DrawFocusRect";
    record.args = {rect->left, rect->top, rect->right, rect->bottom};
    gdi::trace_record(std::move(record));
    return true;
}

} // namespace user
