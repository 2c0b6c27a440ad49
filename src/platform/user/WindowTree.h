#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"

#include <vector>

// The window tree: every window's parent and its children in z-order, and which window lies under
// a point. Siblings are in z-order, topmost first; the top-level windows are the children of 0.
namespace user {

// GetWindow relations
constexpr UINT GW_HWNDFIRST = 0;
constexpr UINT GW_HWNDLAST = 1;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;

// GetAncestor: GA_PARENT, the parent (0 for a top-level window); GA_ROOT, the top-level window at
// the root of the window's tree (itself when it has no parent).
constexpr UINT GA_PARENT = 1;
constexpr UINT GA_ROOT = 2;

// ChildWindowFromPointEx flags
constexpr UINT CWP_ALL = 0;
constexpr UINT CWP_SKIPINVISIBLE = 1;
constexpr UINT CWP_SKIPDISABLED = 2;

HWND GetParent(HWND hwnd);
// Moves the window under a new parent (0: makes it top-level), at the bottom of the new siblings'
// z-order and at the same position relative to the new parent. Returns the previous parent; fails
// when the new parent is the window itself or one of its descendants.
HWND SetParent(HWND child, HWND newParent);
HWND GetWindow(HWND hwnd, UINT relation);
// The children of a window in z-order, topmost first (the top-level windows for 0).
std::vector<HWND> ChildWindows(HWND parent);
bool IsChild(HWND parent, HWND hwnd); // a descendant at any depth
HWND GetAncestor(HWND hwnd, UINT flags);

// The child containing the point (parent client coordinates), topmost first; the parent itself when
// no child does; 0 when the point is outside the parent. ChildWindowFromPoint includes hidden and
// disabled children, as on the platform; the Ex form can skip them.
HWND ChildWindowFromPoint(HWND parent, gdi::POINT point);
HWND ChildWindowFromPointEx(HWND parent, gdi::POINT point, UINT flags);
// The deepest visible, enabled window at a screen point, searched from the topmost top-level
// window; a disabled window yields its parent, as on the platform.
HWND WindowFromPoint(gdi::POINT point);

} // namespace user
