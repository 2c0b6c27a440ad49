#pragma once

#include "platform/user/Hwnd.h"

#include <cstdint>

// Keyboard focus, mouse capture, the keyboard state, and helpers that deliver input the way the
// platform's input thread would: to the window under the mouse or holding the capture, to the
// window with the focus.
namespace user {

// Sends WM_KILLFOCUS (wParam: the new window) to the window losing the focus and WM_SETFOCUS
// (wParam: the old window) to the one getting it; returns the previous focus window. hwnd 0 takes
// the focus away. Fails (0) for a stale window and for a window that is disabled or has a disabled
// ancestor, leaving the focus where it was.
HWND SetFocus(HWND hwnd);
HWND GetFocus();

// While a window holds the capture, mouse input goes to it wherever the mouse is. Taking or
// releasing the capture sends WM_CAPTURECHANGED to the window losing it.
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();

// The state of a key: bit 15 (a negative value) while it is down. Mouse buttons (VK_LBUTTON ...)
// are keys too.
int16_t GetKeyState(int vk);
int16_t GetAsyncKeyState(int vk);
// Sets the recorded state of a key without sending anything (a host restoring a known state).
void SetKeyDown(int vk, bool down);

// Delivers one mouse message to the tree of `top`. (x, y) are in top's client coordinates; keys
// are MK_* flags (the button states follow the message). The target is the window holding the
// capture, or else the deepest visible, enabled window of the tree at the point; the point is
// converted to the target's client coordinates. For a button-down message, WM_PARENTNOTIFY with
// the button-down number and the point in each parent's client coordinates goes up the parent chain
// first, stopping at a window with WS_EX_NOPARENTNOTIFY (a double click notifies as a button-down).
// A double-click message for a window whose class lacks CS_DBLCLKS arrives as a button-down.
// Returns the window that received the message, 0 when the point is outside top or top is stale.
HWND SendMouseInput(HWND top, UINT message, int32_t x, int32_t y, WPARAM keys);

// Delivers a keyboard message (WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_CHAR, WM_SYSCHAR)
// to the focus window, updating the key state for key messages. lParam carries the repeat count 1
// and, for key-up messages, the previous-state and transition bits, as the platform sets them; Alt
// held sets the context bit. Returns the window that received it, 0 when no window has the focus.
HWND SendKeyInput(UINT message, WPARAM keyOrChar);

// The character a key produces with the current keyboard state (Shift for the case of letters and
// the digit-row symbols of a US layout, Ctrl+letter for control codes), 0 when none.
char CharFromKey(UINT vk);
// The same for a keyboard state given outright.
char CharFromKeyState(UINT vk, bool shift, bool ctrl, bool alt);

// A whole key stroke as the platform delivers it: modifiers down, the key down (WM_SYSKEYDOWN when
// Alt is held), the character it translates to (WM_CHAR / WM_SYSCHAR), the key up, modifiers up.
// Returns the window that received the key-down, 0 when no window has the focus.
constexpr uint32_t kShiftMask = 1;
constexpr uint32_t kCtrlMask = 2;
constexpr uint32_t kAltMask = 4;
HWND SendKeyStroke(UINT vk, uint32_t modifiers);

} // namespace user
