#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"

#include <cstdint>
#include <string>
#include <vector>

// Windows: creation and destruction, the window tree and its z-order, position and size, styles
// and the window procedure, enabling and showing. Every window of the calling thread lives in one
// table; a destroyed window's handle stays recognisably stale, and every call given a 0 or stale
// handle fails (0, false) with the last error ERROR_INVALID_WINDOW_HANDLE, never crashes.
//
// A window has no frame or caption: its window rectangle is its client area. Positions are in the
// client coordinates of the parent; a window without a parent is a top-level window placed on the
// screen. A window with a parent is a child window whether or not WS_CHILD is in its style.
// Every window owns a 32-bit surface the size of its client area (see Paint.h).
namespace user {

// Window styles
constexpr uint32_t WS_OVERLAPPED = 0x00000000;
constexpr uint32_t WS_POPUP = 0x80000000;
constexpr uint32_t WS_CHILD = 0x40000000;
constexpr uint32_t WS_VISIBLE = 0x10000000;
constexpr uint32_t WS_DISABLED = 0x08000000;
constexpr uint32_t WS_CLIPSIBLINGS = 0x04000000;
constexpr uint32_t WS_CLIPCHILDREN = 0x02000000;
constexpr uint32_t WS_GROUP = 0x00020000;
constexpr uint32_t WS_TABSTOP = 0x00010000;

// Extended styles
constexpr uint32_t WS_EX_NOPARENTNOTIFY = 0x00000004;
constexpr uint32_t WS_EX_TRANSPARENT = 0x00000020;
constexpr uint32_t WS_EX_CONTROLPARENT = 0x00010000;

// Class styles
constexpr uint32_t CS_VREDRAW = 0x0001; // repaint all of it when the height changes
constexpr uint32_t CS_HREDRAW = 0x0002; // repaint all of it when the width changes
constexpr uint32_t CS_DBLCLKS = 0x0008; // receives double-click messages
constexpr uint32_t CS_OWNDC = 0x0020;   // every window here behaves so: one DC for its whole life

// Get/SetWindowLong(Ptr) indexes
constexpr int GWLP_WNDPROC = -4;
constexpr int GWL_WNDPROC = GWLP_WNDPROC;
constexpr int GWLP_HINSTANCE = -6;
constexpr int GWLP_ID = -12;
constexpr int GWL_ID = GWLP_ID;
constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWLP_USERDATA = -21;
constexpr int GWL_USERDATA = GWLP_USERDATA;

// GetWindow relations. Siblings are in z-order, topmost first.
constexpr UINT GW_HWNDFIRST = 0;
constexpr UINT GW_HWNDLAST = 1;
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;

// ShowWindow commands
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWNA = 8;

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

// ChildWindowFromPointEx flags
constexpr UINT CWP_ALL = 0;
constexpr UINT CWP_SKIPINVISIBLE = 1;
constexpr UINT CWP_SKIPDISABLED = 2;

using ATOM = uint16_t;

// A window class: the procedure, class style and background brush its windows start with. The
// background may be a brush handle or, as on the platform, a system colour index plus one
// (HBRUSH{COLOR_BTNFACE + 1}); the window system then paints with that colour as it is at the time.
struct WNDCLASSA {
    uint32_t style = 0;
    WNDPROC lpfnWndProc = nullptr;
    int cbClsExtra = 0;
    int cbWndExtra = 0;
    uintptr_t hInstance = 0;
    uintptr_t hIcon = 0;
    uintptr_t hCursor = 0;
    gdi::HBRUSH hbrBackground;
    const char* lpszMenuName = nullptr;
    const char* lpszClassName = nullptr;
};

// What WM_CREATE gets in its lParam (as a pointer).
struct CREATESTRUCTA {
    void* lpCreateParams = nullptr;
    uintptr_t hInstance = 0;
    uintptr_t hMenu = 0; // a child's identifier
    HWND hwndParent;
    int32_t cy = 0;
    int32_t cx = 0;
    int32_t y = 0;
    int32_t x = 0;
    uint32_t style = 0;
    const char* lpszName = nullptr;
    const char* lpszClass = nullptr;
    uint32_t dwExStyle = 0;
};

// Class names compare without regard to case. Registering a name twice fails with
// ERROR_CLASS_ALREADY_EXISTS; a class without a procedure or name fails with ERROR_INVALID_PARAMETER.
ATOM RegisterClassA(const WNDCLASSA* wndClass);
// Fails while a window of the class exists (ERROR_CLASS_HAS_WINDOWS).
bool UnregisterClassA(const char* className, uintptr_t instance);

// The platform's creation call. Sends WM_CREATE (a result of -1 destroys the window again and
// CreateWindowExA returns 0), then WM_SIZE and WM_MOVE, then WM_PARENTNOTIFY(WM_CREATE) to the
// parent unless the window has WS_EX_NOPARENTNOTIFY. New children go to the bottom of their
// siblings' z-order, so the first child created is the first in GW_CHILD order (as tab order
// follows creation order); new top-level windows go to the top. A visible window starts with all
// of its client area to paint, with erasing.
HWND CreateWindowExA(uint32_t exStyle, const char* className, const char* windowName, uint32_t style,
                     int32_t x, int32_t y, int32_t width, int32_t height, HWND parent, uintptr_t menuOrId,
                     uintptr_t instance, void* param);

// The same without a registered class: the procedure, class style and background are given here.
struct WindowSpec {
    WNDPROC proc = nullptr;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    uint32_t classStyle = 0;
    gdi::HBRUSH background; // as WNDCLASSA::hbrBackground
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    HWND parent;
    uintptr_t id = 0;
    std::string text;
    void* param = nullptr;
};
HWND CreateWindow(const WindowSpec& window);

// Sends WM_PARENTNOTIFY(WM_DESTROY) to the parent (unless WS_EX_NOPARENTNOTIFY), hides the window
// (moving the focus out of it), sends WM_DESTROY to it and then to its descendants, WM_NCDESTROY to
// the descendants (deepest first) and then to it, and frees it with its properties and surface.
// A window being destroyed already is not destroyed twice (false).
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);

