#include "platform/host/Compositor.h"

#include "platform/gdi/Gdi.h"
#include "platform/user/Paint.h"
#include "platform/user/Rects.h"
#include "platform/user/Window.h"


namespace host {

namespace {

// Copies one window's surface with its client area at (x, y), within `clip`, then its children.
void composite(user::HWND hwnd, gdi::HDC target, int32_t x, int32_t y, const gdi::RECT& clip) {
    gdi::RECT client;
    if (!user::GetClientRect(hwnd, &client)) return;
    const gdi::RECT placed{x, y, x + client.right, y + client.bottom};
    gdi::RECT visible;
    if (!user::IntersectRect(&visible, &placed, &clip)) return;
    gdi::BitBlt(target, visible.left, visible.top, visible.right - visible.left, visible.bottom - visible.top,
                user::GetDC(hwnd), visible.left - x, visible.top - y, gdi::SRCCOPY);
    // Bottom of the z-order first, so the topmost child ends up on top.
    const std::vector<user::HWND> children = user::ChildWindows(hwnd);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        user::HWND child = *it;
        if (!(user::GetWindowLongPtrA(child, user::GWL_STYLE) & user::WS_VISIBLE)) continue;
        gdi::POINT at{0, 0};
        user::MapWindowPoints(child, hwnd, &at, 1);
        composite(child, target, x + at.x, y + at.y, visible);
    }
}

} // namespace

void CompositeWindow(user::HWND top, gdi::HDC target, int x, int y) {
    gdi::RECT client;
    if (!user::GetClientRect(top, &client) || !gdi::GetObjectType(target)) return;
    composite(top, target, x, y, {x, y, x + client.right, y + client.bottom});
}

gdi::HBITMAP CompositeToBitmap(user::HWND top) {
    gdi::RECT client;
    if (!user::GetClientRect(top, &client)) return {};
    const gdi::HBITMAP bitmap = gdi::CreateBitmap32(client.right, client.bottom, nullptr);
    if (!bitmap) return {};
    const gdi::HDC dc = gdi::CreateCompatibleDC({});
    const gdi::HGDIOBJ previous = gdi::SelectObject(dc, bitmap);
    CompositeWindow(top, dc, 0, 0);
    gdi::SelectObject(dc, previous);
    gdi::DeleteDC(dc);
    return bitmap;
}

} // namespace host
