#pragma once

#include "platform/user/Hwnd.h"

#include <memory>
#include <vector>

// The hooking itself: the one window procedure installed into every hooked window and the registry
// of every live hook's window list (one registry a thread, as windows are). Several entries, of one
// hook or of several, may hook the same window: two window properties count them and keep the
// procedure that was in place before the first, so the procedure is replaced once and put back
// when the last entry lets go.
namespace hook {

class VNWindow;
class VNWindows;

// The window properties of a hooked window: the 32-bit procedure value in place before the first
// hook, and how many entries hook the window now.
constexpr const char* kPrevWndProcProperty = "PREV_WNDPROC";
constexpr const char* kAddedPropsProperty = "NUM_ADDEDPROPS";

// The registry: created with the first list registered and kept, possibly empty, from then on.
void RegisterHookList(std::shared_ptr<VNWindows> list);
// Takes the list out (found by identity); nothing when it is not registered.
void UnregisterHookList(const VNWindows& list);
bool HookListsExist();
// The registered lists in registration order (a copy: the walk survives changes to the registry).
std::vector<std::shared_ptr<VNWindows>> HookLists();

// Hooks (subclassing on) or unhooks every window of the list, in order. Nothing checks for an
// entry hooked twice: switching on twice counts the window twice.
void ApplySubclassing(const VNWindows& list);
// The first entry on a window replaces its procedure and keeps the old one in PREV_WNDPROC; later
// entries take it from there. Every entry remembers it (PrevWndProc) and adds one to the count.
void HookWindow(VNWindow& window);
// The last entry puts its PrevWndProc back and removes both properties; an earlier one only counts
// down; a window no entry hooks is left alone.
void UnhookWindow(VNWindow& window);

// The window procedure of every hooked window. For each registered list that is switched on, each
// of its entries on the window: an unwatched message goes on to the previous procedure; a watched
// one raises the list's CallBack, with the previous procedure run before it (ProcessType 1) or
// after it (0) unless ProcessDefaultProc is, or is made, false. The previous procedure runs at
// most once a message, however many entries pass the message on; a window that no switched-on
// entry watches goes on to the procedure it had before it was hooked. An automation error raised
// by a CallBack handler is swallowed and skips the callbacks of the lists after it. A destroyed
// window gets 0; a window hooked while no registry exists gets its old procedure back.
user::LRESULT HookWndProc(user::HWND hwnd, user::UINT msg, user::WPARAM wParam, user::LPARAM lParam);
// Puts the procedure kept in PREV_WNDPROC back, removes both properties and hands the message to
// it (0 when there is none).
user::LRESULT ForwardUnhooked(user::HWND hwnd, user::UINT msg, user::WPARAM wParam, user::LPARAM lParam);

} // namespace hook
