#pragma once

#include "platform/gdi/Handles.h"
#include "platform/user/Hwnd.h"
#include "platform/user/WindowClass.h"
#include "platform/user/WindowGeometry.h"
#include "platform/user/WindowLong.h"
#include "platform/user/WindowTree.h"

#include <cstdint>
#include <string>

// Windows: creation and destruction, enabling and showing, and their text. Every window of the
// calling thread lives in one table; a destroyed window's handle stays recognisably stale, and
// every call given a 0 or stale handle fails (0, false) with the last error
// ERROR_INVALID_WINDOW_HANDLE, never crashes. What a window is made of has a header each, included
// here for every user of windows: its class (WindowClass.h), its window-long values
// (WindowLong.h), its place in the window tree (WindowTree.h) and its geometry (WindowGeometry.h).
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

// ShowWindow commands
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOWNOACTIVATE = 4;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWNA = 8;

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
struct WindowParams {
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
HWND CreateWindow(const WindowParams& window);

// Sends WM_PARENTNOTIFY(WM_DESTROY) to the parent (unless WS_EX_NOPARENTNOTIFY), hides the window
// (moving the focus out of it), sends WM_DESTROY to it and then to its descendants, WM_NCDESTROY to
// the descendants (deepest first) and then to it, and frees it with its properties and surface.
// A window being destroyed already is not destroyed twice (false).
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);

// Sends WM_ENABLE when the state changes; returns true when the window was disabled before. A
// disabled window loses the focus (also when the focus is in one of its descendants).
bool EnableWindow(HWND hwnd, bool enable);
bool IsWindowEnabled(HWND hwnd);
// Sends WM_SHOWWINDOW when the state changes; returns true when the window was visible before.
// Hiding moves the focus out of the window to its parent; showing makes the window paint.
bool ShowWindow(HWND hwnd, int command);
// WS_VISIBLE on the window and on every ancestor.
bool IsWindowVisible(HWND hwnd);

bool SetWindowTextA(HWND hwnd, const char* text);
// Copies at most size - 1 characters and a terminating zero; returns the characters copied.
int GetWindowTextA(HWND hwnd, char* text, int size);
int GetWindowTextLengthA(HWND hwnd);
int GetDlgCtrlID(HWND hwnd);

} // namespace user
