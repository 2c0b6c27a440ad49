#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"

// Puts a window tree together into one picture. Every window draws on its own surface; the
// compositor copies each surface to its place: a window first, then its visible children from the
// bottom of the z-order to the top, each clipped to the client area of its parent (and so of every
// ancestor). A child is never hidden by its parent, whatever WS_CLIPCHILDREN says, and a child moved
// far outside its parent (x = -75000) shows nowhere.
namespace host {

// Draws `top` and its visible descendants into `target` with top's client area at (x, y) (the
// target's logical units; pixels for an MM_TEXT DC). `top` itself is drawn whether or not it is
// visible. Nothing happens for a stale window or DC.
void CompositeWindow(user::HWND top, gdi::HDC target, int x, int y);

// A new 32-bit bitmap of top's client size holding the composite; the caller deletes it. 0 for a
// stale window or an empty client area.
gdi::HBITMAP CompositeToBitmap(user::HWND top);

} // namespace host