// GWL_STYLE, GWL_EXSTYLE, GWLP_WNDPROC, GWLP_USERDATA, GWLP_ID, GWLP_HINSTANCE. The setter returns
// the previous value; an unknown index fails with ERROR_INVALID_INDEX (0). Replacing GWLP_WNDPROC
// returns the previous procedure, so subclassing by replacement and chaining with CallWindowProcA
// are real. Setting WS_VISIBLE or WS_DISABLED through GWL_STYLE changes the flag only, without
// messages, as on the platform.
LONG_PTR GetWindowLongPtrA(HWND hwnd, int index);
LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value);
// The 32-bit forms. A window procedure does not fit in 32 bits, so GWLP_WNDPROC reads as a 32-bit
// procedure handle (as the platform hands out for procedures it must translate); such a handle is
// accepted back by SetWindowLong(Ptr)A and CallWindowProcA.
int32_t GetWindowLongA(HWND hwnd, int index);
int32_t SetWindowLongA(HWND hwnd, int index, int32_t value);

HWND GetParent(HWND hwnd);
// Moves the window under a new parent (0: makes it top-level), at the bottom of the new siblings'
// z-order and at the same position relative to the new parent. Returns the previous parent; fails
// when the new parent is the window itself or one of its descendants.
HWND SetParent(HWND child, HWND newParent);
HWND GetWindow(HWND hwnd, UINT relation);
// The children of a window in z-order, topmost first (the top-level windows for 0).
std::vector<HWND> ChildWindows(HWND parent);
bool IsChild(HWND parent, HWND hwnd); // a descendant at any depth
// GA_PARENT: the parent (0 for a top-level window); GA_ROOT: the top-level window at the root of
// hwnd's tree (itself when it has no parent).
constexpr UINT GA_PARENT = 1;
constexpr UINT GA_ROOT = 2;
HWND GetAncestor(HWND hwnd, UINT flags);

// Sends WM_ENABLE when the state changes; returns true when the window was disabled before. A
// disabled window loses the focus (also when the focus is in one of its descendants).
bool EnableWindow(HWND hwnd, bool enable);
bool IsWindowEnabled(HWND hwnd);
// Sends WM_SHOWWINDOW when the state changes; returns true when the window was visible before.
// Hiding moves the focus out of the window to its parent; showing makes the window paint.
bool ShowWindow(HWND hwnd, int command);
// WS_VISIBLE on the window and on every ancestor.
bool IsWindowVisible(HWND hwnd);

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

// The child containing the point (parent client coordinates), topmost first; the parent itself when
// no child does; 0 when the point is outside the parent. ChildWindowFromPoint includes hidden and
// disabled children, as on the platform; the Ex form can skip them.
HWND ChildWindowFromPoint(HWND parent, gdi::POINT point);
HWND ChildWindowFromPointEx(HWND parent, gdi::POINT point, UINT flags);
// The deepest visible, enabled window at a screen point, searched from the topmost top-level
// window; a disabled window yields its parent, as on the platform.
HWND WindowFromPoint(gdi::POINT point);

bool SetWindowTextA(HWND hwnd, const char* text);
// Copies at most size - 1 characters and a terminating zero; returns the characters copied.
int GetWindowTextA(HWND hwnd, char* text, int size);
int GetWindowTextLengthA(HWND hwnd);
int GetDlgCtrlID(HWND hwnd);

} // namespace user
