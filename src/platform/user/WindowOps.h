#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/WindowTable.h"

// Steps that several parts of the window system share. Internal.
namespace user::detail {

// Adds a client rectangle to the update region (clipped to the client area).
void invalidate_rect(Window& w, const gdi::RECT& rect, bool erase);
void invalidate_client(Window& w, bool erase);

// True when hwnd is `root` or one of its descendants.
bool in_tree(HWND root, HWND hwnd);

// When the focus is in hwnd's tree, it moves to `to` (0: nowhere); the capture is released.
void take_focus_from_tree(HWND hwnd, HWND to);

// The screen position of a window's client area.
gdi::POINT screen_origin(HWND hwnd);

} // namespace user::detail
