#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/WindowTable.h"

// Steps that several parts of the window system share. Internal.
namespace user::detail {

// The registered class of a name (without regard to case), or null.
WindowClass* find_class(const char* name);

// Adds a client rectangle to the update region (clipped to the client area).
void invalidate_rect(Window& w, const gdi::RECT& rect, bool erase);
void invalidate_client(Window& w, bool erase);

// Puts a window into its parent's children (at the bottom of the z-order) or among the top-level
// windows (at the top), and takes it out again.
void link(HWND hwnd, HWND parent);
void unlink(const Window& w, HWND hwnd);
// Moves a window within its siblings: to HWND_TOP, HWND_BOTTOM or after a sibling. An unknown
// sibling (or the window itself) fails with ERROR_INVALID_PARAMETER.
bool move_in_z_order(HWND hwnd, HWND insertAfter);
// True when hwnd is `root` or one of its descendants.
bool in_tree(HWND root, HWND hwnd);

// Sets or clears WS_VISIBLE, with WM_SHOWWINDOW first when `send_message`; hiding moves the focus
// out of the window to its parent, showing makes a window that is now visible paint all over.
// Returns whether the window was visible before.
bool set_visible(HWND hwnd, bool show, bool send_message);

// When the focus is in hwnd's tree, it moves to `to` (0: nowhere); the capture is released.
void take_focus_from_tree(HWND hwnd, HWND to);

// The screen position of a window's client area.
gdi::POINT screen_origin(HWND hwnd);

} // namespace user::detail
