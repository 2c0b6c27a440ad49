#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"

#include <cstdint>

// Where windows are and how big: moving and sizing, and mapping points between a window's client
// area, another window's and the screen. A window's position is in its parent's client
// coordinates (the screen's for a top-level window) and, without a frame, its window rectangle is
// its client area.
namespace user {

// SetWindowPos: the window to insert after, and the flags
constexpr HWND HWND_TOP{0};
constexpr HWND HWND_BOTTOM{1};
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;

// Sends WM_MOVE (lParam: the new position) when moved and WM_SIZE (SIZE_RESTORED, lParam: the new
// client size) when resized. The surface follows the size, keeping its pixels where they still fit;
// with repaint, the newly uncovered parts (or all of it, for CS_HREDRAW/CS_VREDRAW classes) are
// invalidated with erasing. Negative sizes count as 0.
bool MoveWindow(HWND hwnd, int32_t x, int32_t y, int32_t width, int32_t height, bool repaint);
bool SetWindowPos(HWND hwnd, HWND insertAfter, int32_t x, int32_t y, int32_t cx, int32_t cy, UINT flags);

bool GetClientRect(HWND hwnd, gdi::RECT* rect);
// The window rectangle in screen coordinates (the sum of the positions of it and its ancestors).
bool GetWindowRect(HWND hwnd, gdi::RECT* rect);
bool ClientToScreen(HWND hwnd, gdi::POINT* point);
bool ScreenToClient(HWND hwnd, gdi::POINT* point);
// Converts points from one window's client coordinates to another's (0: the screen).
int MapWindowPoints(HWND from, HWND to, gdi::POINT* points, int count);

} // namespace user
