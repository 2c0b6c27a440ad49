#include "platform/user/Input.h"

#include "platform/user/Errors.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Messages.h"
#include "platform/user/Window.h"
#include "platform/user/WindowOps.h"

namespace user {

using detail::Window;
using detail::window_of;
using detail::windows;

namespace {

bool key_down(UINT vk) {
    return vk < 256 && windows().keys[vk];
}

void set_key(UINT vk, bool down) {
    if (vk < 256) windows().keys[vk] = down;
}

bool focusable(HWND hwnd) {
    for (const Window* w = windows().find(hwnd); w; w = windows().find(w->parent))
        if (w->style & WS_DISABLED) return false;
    return true;
}

struct Button {
    UINT down;
    UINT up;
    UINT dblclk;
    UINT vk;
    WPARAM mk;
};

constexpr Button kButtons[] = {
    {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, VK_LBUTTON, MK_LBUTTON},
    {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, VK_RBUTTON, MK_RBUTTON},
    {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, VK_MBUTTON, MK_MBUTTON},
};

const Button* button_of(UINT message) {
    for (const Button& b : kButtons)
        if (message == b.down || message == b.up || message == b.dblclk) return &b;
    return nullptr;
}

// The deepest visible, enabled window of hwnd's tree at a point in hwnd's client coordinates;
// `point` becomes that window's client coordinates.
HWND deepest_at(HWND hwnd, gdi::POINT& point) {
    for (;;) {
        const HWND child = ChildWindowFromPointEx(hwnd, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
        if (!child || child == hwnd) return hwnd;
        const Window* c = windows().find(child);
        point = {point.x - c->x, point.y - c->y};
        hwnd = child;
    }
}

// Each parent up the chain hears of a button press in a child, with the point in its own client
// coordinates, until a window that asked not to notify its parent.
void notify_button_down(HWND target, UINT down, gdi::POINT point) {
    HWND child = target;
    for (const Window* c = windows().find(child); c && c->parent; c = windows().find(child)) {
        if (c->exStyle & WS_EX_NOPARENTNOTIFY) return;
        point = {point.x + c->x, point.y + c->y};
        const HWND parent = c->parent;
        SendMessageA(parent, WM_PARENTNOTIFY, MAKEWPARAM(int32_t(down), 0), MAKELPARAM(point.x, point.y));
        child = parent;
    }
}

WPARAM mouse_keys(WPARAM keys) {
    keys &= ~(MK_LBUTTON | MK_RBUTTON | MK_MBUTTON);
    for (const Button& b : kButtons)
        if (key_down(b.vk)) keys |= b.mk;
    return keys;
}

// The lParam of a key message: repeat count 1; bit 29 while Alt is held (system keys); bit 30 the
// key's previous state; bit 31 set for a release.
LPARAM key_lparam(UINT message, bool was_down) {
    uint32_t bits = 1;
    if (key_down(VK_MENU)) bits |= 1u << 29;
    if (was_down) bits |= 1u << 30;
    if (message == WM_KEYUP || message == WM_SYSKEYUP) bits |= 1u << 31;
    return static_cast<LPARAM>(static_cast<int32_t>(bits));
}

// The characters of the digit row and the punctuation keys of a US layout, without and with Shift.
struct KeyChars {
    UINT vk;
    char plain;
    char shifted;
};
constexpr KeyChars kKeyChars[] = {
    {'0', '0', ')'},   {'1', '1', '!'},  {'2', '2', '@'},  {'3', '3', '#'},   {'4', '4', '$'},
    {'5', '5', '%'},   {'6', '6', '^'},  {'7', '7', '&'},  {'8', '8', '*'},   {'9', '9', '('},
    {0xBA, ';', ':'},  {0xBB, '=', '+'}, {0xBC, ',', '<'}, {0xBD, '-', '_'},  {0xBE, '.', '>'},
    {0xBF, '/', '?'},  {0xC0, '`', '~'}, {0xDB, '[', '{'}, {0xDC, '\\', '|'}, {0xDD, ']', '}'},
    {0xDE, '\'', '"'},
};

} // namespace

namespace detail {

void take_focus_from_tree(HWND hwnd, HWND to) {
    if (in_tree(hwnd, windows().capture)) ReleaseCapture();
    if (!in_tree(hwnd, windows().focus)) return;
    if (!to || !focusable(to) || !SetFocus(to)) SetFocus({});
}

} // namespace detail

HWND SetFocus(HWND hwnd) {
    if (hwnd && (!window_of(hwnd) || !focusable(hwnd))) return {};
    const HWND previous = windows().focus;
    if (previous == hwnd) return previous;
    // The focus moves first, so the window losing it already sees the new one in GetFocus.
    windows().focus = hwnd;
    if (IsWindow(previous)) {
        SendMessageA(previous, WM_KILLFOCUS, WPARAM(hwnd.value), 0);
        if (windows().focus != hwnd) return previous;
    }
    if (IsWindow(hwnd)) SendMessageA(hwnd, WM_SETFOCUS, WPARAM(previous.value), 0);
    return previous;
}

HWND GetFocus() {
    if (!IsWindow(windows().focus)) windows().focus = {};
    return windows().focus;
}

HWND SetCapture(HWND hwnd) {
    if (!window_of(hwnd)) return {};
    const HWND previous = windows().capture;
    windows().capture = hwnd;
    if (previous != hwnd && IsWindow(previous))
        SendMessageA(previous, WM_CAPTURECHANGED, 0, LPARAM(hwnd.value));
    return IsWindow(previous) ? previous : HWND{};
}

bool ReleaseCapture() {
    const HWND previous = windows().capture;
    windows().capture = {};
    if (IsWindow(previous)) SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture() {
    if (!IsWindow(windows().capture)) windows().capture = {};
    return windows().capture;
}

int16_t GetKeyState(int vk) {
    return vk >= 0 && key_down(UINT(vk)) ? int16_t(-32768) : int16_t(0);
}

int16_t GetAsyncKeyState(int vk) {
    return GetKeyState(vk);
}

void SetKeyDown(int vk, bool down) {
    if (vk >= 0) set_key(UINT(vk), down);
}

HWND SendMouseInput(HWND top, UINT message, int32_t x, int32_t y, WPARAM keys) {
    const Window* t = window_of(top);
    if (!t) return {};
    gdi::POINT point{x, y};
    HWND target = GetCapture();
    if (target) {
        MapWindowPoints(top, target, &point, 1);
    } else {
        if (!IsWindowVisible(top) || !IsWindowEnabled(top)) return {};
        if (x < 0 || y < 0 || x >= t->width || y >= t->height) return {};
        target = deepest_at(top, point);
    }
    const Button* button = button_of(message);
    if (button && message == button->dblclk && !(windows().find(target)->classStyle & CS_DBLCLKS))
        message = button->down;
    if (button) set_key(button->vk, message != button->up);
    if (button && message != button->up) {
        notify_button_down(target, button->down, point);
        if (!IsWindow(target)) return {};
    }
    SendMessageA(target, message, mouse_keys(keys), MAKELPARAM(point.x, point.y));
    return target;
}

HWND SendKeyInput(UINT message, WPARAM keyOrChar) {
    const UINT vk = UINT(keyOrChar & 0xFF);
    const bool is_down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    const bool is_up = message == WM_KEYUP || message == WM_SYSKEYUP;
    const bool was_down = (is_down || is_up) && key_down(vk);
    const LPARAM lparam = key_lparam(message, was_down || is_up);
    // The keyboard changes state whether or not a window is there to hear of it.
    if (is_down) set_key(vk, true);
    if (is_up) set_key(vk, false);
    const HWND target = GetFocus();
    if (target) SendMessageA(target, message, keyOrChar, lparam);
    return target;
}

char CharFromKey(UINT vk) {
    return CharFromKeyState(vk, key_down(VK_SHIFT), key_down(VK_CONTROL), key_down(VK_MENU));
}

char CharFromKeyState(UINT vk, bool shift, bool ctrl, bool alt) {
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl && !alt) return char(vk - 'A' + 1);
        return char(shift ? vk : vk - 'A' + 'a');
    }
    if (ctrl) return 0;
    switch (vk) {
    case VK_SPACE:
        return ' ';
    case VK_RETURN:
        return '\r';
    case VK_TAB:
        return '\t';
    case VK_ESCAPE:
        return 0x1B;
    case VK_BACK:
        return 0x08;
    default:
        break;
    }
    if (vk >= 0x60 && vk <= 0x69) return char('0' + (vk - 0x60)); // the numeric keypad
    for (const KeyChars& k : kKeyChars)
        if (k.vk == vk) return shift ? k.shifted : k.plain;
    return 0;
}

HWND SendKeyStroke(UINT vk, uint32_t modifiers) {
    const bool alt = modifiers & kAltMask;
    const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    if (modifiers & kCtrlMask) SendKeyInput(WM_KEYDOWN, VK_CONTROL);
    if (modifiers & kShiftMask) SendKeyInput(WM_KEYDOWN, VK_SHIFT);
    // Keys pressed while Alt is held are system keys.
    if (alt) SendKeyInput(WM_SYSKEYDOWN, VK_MENU);
    const HWND target = SendKeyInput(down, vk);
    // The character goes where the key went down, as translating that message would post it.
    if (const char c = CharFromKey(vk); c && IsWindow(target))
        SendMessageA(target, alt ? WM_SYSCHAR : WM_CHAR, WPARAM(uint8_t(c)), key_lparam(down, false));
    SendKeyInput(alt ? WM_SYSKEYUP : WM_KEYUP, vk);
    if (alt) SendKeyInput(WM_KEYUP, VK_MENU);
    if (modifiers & kShiftMask) SendKeyInput(WM_KEYUP, VK_SHIFT);
    if (modifiers & kCtrlMask) SendKeyInput(WM_KEYUP, VK_CONTROL);
    return target;
}

} // namespace user
