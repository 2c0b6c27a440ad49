#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"

#include <cstdint>

// Painting a window: its surface and device context, its update region, and the WM_ERASEBKGND /
// WM_PAINT protocol. Every window behaves as a CS_OWNDC window: GetDC returns the same DC over the
// window's own 32-bit surface for its whole life (a control may keep it), and the DC dies with the
// window. Nothing a window draws reaches another window's pixels; the host's compositor puts the
// surfaces together.
namespace user {

// The window's own DC; for 0, the screen's DC (Display.h). 0 for a stale window.
gdi::HDC GetDC(HWND hwnd);
// The window's own DC is never really released: 1 when hdc is hwnd's DC (or the screen's, for 0),
// else 0.
int ReleaseDC(HWND hwnd, gdi::HDC hdc);
// The window whose DC hdc is, or 0.
HWND WindowFromDC(gdi::HDC hdc);

// Adds a rectangle (client coordinates; null: the whole client area) to the update region, clipped
// to the client area. Erasing, once asked, stays asked until the window is painted. hwnd 0
// invalidates every window of the thread.
bool InvalidateRect(HWND hwnd, const gdi::RECT* rect, bool erase);
bool InvalidateRgn(HWND hwnd, gdi::HRGN region, bool erase);
// Removes a rectangle (null: everything) from the update region.
bool ValidateRect(HWND hwnd, const gdi::RECT* rect);
bool ValidateRgn(HWND hwnd, gdi::HRGN region);
// The bounding box of the update region (empty when there is none); returns whether there is one.
// With erase, sends WM_ERASEBKGND now when erasing is pending.
bool GetUpdateRect(HWND hwnd, gdi::RECT* rect, bool erase);
// Copies the update region into an existing region; returns its complexity (gdi::ERROR on failure).
int GetUpdateRgn(HWND hwnd, gdi::HRGN region, bool erase);
// Sends WM_PAINT now when the window is visible and has something to paint.
bool UpdateWindow(HWND hwnd);

struct PAINTSTRUCT {
    gdi::HDC hdc;
    bool fErase = false; // true when the background still needs erasing (WM_ERASEBKGND returned 0)
    gdi::RECT rcPaint;   // bounding box of the area to paint
};

// Returns the window's DC clipped to the update region and validates the window. When erasing was
// asked, sends WM_ERASEBKGND first (wParam: the DC). The DC's own clipping is put back by EndPaint.
gdi::HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
bool EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

} // namespace user
