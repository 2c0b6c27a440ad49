#include "platform/user/Paint.h"

#include "platform/gdi/Gdi.h"
#include "platform/user/Display.h"
#include "platform/user/Errors.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/QuietGdi.h"
#include "platform/user/Window.h"
#include "platform/user/WindowOps.h"

namespace user {

using detail::Window;
using detail::window_of;
using detail::windows;

namespace {

bool is_region(gdi::HRGN region) {
    detail::QuietGdi quiet;
    return gdi::GetObjectType(region) == gdi::OBJ_REGION;
}

// The update region as a new GDI region (the caller deletes it).
gdi::HRGN region_of(const detail::RectSet& set) {
    const gdi::HRGN region = gdi::CreateRectRgn(0, 0, 0, 0);
    for (const gdi::RECT& r : set.rects()) {
        const gdi::HRGN part = gdi::CreateRectRgnIndirect(&r);
        gdi::CombineRgn(region, region, part, gdi::RGN_OR);
        gdi::DeleteObject(part);
    }
    return region;
}

// Clips the window's DC to its update region (within the DC's own clipping), remembering the DC's
// own clipping for restore_clip.
void clip_to_update(Window& w) {
    detail::QuietGdi quiet;
    const gdi::HRGN own = gdi::CreateRectRgn(0, 0, 0, 0);
    w.hadClip = gdi::GetClipRgn(w.dc, own) == 1;
    const gdi::HRGN clip = region_of(w.update);
    if (w.hadClip) {
        gdi::CombineRgn(clip, clip, own, gdi::RGN_AND);
        if (w.savedClip) gdi::DeleteObject(w.savedClip);
        w.savedClip = own;
    } else {
        gdi::DeleteObject(own);
    }
    gdi::SelectClipRgn(w.dc, clip);
    gdi::DeleteObject(clip);
}

void restore_clip(Window& w) {
    detail::QuietGdi quiet;
    gdi::SelectClipRgn(w.dc, w.hadClip ? w.savedClip : gdi::HRGN{});
    if (w.savedClip) gdi::DeleteObject(w.savedClip);
    w.savedClip = {};
    w.hadClip = false;
}

// Sends WM_ERASEBKGND with the DC clipped to the update region; returns the handler's result.
LRESULT send_erase(HWND hwnd) {
    Window* w = windows().find(hwnd);
    w->erase = false;
    const bool clipped_already = w->painting;
    if (!clipped_already) clip_to_update(*w);
    const gdi::HDC dc = w->dc;
    const LRESULT erased = SendMessageA(hwnd, WM_ERASEBKGND, WPARAM(dc.value), 0);
    if (!clipped_already)
        if (Window* still = windows().find(hwnd)) restore_clip(*still);
    return erased;
}

} // namespace

namespace detail {

void invalidate_rect(Window& w, const gdi::RECT& rect, bool erase) {
    RectSet added;
    added.add(rect);
    added.clip({0, 0, w.width, w.height});
    if (added.empty()) return;
    for (const gdi::RECT& r : added.rects())
        w.update.add(r);
    w.erase = w.erase || erase;
    ++w.invalidations;
}

void invalidate_client(Window& w, bool erase) {
    invalidate_rect(w, {0, 0, w.width, w.height}, erase);
}

} // namespace detail

gdi::HDC GetDC(HWND hwnd) {
    if (!hwnd) return ScreenDC();
    const Window* w = window_of(hwnd);
    return w ? w->dc : gdi::HDC{};
}

int ReleaseDC(HWND hwnd, gdi::HDC hdc) {
    if (!hwnd) return hdc && hdc == ScreenDC() ? 1 : 0;
    const Window* w = window_of(hwnd);
    return w && hdc && w->dc == hdc ? 1 : 0;
}

HWND WindowFromDC(gdi::HDC hdc) {
    if (!hdc) return {};
    for (HWND hwnd : windows().all())
        if (windows().find(hwnd)->dc == hdc) return hwnd;
    return {};
}

bool InvalidateRect(HWND hwnd, const gdi::RECT* rect, bool erase) {
    if (!hwnd) {
        for (HWND each : windows().all())
            InvalidateRect(each, nullptr, erase);
        return true;
    }
    Window* w = window_of(hwnd);
    if (!w) return false;
    if (rect)
        detail::invalidate_rect(*w, *rect, erase);
    else
        detail::invalidate_client(*w, erase);
    return true;
}

bool InvalidateRgn(HWND hwnd, gdi::HRGN region, bool erase) {
    if (!region) return InvalidateRect(hwnd, nullptr, erase);
    Window* w = window_of(hwnd);
    if (!w) return false;
    if (!is_region(region)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    for (const gdi::RECT& r : gdi::GetRegionRects(region))
        detail::invalidate_rect(*w, r, erase);
    return true;
}

bool ValidateRect(HWND hwnd, const gdi::RECT* rect) {
    Window* w = window_of(hwnd);
    if (!w) return false;
    if (rect)
        w->update.remove(*rect);
    else
        w->update.clear();
    if (w->update.empty()) w->erase = false;
    return true;
}

bool ValidateRgn(HWND hwnd, gdi::HRGN region) {
    if (!region) return ValidateRect(hwnd, nullptr);
    Window* w = window_of(hwnd);
    if (!w) return false;
    for (const gdi::RECT& r : gdi::GetRegionRects(region))
        w->update.remove(r);
    if (w->update.empty()) w->erase = false;
    return true;
}

bool GetUpdateRect(HWND hwnd, gdi::RECT* rect, bool erase) {
    Window* w = window_of(hwnd);
    if (!w) return false;
    if (rect) *rect = w->update.bounds();
    const bool any = !w->update.empty();
    if (erase && any && w->erase) send_erase(hwnd);
    return any;
}

int GetUpdateRgn(HWND hwnd, gdi::HRGN region, bool erase) {
    Window* w = window_of(hwnd);
    if (!w || !is_region(region)) return gdi::ERROR;
    int complexity;
    {
        detail::QuietGdi quiet;
        const gdi::HRGN update = region_of(w->update);
        complexity = gdi::CombineRgn(region, update, update, gdi::RGN_COPY);
        gdi::DeleteObject(update);
    }
    if (erase && !w->update.empty() && w->erase) send_erase(hwnd);
    return complexity;
}

bool UpdateWindow(HWND hwnd) {
    const Window* w = window_of(hwnd);
    if (!w) return false;
    if (!w->update.empty() && IsWindowVisible(hwnd)) SendMessageA(hwnd, WM_PAINT, 0, 0);
    return true;
}

gdi::HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
    Window* w = window_of(hwnd);
    if (!w || !paint) return {};
    if (w->painting) restore_clip(*w);
    clip_to_update(*w);
    w->painting = true;
    paint->hdc = w->dc;
    paint->rcPaint = w->update.bounds();
    paint->fErase = false;
    // The window counts as painted from here on: what the erase handler invalidates comes back.
    const bool erase = w->erase;
    w->update.clear();
    w->erase = false;
    if (erase) paint->fErase = SendMessageA(hwnd, WM_ERASEBKGND, WPARAM(paint->hdc.value), 0) == 0;
    return paint->hdc;
}

bool EndPaint(HWND hwnd, const PAINTSTRUCT*) {
    Window* w = window_of(hwnd);
    if (!w) return false;
    if (w->painting) restore_clip(*w);
    w->painting = false;
    return true;
}

} // namespace user
