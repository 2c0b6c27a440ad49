#include "platform/user/WindowGeometry.h"

#include "platform/user/MessageQueue.h"
#include "platform/user/Messages.h"
#include "platform/user/Surface.h"
#include "platform/user/Window.h"
#include "platform/user/WindowClass.h"
#include "platform/user/WindowOps.h"

#include <algorithm>

namespace user {

using detail::Window;
using detail::window_of;
using detail::windows;

namespace {

// The surface and the update region follow the new size. With redraw, what the window shows
// anew needs painting: all of it for a class that redraws on that change of size, else only the
// strips uncovered on the right and at the bottom.
void resize(HWND hwnd, int32_t width, int32_t height, bool redraw) {
    Window& w = *windows().find(hwnd);
    const int32_t old_width = w.width;
    const int32_t old_height = w.height;
    w.width = width;
    w.height = height;
    detail::resize_surface(w, width, height);
    w.update.clip({0, 0, width, height});
    if (w.update.empty()) w.erase = false;
    if (!redraw || !IsWindowVisible(hwnd)) return;
    const bool whole = ((w.classStyle & CS_HREDRAW) && width != old_width) ||
                       ((w.classStyle & CS_VREDRAW) && height != old_height);
    if (whole) {
        detail::invalidate_client(w, true);
        return;
    }
    detail::invalidate_rect(w, {old_width, 0, width, height}, true);
    detail::invalidate_rect(w, {0, old_height, width, height}, true);
}

// Adds (sign 1) or takes away (sign -1) the screen position of the window's client area.
bool shift_by_origin(HWND hwnd, gdi::POINT* point, int32_t sign) {
    if (!window_of(hwnd) || !point) return false;
    const gdi::POINT origin = detail::screen_origin(hwnd);
    point->x += sign * origin.x;
    point->y += sign * origin.y;
    return true;
}

} // namespace

namespace detail {

gdi::POINT screen_origin(HWND hwnd) {
    gdi::POINT origin{0, 0};
    for (const Window* w = windows().find(hwnd); w; w = windows().find(w->parent)) {
        origin.x += w->x;
        origin.y += w->y;
    }
    return origin;
}

} // namespace detail

bool MoveWindow(HWND hwnd, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint) {
    return SetWindowPos(hwnd, HWND_TOP, x, y, width, height, SWP_NOZORDER | (repaint ? 0 : SWP_NOREDRAW));
}

bool SetWindowPos(HWND hwnd, HWND insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy, UINT flags) {
    Window* w = window_of(hwnd);
    if (!w) return false;
    if (!(flags & SWP_NOZORDER) && !detail::move_in_z_order(hwnd, insertAfter)) return false;
    if (flags & SWP_HIDEWINDOW) detail::set_visible(hwnd, false, false);
    if (!(w = windows().find(hwnd))) return true;
    const bool moved = !(flags & SWP_NOMOVE) && (x != w->x || y != w->y);
    const int32_t width = std::max(cx, 0);
    const int32_t height = std::max(cy, 0);
    const bool sized = !(flags & SWP_NOSIZE) && (width != w->width || height != w->height);
    if (moved) {
        w->x = x;
        w->y = y;
    }
    if (sized) resize(hwnd, width, height, !(flags & SWP_NOREDRAW));
    if (flags & SWP_SHOWWINDOW) detail::set_visible(hwnd, true, false);
    if (moved) SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(x, y));
    if (sized && IsWindow(hwnd)) SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height));
    return true;
}

bool GetClientRect(HWND hwnd, gdi::RECT* rect) {
    const Window* w = window_of(hwnd);
    if (!w || !rect) return false;
    *rect = {0, 0, w->width, w->height};
    return true;
}

bool GetWindowRect(HWND hwnd, gdi::RECT* rect) {
    const Window* w = window_of(hwnd);
    if (!w || !rect) return false;
    const gdi::POINT origin = detail::screen_origin(hwnd);
    *rect = {origin.x, origin.y, origin.x + w->width, origin.y + w->height};
    return true;
}

bool ClientToScreen(HWND hwnd, gdi::POINT* point) {
    return shift_by_origin(hwnd, point, 1);
}

bool ScreenToClient(HWND hwnd, gdi::POINT* point) {
    return shift_by_origin(hwnd, point, -1);
}

int MapWindowPoints(HWND from, HWND to, gdi::POINT* points, int count) {
    if ((from && !window_of(from)) || (to && !window_of(to))) return 0;
    const gdi::POINT a = detail::screen_origin(from);
    const gdi::POINT b = detail::screen_origin(to);
    const int32_t dx = a.x - b.x;
    const int32_t dy = a.y - b.y;
    for (int i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return static_cast<int>(MAKELPARAM(dx, dy));
}

} // namespace user
