#pragma once

#include "platform/user/Hwnd.h"
#include "platform/user/Messages.h"

#include <cstddef>

// Sending, posting and dispatching messages. One queue per thread; there are no other threads, so
// nothing ever waits: a step takes what is queued or reports that nothing is.
namespace user {

// Calls the window procedure at once and returns its result; 0 for a 0 or stale window.
LRESULT SendMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Queues the message. hwnd 0 posts a message to the thread (PeekMessageA returns it; dispatching it
// calls nothing). Fails for a stale window.
bool PostMessageA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;

// The next message for hwnd (0: any window of the thread) whose number lies in [filterMin,
// filterMax] (both 0: any): posted messages first, oldest first; then, as the platform synthesises
// it, WM_PAINT for a visible window that has something to paint, parents before their children.
// WM_PAINT is never removed from a queue: it comes back until the window is validated.
bool PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
// Calls the message's window procedure; messages for windows destroyed since they were posted are
// dropped (0).
LRESULT DispatchMessageA(const MSG* msg);
// Posts WM_CHAR (WM_SYSCHAR for WM_SYSKEYDOWN) when a key-down message produces a character with
// the current keyboard state (Input.h). Returns true for every key message, translated or not, as
// the platform does.
bool TranslateMessage(const MSG* msg);

// Translates and dispatches, as a program's message loop does, until nothing is queued: posted
// messages first, then WM_PAINT for windows with an update region. A window whose WM_PAINT handling leaves it
// invalid gets no second WM_PAINT within the same pump (the platform would repeat it forever); the next pump
// sends it again. Returns the number of messages dispatched.
size_t PumpMessages();
// Drops every posted message (for a host that tears a form down).
void DiscardPostedMessages();

// Calls a window procedure as the window system does. Also takes the 32-bit procedure handles
// that GetWindowLongA hands out for GWLP_WNDPROC. A null procedure returns 0.
LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The default handling: WM_ERASEBKGND fills the area to paint (the clip box of the DC in wParam) with
// the window's background brush and returns 1, or returns 0 when the window has none; WM_PAINT
// validates the window (BeginPaint/EndPaint); WM_GETTEXT, WM_SETTEXT and WM_GETTEXTLENGTH work on
// the window text; every other message returns 0.
LRESULT DefWindowProcA(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace user
